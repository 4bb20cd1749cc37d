#pragma once

#include "window_design/classic_window.h"

namespace ksl {

class Announcer;

// The welcome window: a title screen whose menu starts the game or ends the program. Its
// menu items are handled by the shell.
class Form1 : public ClassicWindow {
  public:
    Form1();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Tells a screen reader how to start each time the window comes to the front, when the
    // program starts and when a game has ended: the window has no control that takes the
    // focus, so a screen reader would say no more than its title.
    void AnnounceHowToStart();

    Announcer* announcer_;
};

}  // namespace ksl
