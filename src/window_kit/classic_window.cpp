#include "window_kit/classic_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "window_kit/clock_status_bar.h"
#include "window_kit/control_factory.h"
#include "window_kit/fonts.h"
#include "window_kit/smiley_icon.h"
#include "window_kit/system_colours.h"

namespace ksl {

ClassicWindow::ClassicWindow(const WindowSpec& design)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      face_(new QWidget(this)) {
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setWindowIcon(SmileyIcon());

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

    setStatusBar(new ClockStatusBar(design.statusBar, this));
    BuildMenus(*this, design.menus);
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
