// The game window of the Windows build on the Windows desktop session, as the game's start-up
// makes it: plays one spin with the reels a test chooses on the simulated clock, then opens one
// of the game's message boxes and closes it once it has been told. Prints a line
// "told: WORDS" (UTF-8) for every event that the program hands Qt's bridge to UI Automation as
// a notification. A test program, never installed.
//
//   spin_notifications FIRST SECOND THIRD     (the reels in draw order, e.g. 2 2 2 wins 10)
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "accessibility/accessible_interfaces.h"
#include "game_window/form2.h"
#include "desktop_session/desktop_session.h"
#include "platform/player_messages.h"
#include "rules/slot_machine.h"
#include "support/notification_recorder.h"
#include "support/recording_platform.h"
#include "support/scripted_reels.h"

namespace {

// Long enough for a box on a busy machine; the box is closed as soon as it has been told.
constexpr int MessageBoxDeadlineMs = 20000;
constexpr int MessageBoxCheckMs = 50;

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> app = ksl::ConnectToTheDesktop(argc, argv);
    if (argc != 4) {
        std::fputs("usage: spin_notifications FIRST SECOND THIRD\n", stderr);
        return 2;
    }
    ksl::InstallAccessibleInterfaces();
    ksl::testing::NotificationRecorder notifications;

    ksl::testing::ScriptedReels reels{{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3])}};
    ksl::SlotMachine machine(reels);
    ksl::testing::RecordingPlatform recording;
    ksl::Form2 window(machine, recording.platform());
    window.Form_Load();  // a new game at 30 kroner
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    recording.clock.Advance(2500);

    const QString message = QString::fromUtf8("Du har tømt automaten !!!!!!");
    QTimer closer;
    QElapsedTimer open;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box != nullptr &&
            (notifications.told.contains(message) || open.elapsed() > MessageBoxDeadlineMs)) {
            box->close();
        }
    });
    closer.start(MessageBoxCheckMs);
    open.start();
    ksl::MessageBoxMessages().Tell(window, message);

    for (const QString& words : notifications.told) {
        std::printf("told: %s\n", words.toUtf8().constData());
    }
    return 0;
}
