#include "window_frame/fixed_window.h"

#include <QWidget>

#include "window_frame/fixed_size.h"
#include "window_frame/title_bar.h"

namespace ksl {

TitleBar* FrameAsFixedWindow(QWidget& window, Qt::WindowFlags kind) {
    KeepAtItsSize(window);
#ifndef _WIN32
    // Wayland's frame offers to minimise and maximise any window: ours draw their own.
    if (TitleBar::Wanted()) {
        // Qt drops the frameless hint from a window that also asks for a title.
        window.setWindowFlags((kind & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
        return new TitleBar(window);
    }
#endif
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    return nullptr;
}

}  // namespace ksl
