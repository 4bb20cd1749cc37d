#pragma once

#include "window_kit/classic_window.h"

namespace ksl {

// What the welcome window's menu asks for.
class WelcomeWindowHost {
  public:
    virtual ~WelcomeWindowHost() = default;
    virtual void StartGame() = 0;    // "Start Spill" (F2)
    virtual void ExitProgram() = 0;  // "Exit" (Ctrl+Q)
};

// The welcome window: a title screen whose menu starts the game or ends the program.
class Form1 : public ClassicWindow {
  public:
    explicit Form1(WelcomeWindowHost& host);
};

}  // namespace ksl
