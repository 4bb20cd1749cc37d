#include <QApplication>
#include <memory>

#include "about/qt_program_launcher.h"
#include "about/system_registry.h"
#include "accessibility/accessible_interfaces.h"
#include "desktop_session/desktop_session.h"
#include "platform/beeper.h"
#include "platform/platform.h"
#include "platform/player_messages.h"
#include "platform/program_end.h"
#include "platform/qt_timer_factory.h"
#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"
#include "shell/shell.h"
#include "sound/desktop_sound_beeper.h"
#include "system_info/file_probe.h"
#include "window_design/fonts.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> app = ksl::ConnectToTheDesktop(argc, argv);
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
    ksl::DesktopSoundBeeper beeper(toolkitBell, ksl::OpenDesktopSoundTheme);
    ksl::QtProgramEnd end;
    const ksl::Platform platform{timers, messages, beeper, end};

    const std::unique_ptr<ksl::Registry> registry = ksl::MakeSystemRegistry();
    ksl::SystemFileProbe files;
    ksl::QtProgramLauncher launcher;
    const ksl::SystemInfoServices systemInfo{*registry, files, launcher};

    ksl::Shell shell(machine, platform, systemInfo);
    // A logout ends the game as Ctrl+Q does; the windows, and the beeper, are then closed in order.
    const std::unique_ptr<QObject> sessionRequests = ksl::EndOnSessionRequests(end);
    shell.Start();
    return QApplication::exec();
}
