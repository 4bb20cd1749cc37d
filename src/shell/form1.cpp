#include "shell/form1.h"

#include <QAction>

#include "shell/welcome_window_layout.h"
#include "window_kit/clock_status_bar.h"
#include "window_kit/control_factory.h"

namespace ksl {

Form1::Form1(WelcomeWindowHost& host)
    : ClassicWindow(welcome_window::Window,
                    new ClockStatusBar(welcome_window::StatusBarHeight,
                                       welcome_window::TitlePanelMinimumWidth, nullptr)) {
    BuildControlsFrontToBack(welcome_window::Controls(), face());
    BuildMenus(*this, welcome_window::Menus());
    connect(findChild<QAction*>(QStringLiteral("mnuPlay")), &QAction::triggered, this,
            [&host] { host.StartGame(); });
    connect(findChild<QAction*>(QStringLiteral("mnuExit")), &QAction::triggered, this,
            [&host] { host.ExitProgram(); });
}

}  // namespace ksl
