#pragma once

#include <string>
#include <vector>

namespace ksl {

// Qt answers a display it cannot open with an abort, its list of plugins and advice to
// reinstall. While the application connects to the display, this holds Qt's messages back. If
// the connection succeeds they are passed on as they were. If it fails, the program exits with
// status 1 and says why:
//   - when no display is named, or nothing listens where the named ones should be, one plain
//     line, `NoDisplay`;
//   - otherwise a display is there and did not let us in (a missing cookie, too many clients, a
//     server going down): Qt's own messages pass through, with what the display server said,
//     and a last line names the displays tried.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    static constexpr const char* NoDisplay =
        "Kronesluk needs a graphical desktop and found no X11 or Wayland display.";

    // A display the environment names, and whether a server listens there.
    struct Display {
        std::string kind;  // "X11" or "Wayland"
        std::string name;
        bool listening;
    };
    // The displays named in the environment, looked for where their servers keep their sockets.
    static std::vector<Display> DisplaysNamed();
    // The last line when a display that is there could not be opened.
    static std::string NotOpened(const std::vector<Display>& tried);
};

}  // namespace ksl
