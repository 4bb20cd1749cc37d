#pragma once

class QWidget;

namespace ksl {

class FixedFrame;

// Frames `dialog` as a fixed dialog of this desktop's kind (see FrameAsFixedWindow): a window of
// its own, in front of the others only while the player works in it, with a caption and a close
// box, no icon and no task-bar button. On the X11 and Wayland desktops a utility window, which
// their task bars leave out. On Windows a dialog, owned by a window that is never shown: Windows
// gives every window that nothing owns a task-bar button, but for tool windows, whose caption is
// small.
FixedFrame FrameAsFixedDialog(QWidget& dialog);

}  // namespace ksl
