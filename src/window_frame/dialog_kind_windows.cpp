#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "window_frame/dialog_kind.h"
#include "window_frame/fixed_window.h"

namespace ksl {
namespace {

// What classic Windows programs do for a window that should have no task-bar button: a window of
// the program's own that is never shown owns it. An owned window has no button; an owner never
// shown is never in front of anything and is never minimised, so the dialog stays independent of
// the program's other windows. The owner lives as long as the application, and goes first as the
// application ends, while the system it belongs to is still there.
QWindow* invisibleOwner = nullptr;

void ForgetTheInvisibleOwner() {
    delete invisibleOwner;
    invisibleOwner = nullptr;
}

QWindow& TheInvisibleOwner() {
    if (invisibleOwner == nullptr) {
        invisibleOwner = new QWindow;
        // A dialog opens centred over its owner: over the screen's work area, as one that nothing
        // owns does.
        invisibleOwner->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        invisibleOwner->create();  // the system's own window, to own others, never shown
        qAddPostRoutine(ForgetTheInvisibleOwner);
    }
    return *invisibleOwner;
}

}  // namespace

FixedFrame FrameAsFixedDialog(QWidget& dialog) {
    // Without the system menu, Qt gives the dialog the plain dialog frame with a close box and
    // no icon; a tool window's caption would be small.
    const FixedFrame frame = FrameAsFixedWindow(dialog, Qt::Dialog);
    // Qt hands Windows the owner of the dialog's own window as it shows it.
    dialog.createWinId();
    dialog.windowHandle()->setTransientParent(&TheInvisibleOwner());
    return frame;
}

}  // namespace ksl
