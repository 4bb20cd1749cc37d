#pragma once

#include <QSize>
#include <span>

#include "window_kit/control_spec.h"
#include "window_kit/menu_spec.h"

namespace ksl {

// The status bar along the bottom: its height, and how narrow its title panel may become.
struct StatusBarSpec {
    int height;
    int titlePanelMinimumWidth;
};

// Everything a classic window is built from: the window itself, its controls listed from front
// to back, its menus and its status bar.
struct WindowSpec {
    const char* name;
    const char* caption;
    QSize clientSize;   // everything under the menu bar, the status bar included
    double fontPoints;  // the bold Arial of controls without a font of their own
    std::span<const ControlSpec> controls;
    std::span<const MenuSpec> menus;
    StatusBarSpec statusBar;
};

}  // namespace ksl
