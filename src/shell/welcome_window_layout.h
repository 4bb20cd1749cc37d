#pragma once

#include <span>

#include "window_kit/classic_window.h"
#include "window_kit/control_spec.h"
#include "window_kit/menu_spec.h"

namespace ksl::welcome_window {

extern const WindowSpec Window;

// The status bar: 18 pixels high, and the title panel never narrower than 200 pixels.
inline constexpr int StatusBarHeight = 18;
inline constexpr int TitlePanelMinimumWidth = 200;

// The four labels, from the top of the window down; none overlaps another.
std::span<const ControlSpec> Controls();

std::span<const MenuSpec> Menus();

}  // namespace ksl::welcome_window
