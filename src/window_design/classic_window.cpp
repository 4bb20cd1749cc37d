#include "window_design/classic_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "accessibility/reading.h"
#include "status_bar/clock_status_bar.h"
#include "window_design/control_factory.h"
#include "window_design/fonts.h"
#include "window_design/smiley_icon.h"
#include "window_design/system_colours.h"
#include "window_frame/fixed_window.h"

namespace ksl {

ClassicWindow::ClassicWindow(const WindowSpec& design) : face_(new QWidget(this)) {
    // Before anything a screen reader may ask about: the window lists its parts as they are seen.
    ReadInReadingOrder(*this);
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setWindowIcon(SmileyIcon());
    const FixedFrame frame = FrameAsFixedWindow(*this, Qt::Window | Qt::WindowSystemMenuHint);

    face_->setObjectName(QStringLiteral("face"));
    face_->setFont(ArialBold(design.fontPoints));
    face_->setAutoFillBackground(true);
    QPalette palette = face_->palette();
    palette.setColor(QPalette::Window, ButtonText);
    face_->setPalette(palette);
    face_->setFixedSize(design.clientSize.width(),
                        design.clientSize.height() - design.statusBar.height);
    setCentralWidget(face_);
    BuildControlsFrontToBack(design.controls, face_);

    setStatusBar(new ClockStatusBar(design.statusBar, BaskervilleBold(StatusBarPoints), this));
    BuildMenus(*frame.MenuBar(*this), *this, design.menus);
    // The window is as large as its menu bar, face and status bar, and no larger or smaller.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Every classic window opens centred, so the welcome and game windows, which have the
    // same size, swap places exactly when one replaces the other.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
}

QAction* ClassicWindow::MenuItem(const char* name) const {
    return Find<QAction>(name);
}

}  // namespace ksl
