#include "window_frame/fixed_window.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

#include "window_frame/fixed_size.h"
#include "window_frame/on_wayland.h"
#include "window_frame/title_bar.h"

namespace ksl {

FixedFrame FrameAsFixedWindow(QWidget& window, Qt::WindowFlags kind) {
    KeepAtItsSize(window);
    // Wayland's frame offers to minimise and maximise any window: ours draw their own.
    if (OnWayland()) {
        // Qt drops the frameless hint from a window that also asks for a title.
        window.setWindowFlags((kind & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
        return FixedFrame(new TitleBar(window));
    }
    // Without the fixed-size hint Windows gives the window a sizing border, and with it "Size"
    // in its system menu and snapping; the other desktops read the fixed size itself.
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    return FixedFrame(nullptr);
}

QMenuBar* FixedFrame::MenuBar(QMainWindow& window) const {
    if (titleBar_ == nullptr) {
        return window.menuBar();
    }
    auto* top = new QWidget(&window);
    auto* column = new QVBoxLayout(top);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(titleBar_);
    auto* bar = new QMenuBar(top);
    column->addWidget(bar);
    window.setMenuWidget(top);
    return bar;
}

QWidget* FixedFrame::Face(QWidget& window, QSize clientSize) const {
    if (titleBar_ == nullptr) {
        window.setFixedSize(clientSize);
        return &window;
    }
    titleBar_->setGeometry(0, 0, clientSize.width(), TitleBar::Height);
    auto* face = new QWidget(&window);
    face->setGeometry(QRect(QPoint(0, TitleBar::Height), clientSize));
    window.setFixedSize(clientSize + QSize(0, TitleBar::Height));
    return face;
}

}  // namespace ksl
