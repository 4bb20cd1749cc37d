#pragma once

#include "window_design/window_spec.h"

namespace ksl::game_window {

// The game window's design: its controls from front to back, its menus and its status bar.
extern const WindowSpec Window;

// The window's title in words, as a screen reader speaks it.
inline constexpr const char* SpokenCaption = "Kronesluk av Tindrevik";

}  // namespace ksl::game_window
