// One spin on the real game window with the reels a test chooses, revealed by the real Qt timers
// and sounded by the real desktop beep: clicks "1 Kr", lets the reveal run, and ends once the
// buttons are back and the sound has had time to play. Prints "beep" for every beep the window
// sounds and "toolkit bell" for every time the toolkit's bell rings in place of the desktop's
// sound. Ends with status 0 when the reveal ran to its end. A test program, never installed.
//
//   scripted_spin FIRST SECOND THIRD     (the reels in draw order, e.g. 1 1 0 wins 1-1)
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdio>
#include <cstdlib>

#include "game_window/form2.h"
#include "platform/beeper.h"
#include "platform/player_messages.h"
#include "platform/program_end.h"
#include "platform/qt_timer_factory.h"
#include "rules/slot_machine.h"
#include "sound/canberra_sound_theme.h"
#include "sound/desktop_sound_beeper.h"
#include "support/reporting_beeper.h"
#include "support/scripted_reels.h"
#include "window_design/fonts.h"

namespace {

// The buttons come back 2500 ms after the click; the bell sound lasts well under a second.
constexpr int RevealAndSoundMs = 2500 + 1000;

void Say(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: scripted_spin FIRST SECOND THIRD\n", stderr);
        return 2;
    }
    ksl::RegisterFontSubstitutes();

    ksl::testing::ScriptedReels reels{{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3])}};
    ksl::SlotMachine machine(reels);

    ksl::QtTimerFactory timers;
    ksl::MessageBoxMessages messages;
    ksl::SystemBeeper systemBell;
    ksl::testing::ReportingBeeper toolkitBell(systemBell, [] { Say("toolkit bell"); });
    ksl::DesktopSoundBeeper desktopSound(toolkitBell, ksl::OpenCanberraSoundTheme);
    ksl::testing::ReportingBeeper beeper(desktopSound, [] { Say("beep"); });
    ksl::QtProgramEnd end;

    ksl::Form2 window(machine, {timers, messages, beeper, end});
    window.Form_Load();
    window.show();
    auto* oneKrone = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QTest::mouseClick(oneKrone, Qt::LeftButton);

    int status = 1;
    QTimer::singleShot(RevealAndSoundMs, &app, [&] {
        status = oneKrone->isEnabled() ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
