#include <QEvent>
#include <QStringList>

#include "accessibility/announcer.h"
#include "accessibility/notification_events.h"
#include "game_window/game_window_fixture.h"
#include "support/notification_recorder.h"

namespace ksl::testing {
namespace {

// Everything the game window gives a screen reader to speak, in the order it was given.
class SpokenAnnouncements : public QObject {
  public:
    explicit SpokenAnnouncements(QWidget& announcer) { announcer.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            spoken.append(static_cast<Announcer*>(watched)->Message());
        }
        return false;
    }

    QStringList spoken;
};

struct AnnouncementCase {
    const char* name;
    Reels reels;  // right, left, middle on screen
    Kroner balance;
    const char* stake;
    const char* spoken;
};

class Announcement : public GameWindowFixture,
                     public ::testing::WithParamInterface<AnnouncementCase> {};

// On Windows the same words go to UI Automation as a notification.
TEST_P(Announcement, SpeaksTheResultOnceASpinAsTheFirstReelShows) {
    const AnnouncementCase& c = GetParam();
    reels.Then(c.reels);
    Open(c.balance);
    SpokenAnnouncements announcements(*Find<Announcer>("Announcer"));
    const NotificationEvents windowsDesktop;
    NotificationRecorder notifications;

    // The balance and "Ingen Gevinst " tick from the start, but no spin has been played yet.
    recording.clock.AdvanceTo(4200);
    Click(c.stake);
    recording.clock.Advance(499);
    EXPECT_TRUE(announcements.spoken.isEmpty());
    // With the first reel, and never again.
    recording.clock.Advance(1);
    recording.clock.Advance(10000);
    EXPECT_EQ(announcements.spoken, QStringList{QString::fromUtf8(c.spoken)});
    EXPECT_EQ(notifications.told, announcements.spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Spins, Announcement,
    ::testing::Values(
        AnnouncementCase{"Loss", {4, 0, 2}, 30, "Command1", "Ingen gevinst, 29 kr, hjul 0 2 4."},
        AnnouncementCase{"TripleTwo", {2, 2, 2}, 30, "Command1", "Gevinst 10, 40 kr, hjul 2 2 2."},
        AnnouncementCase{"PairOfOnes", {1, 1, 3}, 30, "Command2", "Gevinst 4, 34 kr, hjul 1 3 1."},
        AnnouncementCase{
            "TripleZeroAtTwo", {0, 0, 0}, 30, "Command2", "Gevinst 100, 130 kr, hjul 0 0 0."},
        // The refusal is closed at once, before any reel is revealed: the balance handed back.
        AnnouncementCase{
            "RefusedTwoKroner", {4, 0, 2}, 1, "Command2", "Ingen gevinst, 1 kr, hjul 0 2 4."}),
    [](const ::testing::TestParamInfo<AnnouncementCase>& param) { return param.param.name; });

using SpinAnnouncements = GameWindowFixture;

TEST_F(SpinAnnouncements, TheNextSpinWithdrawsTheLastAnnouncement) {
    reels.Then({4, 0, 2});
    reels.Then({2, 2, 2});
    Open();
    auto* announcer = Find<Announcer>("Announcer");
    Click("Command1");
    recording.clock.Advance(2500);
    ASSERT_TRUE(Shown("Announcer"));
    Click("Command1");
    EXPECT_FALSE(announcer->isVisible());
    recording.clock.Advance(500);
    EXPECT_EQ(announcer->Message(), "Gevinst 10, 39 kr, hjul 2 2 2.");
}

}  // namespace
}  // namespace ksl::testing
