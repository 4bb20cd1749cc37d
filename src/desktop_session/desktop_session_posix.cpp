// The desktop session on Linux and other POSIX systems: X11 or Wayland, the freedesktop sound
// theme through libcanberra, and the session's signals.
#include "desktop_session/accessibility_bridge_messages.h"
#include "desktop_session/desktop_session.h"
#include "desktop_session/display_guard.h"
#include "desktop_session/session_end_signals.h"
#include "sound/canberra_sound_theme.h"

namespace ksl {

std::unique_ptr<QApplication> ConnectToTheDesktop(int& argc, char** argv) {
    // On X11, the windows go to the server through the connection, not through shared memory:
    // they are small, and with shared memory every repaint of a spot painted before (the clock,
    // once a minute) first waits for the server's answer, which wakes two threads of ours. Only
    // while connecting, so that no program started from the game inherits it; a setting of the
    // player's own stands.
    const char* const noSharedMemory = "QT_XCB_NO_MITSHM";
    const bool setHere = !qEnvironmentVariableIsSet(noSharedMemory);
    if (setHere) {
        qputenv(noSharedMemory, "1");
    }
    auto application = [&] {
        const DisplayGuard guard;
        return std::make_unique<QApplication>(argc, argv);
    }();
    if (setHere) {
        qunsetenv(noSharedMemory);
    }
    // For the life of the program: the bus can go away at any time.
    static const AccessibilityBridgeMessages bridge;
    return application;
}

std::unique_ptr<SoundTheme> OpenDesktopSoundTheme() {
    return OpenCanberraSoundTheme();
}

std::unique_ptr<QObject> EndOnSessionRequests(ProgramEnd& end) {
    return std::make_unique<SessionEndSignals>(end);
}

}  // namespace ksl
