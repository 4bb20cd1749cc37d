#pragma once

#include "window_design/window_spec.h"

namespace ksl::welcome_window {

// The welcome window's design: four labels from the top down (none overlaps another), one menu
// and the status bar.
extern const WindowSpec Window;

}  // namespace ksl::welcome_window
