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
    // Without the fixed-size hint Windows gives the window a sizing border, and with it "Size"
    // in its system menu and snapping; the other desktops read the fixed size itself.
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    return nullptr;
}

}  // namespace ksl
