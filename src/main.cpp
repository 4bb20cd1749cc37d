#include <QApplication>
#include <memory>

#include "about/qt_program_launcher.h"
#include "about/system_registry.h"
#include "platform/beeper.h"
#include "platform/canberra_sound_theme.h"
#include "platform/desktop_sound_beeper.h"
#include "platform/display_guard.h"
#include "platform/platform.h"
#include "platform/player_messages.h"
#include "platform/program_end.h"
#include "platform/qt_timer_factory.h"
#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"
#include "shell/shell.h"
#include "system_info/file_probe.h"
#include "window_kit/accessible_interfaces.h"
#include "window_kit/fonts.h"

namespace {

// The application, connected to the desktop's display, or a plain word that there is none.
std::unique_ptr<QApplication> ConnectToTheDesktop(int& argc, char** argv) {
    const ksl::DisplayGuard guard;
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
    auto app = std::make_unique<QApplication>(argc, argv);
    if (setHere) {
        qunsetenv(noSharedMemory);
    }
    return app;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> app = ConnectToTheDesktop(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kronesluk"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the windows to the installed entry and its icon (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("no.kronesluk.Kronesluk"));
    // The shell decides when the program ends; hiding a window on the way is not an ending.
    QApplication::setQuitOnLastWindowClosed(false);
    ksl::RegisterFontSubstitutes();
    ksl::InstallAccessibleInterfaces();

    ksl::ClockSeededReels reels;
    ksl::SlotMachine machine(reels);  // the one balance, outside every window

    ksl::QtTimerFactory timers;
    ksl::MessageBoxMessages messages;
    ksl::SystemBeeper toolkitBell;
    ksl::DesktopSoundBeeper beeper(toolkitBell, ksl::OpenCanberraSoundTheme);
    ksl::QtProgramEnd end;
    const ksl::Platform platform{timers, messages, beeper, end};

    const std::unique_ptr<ksl::Registry> registry = ksl::MakeSystemRegistry();
    ksl::SystemFileProbe files;
    ksl::QtProgramLauncher launcher;
    const ksl::SystemInfoServices systemInfo{*registry, files, launcher};

    ksl::Shell shell(machine, platform, systemInfo);
    shell.Start();
    return QApplication::exec();
}
