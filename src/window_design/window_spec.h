#pragma once

#include <QSize>
#include <span>

#include "status_bar/status_bar_spec.h"
#include "window_design/control_spec.h"
#include "window_design/menu_spec.h"

namespace ksl {

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
