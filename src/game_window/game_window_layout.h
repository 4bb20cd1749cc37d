#pragma once

#include <span>

#include "window_kit/classic_window.h"
#include "window_kit/control_spec.h"
#include "window_kit/menu_spec.h"

namespace ksl::game_window {

extern const WindowSpec Window;

// The status bar: 17 pixels high along the bottom; the title panel at least an inch wide.
inline constexpr int StatusBarHeight = 17;
inline constexpr int TitlePanelMinimumWidth = 96;

// Labels, lines and pictures, from front to back.
std::span<const ControlSpec> Controls();

// The stake buttons, in tab order; they lie in front of everything else.
std::span<const ControlSpec> Buttons();

std::span<const MenuSpec> Menus();

}  // namespace ksl::game_window
