#pragma once

#include "window_design/window_spec.h"

namespace ksl::game_window {

// The game window's design: its controls from front to back, its menus and its status bar.
extern const WindowSpec Window;

}  // namespace ksl::game_window
