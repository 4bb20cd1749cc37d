#pragma once

#include <QSize>
#include <Qt>

class QMainWindow;
class QMenuBar;
class QWidget;

namespace ksl {

class TitleBar;

// The frame of a fixed window, for the window to put its menu bar or its controls under.
class FixedFrame {
  public:
    // The menu bar of `window`, under the window's own title bar where it draws one.
    [[nodiscard]] QMenuBar* MenuBar(QMainWindow& window) const;
    // Sizes `window` to hold `clientSize` under its own title bar, where it draws one, and gives
    // the area its controls go on.
    [[nodiscard]] QWidget* Face(QWidget& window, QSize clientSize) const;

  private:
    friend FixedFrame FrameAsFixedWindow(QWidget& window, Qt::WindowFlags kind);
    explicit FixedFrame(TitleBar* titleBar) : titleBar_(titleBar) {}

    TitleBar* titleBar_;  // none where the desktop draws the title bar
};

// Frames `window` as a fixed window: a title bar with its icon, its caption and a close box, no
// minimise or maximise box, kept at its size. `kind` says what else the desktop gives it:
// Qt::Window with its system menu for a window with a task-bar entry; FrameAsFixedDialog
// (dialog_kind.h) frames a dialog. Where the desktop's own title bar would offer more (on Wayland),
// the window goes without the desktop's frame and draws its own title bar, which the returned frame
// places at the top. Give the window its icon first.
FixedFrame FrameAsFixedWindow(QWidget& window, Qt::WindowFlags kind);

}  // namespace ksl
