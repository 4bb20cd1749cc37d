#include <QEvent>
#include <QImage>
#include <QSignalSpy>
#include <array>
#include <string>
#include <vector>

#include "game_window/game_window_fixture.h"

namespace ksl::testing {
namespace {

using SpinTimeline = GameWindowFixture;

TEST_F(SpinTimeline, TimersHaveTheirDesignedIntervalsAndOnlyTheBalanceAndNoWinRunAtLoad) {
    Open();
    struct Expected {
        const char* name;
        int interval;
        bool running;
    };
    for (const Expected& e : {Expected{"Timer1", 500, false}, Expected{"Timer2", 1200, false},
                              Expected{"Timer3", 1900, false}, Expected{"Timer4", 2500, false},
                              Expected{"Penger", 2100, true}, Expected{"NoWin", 2100, true},
                              Expected{"Win1", 2100, false}, Expected{"Win2", 2100, false},
                              Expected{"Win3", 2100, false}, Expected{"Win4", 2100, false},
                              Expected{"Win5", 2100, false}}) {
        const GameTimer* timer = recording.clock.Timer(e.name);
        ASSERT_NE(timer, nullptr) << e.name;
        EXPECT_EQ(timer->Interval(), e.interval) << e.name;
        EXPECT_EQ(timer->IsEnabled(), e.running) << e.name;
    }
}

TEST_F(SpinTimeline, TheBalanceAndNoWinTickOnceAtLoadAndThenRest) {
    Open();
    recording.clock.AdvanceTo(2099);
    EXPECT_EQ(recording.clock.Running(), (std::vector<std::string>{"Penger", "NoWin"}));
    // Their one tick shows what is already on screen; then nothing of the window is left awake.
    recording.clock.AdvanceTo(2100);
    EXPECT_TRUE(recording.clock.Running().empty());
    EXPECT_TRUE(Shown("Label17"));
    EXPECT_TRUE(Shown("Label13"));
    EXPECT_EQ(Text("Label17"), "30");
}

struct RevealCase {
    const char* name;
    Reels reels;
    const char* shownAt2100;  // the one picture, or Label13 for no win
    int beeps;
    const char* balance;
};

class Reveal : public GameWindowFixture, public ::testing::WithParamInterface<RevealCase> {};

TEST_P(Reveal, ShowsReelsLeftMiddleRightThenBalanceAndResultThenButtons) {
    const RevealCase& c = GetParam();
    reels.Then(c.reels);
    Open(30);
    Click("Command1");

    // Straight after the click: the last result is cleared and the buttons are disabled.
    for (const char* name : {"Label1", "Label2", "Label3", "Label13", "Label17"}) {
        EXPECT_FALSE(Shown(name)) << name;
    }
    EXPECT_EQ(PicturesShown(), 0);
    EXPECT_FALSE(Find("Command1")->isEnabled());
    EXPECT_FALSE(Find("Command2")->isEnabled());
    // The answer is already written into the hidden labels, in draw order right, left, middle.
    EXPECT_EQ(Text("Label1"), QString::number(c.reels[0]));
    EXPECT_EQ(Text("Label2"), QString::number(c.reels[1]));
    EXPECT_EQ(Text("Label3"), QString::number(c.reels[2]));

    recording.clock.AdvanceTo(499);
    EXPECT_FALSE(Shown("Label2"));
    recording.clock.AdvanceTo(500);
    EXPECT_TRUE(Shown("Label2"));
    EXPECT_FALSE(Shown("Label3"));
    recording.clock.AdvanceTo(1199);
    EXPECT_FALSE(Shown("Label3"));
    recording.clock.AdvanceTo(1200);
    EXPECT_TRUE(Shown("Label3"));
    EXPECT_FALSE(Shown("Label1"));
    recording.clock.AdvanceTo(1899);
    EXPECT_FALSE(Shown("Label1"));
    recording.clock.AdvanceTo(1900);
    EXPECT_TRUE(Shown("Label1"));

    recording.clock.AdvanceTo(2099);
    EXPECT_FALSE(Shown("Label17"));
    EXPECT_FALSE(Shown(c.shownAt2100));
    EXPECT_EQ(recording.beeper.beeps, 0);
    recording.clock.AdvanceTo(2100);
    EXPECT_TRUE(Shown("Label17"));
    EXPECT_EQ(Text("Label17"), c.balance);
    EXPECT_TRUE(Shown(c.shownAt2100));
    const bool win = QString(c.shownAt2100).startsWith("Image");
    EXPECT_EQ(Shown("Label13"), !win);
    EXPECT_EQ(PicturesShown(), win ? 1 : 0);
    EXPECT_EQ(recording.beeper.beeps, c.beeps);
    // Every timer that has shown its part rests; only the stake buttons are still to come.
    EXPECT_EQ(recording.clock.Running(), std::vector<std::string>{"Timer4"});
    if (win) {
        // The prize is painted, not just shown: its coins are on screen.
        const QImage prize = Find(c.shownAt2100)->grab().toImage();
        int golden = 0;
        for (int y = 0; y < prize.height(); ++y) {
            for (int x = 0; x < prize.width(); ++x) {
                golden += prize.pixelColor(x, y).red() > 0x80 ? 1 : 0;
            }
        }
        EXPECT_GT(golden, prize.width() * prize.height() / 10) << c.shownAt2100;
    }

    ExpectButtonsBackAt2500AndEveryTimerAtRest();

    // Nothing changes any more, and a win beeps only once.
    recording.clock.AdvanceTo(30'000);
    EXPECT_EQ(recording.beeper.beeps, c.beeps);
    EXPECT_EQ(PicturesShown(), win ? 1 : 0);
    EXPECT_EQ(Text("Label17"), c.balance);
}

INSTANTIATE_TEST_SUITE_P(EveryOutcome, Reveal,
                         ::testing::Values(RevealCase{"Triple0", {0, 0, 0}, "Image5", 1, "80"},
                                           RevealCase{"Triple4", {4, 4, 4}, "Image4", 1, "60"},
                                           RevealCase{"Triple3", {3, 3, 3}, "Image3", 1, "50"},
                                           RevealCase{"Triple2", {2, 2, 2}, "Image1", 1, "40"},
                                           RevealCase{"PairOfOnes", {1, 1, 3}, "Image2", 1, "32"},
                                           RevealCase{"Loss", {3, 1, 2}, "Label13", 0, "29"}),
                         [](const ::testing::TestParamInfo<RevealCase>& param) {
                             return param.param.name;
                         });

TEST_F(SpinTimeline, ClicksWhileTheButtonsAreDisabledDoNothing) {
    reels.Then({0, 1, 2});
    Open(30);
    Click("Command1");
    for (const int t : {1, 700, 2100, 2499}) {
        recording.clock.AdvanceTo(t);
        Click("Command1");
        Click("Command2");
    }
    // Only the first click spun: the script had one spin, and the balance moved once.
    EXPECT_EQ(machine->Balance(), 29);
    recording.clock.AdvanceTo(2500);
    EXPECT_TRUE(Find("Command2")->isEnabled());
}

// Counts the times a control takes the focus.
class FocusTaken : public QObject {
  public:
    explicit FocusTaken(QWidget& control) { control.installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        times += event->type() == QEvent::FocusIn ? 1 : 0;
        return false;
    }
    int times = 0;
};

struct FocusCase {
    const char* name;
    const char* button;
    Kroner balance;
    bool byKeyboard;
};

class FocusAfterASpin : public GameWindowFixture,
                        public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusAfterASpin, ComesBackToThePressedButtonOnceTheButtonsAreBack) {
    const FocusCase& c = GetParam();
    reels.Then({0, 1, 2});
    Open(c.balance);
    auto* pressed = Find<QPushButton>(c.button);
    QWidget* other = Find(pressed == Find("Command1") ? "Command2" : "Command1");
    // Focus events come only to the active window.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pressed->setFocus();
    // A screen reader reads the control that takes the focus: the other stake, going gray as
    // the buttons are disabled, must never take it.
    FocusTaken otherTookFocus(*other);
    if (c.byKeyboard) {
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
    } else {
        Click(c.button);
    }
    ASSERT_EQ(machine->Balance(),
              c.balance == 1 ? 1 : c.balance - (pressed == Find("Command1") ? 1 : 2));
    recording.clock.AdvanceTo(2499);
    EXPECT_NE(window->focusWidget(), pressed);  // disabled buttons hold no focus
    EXPECT_EQ(otherTookFocus.times, 0);
    recording.clock.AdvanceTo(2500);
    EXPECT_EQ(window->focusWidget(), pressed);

    // A player who moves the focus afterwards keeps it where they put it.
    other->setFocus();
    recording.clock.AdvanceTo(10'000);
    EXPECT_EQ(window->focusWidget(), other);
}

INSTANTIATE_TEST_SUITE_P(EitherStake, FocusAfterASpin,
                         ::testing::Values(FocusCase{"OneKroneByMouse", "Command1", 30, false},
                                           FocusCase{"OneKroneByKeyboard", "Command1", 30, true},
                                           FocusCase{"TwoKronerByKeyboard", "Command2", 30, true},
                                           FocusCase{"RefusedStake", "Command2", 1, false}),
                         [](const ::testing::TestParamInfo<FocusCase>& param) {
                             return param.param.name;
                         });

TEST_F(SpinTimeline, TheBlackPanelGoesAtTheFirstClickAndNeverComesBack) {
    reels.Then({0, 0, 0});
    reels.Then({1, 1, 1});
    Open(30);
    EXPECT_TRUE(Shown("Image6"));
    Click("Command1");
    recording.clock.AdvanceTo(2500);
    EXPECT_FALSE(Shown("Image6"));
    Click("Command2");
    recording.clock.AdvanceTo(10'000);
    EXPECT_FALSE(Shown("Image6"));
    EXPECT_TRUE(Shown("Image2"));
    EXPECT_FALSE(Shown("Image5"));  // the last spin's picture was cleared
}

TEST_F(SpinTimeline, AClickLongAfterTheLastStillGivesTheWholeSequence) {
    reels.Then({0, 1, 2});
    reels.Then({4, 4, 4});
    Open(30);
    Click("Command1");
    recording.clock.AdvanceTo(60'000);
    Click("Command2");
    const long long click = recording.clock.Now();
    EXPECT_FALSE(Shown("Label2"));
    EXPECT_FALSE(Shown("Label13"));
    EXPECT_FALSE(Shown("Label17"));
    for (const auto& [offset, name] : std::array<std::pair<int, const char*>, 4>{
             {{500, "Label2"}, {1200, "Label3"}, {1900, "Label1"}, {2100, "Image4"}}}) {
        recording.clock.AdvanceTo(click + offset - 1);
        EXPECT_FALSE(Shown(name)) << name;
        recording.clock.AdvanceTo(click + offset);
        EXPECT_TRUE(Shown(name)) << name;
    }
    EXPECT_EQ(Text("Label17"), "89");
    EXPECT_FALSE(Shown("Label13"));
    recording.clock.AdvanceTo(click + 2499);
    EXPECT_FALSE(Find("Command1")->isEnabled());
    recording.clock.AdvanceTo(click + 2500);
    EXPECT_TRUE(Find("Command1")->isEnabled());
}

TEST_F(SpinTimeline, ARefusedStakeNeverShowsAFigureThePlayerDoesNotHave) {
    reels.Then({0, 1, 2});
    Open(1);
    QStringList balancesSeenWhileOpen;
    recording.messages.whileOpen = [&] {
        // Qt delivers the ticks while the box is open: the left reel and the balance come up.
        balancesSeenWhileOpen << Text("Label17");
        recording.clock.AdvanceTo(2200);
        balancesSeenWhileOpen << Text("Label17");
    };
    Click("Command2");

    ASSERT_EQ(recording.messages.told.size(), 1U);
    EXPECT_EQ(recording.messages.told[0],
              "Du har ikke nok penger til å spille med 2 kroners innsats, spill med 1 kroners "
              "innsats!");
    EXPECT_EQ(balancesSeenWhileOpen, QStringList({"1", "1"}));
    EXPECT_EQ(machine->Balance(), 1);
    EXPECT_TRUE(Shown("Label17"));
    EXPECT_TRUE(Shown("Label13"));
    EXPECT_EQ(Text("Label17"), "1");
    EXPECT_EQ(recording.beeper.beeps, 0);
    recording.clock.AdvanceTo(2500);
    EXPECT_TRUE(Find("Command1")->isEnabled());
    EXPECT_TRUE(Find("Command2")->isEnabled());
}

TEST_F(SpinTimeline, ARefusedStakeClosedAtOnceStillShowsTheResultAndGivesTheButtonsBack) {
    reels.Then({0, 1, 2});
    Open(1);
    Click("Command2");
    ASSERT_EQ(recording.messages.told.size(), 1U);
    EXPECT_EQ(recording.clock.Running(), (std::vector<std::string>{"Timer4", "Penger", "NoWin"}));
    recording.clock.AdvanceTo(2099);
    EXPECT_FALSE(Shown("Label17"));
    EXPECT_FALSE(Shown("Label13"));
    recording.clock.AdvanceTo(2100);
    EXPECT_TRUE(Shown("Label17"));
    EXPECT_TRUE(Shown("Label13"));
    EXPECT_EQ(Text("Label17"), "1");
    ExpectButtonsBackAt2500AndEveryTimerAtRest();
    for (const char* reel : {"Label1", "Label2", "Label3"}) {
        EXPECT_FALSE(Shown(reel)) << reel;
    }
}

TEST_F(SpinTimeline, ReelsNotYetShownWhenTheStakeIsRefusedStayHidden) {
    reels.Then({0, 1, 2});
    Open(1);
    recording.messages.whileOpen = [&] { recording.clock.AdvanceTo(600); };
    Click("Command2");
    recording.clock.AdvanceTo(5000);
    EXPECT_TRUE(Shown("Label2"));  // shown behind the message
    EXPECT_FALSE(Shown("Label3"));
    EXPECT_FALSE(Shown("Label1"));
    EXPECT_TRUE(Shown("Label17"));
    EXPECT_EQ(Text("Label17"), "1");
    EXPECT_TRUE(Find("Command1")->isEnabled());
}

struct GameOverCase {
    const char* name;
    Kroner balance;
    const char* button;
    Reels reels;
    const char* message;
    Kroner finalBalance;
};

class GameOver : public GameWindowFixture, public ::testing::WithParamInterface<GameOverCase> {};

TEST_P(GameOver, ToldAtOnceThenHandedToTheShell) {
    const GameOverCase& c = GetParam();
    reels.Then(c.reels);
    Open(c.balance);
    const QSignalSpy gameOver(window.get(), &Form2::gameOver);
    bool reelShownWhenTold = true;
    recording.messages.whileOpen = [&] {
        reelShownWhenTold = Shown("Label1") || Shown("Label2") || Shown("Label3");
        EXPECT_EQ(gameOver.count(), 0);
    };
    // The shell unloads the window when the game is over; nothing may touch it afterwards.
    QObject::connect(window.get(), &Form2::gameOver, [&] {
        window->StopTimers();
        window->hide();
        window.release()->deleteLater();
    });
    Click(c.button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_EQ(recording.messages.told.size(), 1U);
    EXPECT_EQ(recording.messages.told[0], QString::fromUtf8(c.message));
    EXPECT_FALSE(reelShownWhenTold);
    EXPECT_EQ(gameOver.count(), 1);
    EXPECT_EQ(machine->Balance(), c.finalBalance);
    recording.clock.AdvanceTo(10'000);  // no tick of the unloaded window may run
    EXPECT_EQ(recording.beeper.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    BothEndings, GameOver,
    ::testing::Values(
        GameOverCase{"OutOfMoneyAtOneKrone",
                     0,
                     "Command1",
                     {0, 1, 2},
                     "Du har ikke mer penger å spille for !",
                     -1},
        GameOverCase{"OutOfMoneyAtTwoKroner",
                     0,
                     "Command2",
                     {0, 1, 2},
                     "Du har ikke mer penger å spille for !",
                     -2},
        GameOverCase{
            "MachineEmptied", 299, "Command2", {0, 0, 0}, "Du har tømt automaten !!!!!!", 399}),
    [](const ::testing::TestParamInfo<GameOverCase>& param) { return param.param.name; });

TEST_F(SpinTimeline, LoadingHidesTheWindowShowsTheWelcomeWindowAndStartsAGame) {
    Open(-2);
    bool hiddenWhenLoading = false;
    Kroner balanceWhenLoading = 0;
    QObject::connect(window.get(), &Form2::loading, [&] {
        hiddenWhenLoading = !window->isVisible();
        balanceWhenLoading = machine->Balance();
    });
    const QSignalSpy loading(window.get(), &Form2::loading);
    window->Form_Load();
    // In the design's order: hide this window, call for the welcome window, start a new game.
    EXPECT_EQ(loading.count(), 1);
    EXPECT_TRUE(hiddenWhenLoading);
    EXPECT_EQ(balanceWhenLoading, -2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(machine->Balance(), 30);
}

}  // namespace
}  // namespace ksl::testing
