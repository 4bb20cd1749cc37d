#pragma once

#include <Qt>

class QWidget;

namespace ksl {

class TitleBar;

// Frames `window` as a fixed window: a title bar with its icon, its caption and a close box, no
// minimise or maximise box, kept at its size. `kind` says what else the desktop gives it:
// Qt::Window with its system menu for a window with a task-bar entry, FixedDialogKind() for a
// dialog. Where the desktop's own title bar would offer more (on Wayland), the window goes
// without the desktop's frame and draws its own title bar, which is returned for the caller to
// place at the top; elsewhere nothing is returned. Give the window its icon first.
TitleBar* FrameAsFixedWindow(QWidget& window, Qt::WindowFlags kind);

}  // namespace ksl
