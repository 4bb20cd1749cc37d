#pragma once

#include <Qt>

namespace ksl {

// The kind of window a fixed dialog is on this desktop, for FrameAsFixedWindow. On Windows a
// dialog: a normal caption with a close box and no icon, and Alt+Tab reaches it (Windows lists
// every unowned window that is not a tool window there, and gives it a task-bar button too). On
// the X11 and Wayland desktops a utility window, which their task bars leave out.
[[nodiscard]] Qt::WindowFlags FixedDialogKind();

}  // namespace ksl
