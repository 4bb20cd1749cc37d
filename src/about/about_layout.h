#pragma once

#include "window_design/window_spec.h"

namespace ksl::about_dialog {

// The About dialog's design: its controls from front to back, in the system's dialog font at
// the classic dialog size, 8 points, and its colours; no menus and no status bar.
extern const WindowSpec Window;

}  // namespace ksl::about_dialog
