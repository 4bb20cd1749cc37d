// A long session on the simulated clock: 100,000 spins at random stakes and moments, with
// restarts in the middle of spins, games played to their end, and the About dialog opened and
// closed on the way. The sanitizer build runs it too, so leaks and memory faults show up here.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <random>

#include "rules/clock_seeded_reels.h"
#include "shell/shell.h"
#include "support/recording_platform.h"

namespace ksl::testing {
namespace {

std::uint64_t FrozenClock() {
    return 42;
}

// Counts the spins the machine really played.
class CountingReels final : public ReelSource {
  public:
    Reels Draw() override {
        ++spins;
        return reels.Draw();
    }
    ClockSeededReels reels{&FrozenClock, 7};
    long spins = 0;
};

void Trigger(QWidget* window, const char* item) {
    window->findChild<QAction*>(QString::fromUtf8(item))->trigger();
}

TEST(Soak, AHundredThousandSpinsWithRestartsAndEndsOfGames) {
    constexpr long Spins = 100'000;
    CountingReels reels;
    SlotMachine machine(reels);
    RecordingPlatform recording;
    Shell shell(machine, recording.platform(), recording.systemInfo());
    shell.Start();

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> wait(0, 3000);
    long restarts = 0;
    long gamesEnded = 0;
    while (reels.spins < Spins) {
        if (shell.GameWindow() == nullptr || !shell.GameWindow()->isVisible()) {
            ++gamesEnded;
            Trigger(shell.WelcomeWindow(), "mnuPlay");
        }
        const int roll = percent(random);
        if (roll == 0 && random() % 4 == 0) {
            ++restarts;
            Trigger(shell.GameWindow(), "mnuPlay");
        } else if (roll == 1 && random() % 8 == 0) {
            Trigger(shell.GameWindow(), "mnuContent");
            shell.AboutDialog()->reject();
        } else {
            // A click on a disabled button does nothing, as it should during a reveal.
            shell.GameWindow()
                ->findChild<QPushButton*>(roll < 60 ? "Command1" : "Command2")
                ->click();
        }
        ASSERT_GE(machine.Balance(), -2);
        ASSERT_LE(machine.Balance(), 399);
        recording.clock.Advance(wait(random));
        // No event loop runs here: hand out what the widgets posted (repaints, deletions),
        // as the loop would, so the queue does not grow without end.
        if (reels.spins % 100 == 0) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The session really mixed in what it was meant to.
    EXPECT_GT(restarts, 50);
    EXPECT_GT(gamesEnded, 5);
    EXPECT_EQ(recording.end.ends, 0);
}

}  // namespace
}  // namespace ksl::testing
