#include <QEvent>
#include <QStringList>

#include "game_window/game_window_fixture.h"
#include "window_kit/announcer.h"

namespace ksl::testing {
namespace {

// Everything the game window gives a screen reader to speak, in the order it was given.
class SpokenAnnouncements : public QObject {
  public:
    explicit SpokenAnnouncements(QWidget& announcer) { announcer.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            spoken.append(static_cast<QWidget*>(watched)->accessibleName());
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

TEST_P(Announcement, SpeaksWhatTheScreenShowsOnceASpin) {
    const AnnouncementCase& c = GetParam();
    reels.Then(c.reels);
    Open(c.balance);
    SpokenAnnouncements announcements(*Find<Announcer>("Announcer"));

    // The balance and "Ingen Gevinst " tick from the start, but no spin has been played yet.
    recording.clock.AdvanceTo(4200);
    Click(c.stake);
    recording.clock.Advance(2099);
    EXPECT_TRUE(announcements.spoken.isEmpty());
    // Once both 2100 ms ticks have landed, and never again.
    recording.clock.Advance(1);
    recording.clock.Advance(10000);
    EXPECT_EQ(announcements.spoken, QStringList{QString::fromUtf8(c.spoken)});
}

INSTANTIATE_TEST_SUITE_P(
    Spins, Announcement,
    ::testing::Values(
        AnnouncementCase{"Loss",
                         {4, 0, 2},
                         30,
                         "Command1",
                         "0 2 4. Ingen Gevinst. Du har 29 kr igjen å spille for"},
        AnnouncementCase{
            "TripleTwo",
            {2, 2, 2},
            30,
            "Command1",
            "2 2 2. Gevinst: en stabel med gullmynter. Du har 40 kr igjen å spille for"},
        AnnouncementCase{"PairOfOnes",
                         {1, 1, 3},
                         30,
                         "Command2",
                         "1 3 1. Gevinst: to gullmynter. Du har 34 kr igjen å spille for"},
        // The refusal is closed at once, before any reel is revealed, and the reels stay hidden.
        AnnouncementCase{"RefusedTwoKroner",
                         {4, 0, 2},
                         1,
                         "Command2",
                         "Ingen Gevinst. Du har 1 kr igjen å spille for"}),
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
    recording.clock.Advance(2100);
    EXPECT_EQ(announcer->accessibleName(),
              "2 2 2. Gevinst: en stabel med gullmynter. Du har 39 kr igjen å spille for");
}

}  // namespace
}  // namespace ksl::testing
