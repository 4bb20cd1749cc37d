#pragma once

#include "window_design/classic_window.h"

namespace ksl {

// The welcome window: a title screen whose menu starts the game or ends the program. Its
// menu items are handled by the shell.
class Form1 : public ClassicWindow {
  public:
    Form1();
};

}  // namespace ksl
