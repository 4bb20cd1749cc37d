#pragma once

namespace ksl {

// Qt answers a missing or unreachable display with an abort, its list of plugins and advice to
// reinstall. While the application connects to the display, this holds Qt's messages back: if
// the connection fails, the player reads one plain line and the program exits with status 1;
// if it succeeds, the messages are passed on as they were.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    static constexpr const char* NoDisplay =
        "Kronesluk needs a graphical desktop and found no X11 or Wayland display.";
};

}  // namespace ksl
