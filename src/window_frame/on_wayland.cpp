#include "window_frame/on_wayland.h"

#include <QGuiApplication>

namespace ksl {

bool OnWayland() {
    // Qt's Wayland platforms are all named so: "wayland", "wayland-egl" and the like.
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

}  // namespace ksl
