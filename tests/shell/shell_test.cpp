#include "shell/shell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/recording_platform.h"
#include "support/scripted_reels.h"

namespace ksl::testing {
namespace {

enum class State { NotLoaded, Hidden, Visible };

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() { shell.Start(); }

    ~ShellTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static State StateOf(const QWidget* window) {
        if (window == nullptr) {
            return State::NotLoaded;
        }
        return window->isVisible() ? State::Visible : State::Hidden;
    }
    State Welcome() const { return StateOf(shell.WelcomeWindow()); }
    State Game() const { return StateOf(shell.GameWindow()); }

    void Menu(QWidget* window, const char* item) {
        window->findChild<QAction*>(QString::fromUtf8(item))->trigger();
    }
    void Click(const char* button) {
        QTest::mouseClick(shell.GameWindow()->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QString GameText(const char* label) const {
        return shell.GameWindow()->findChild<QLabel*>(label)->text();
    }
    bool GameShows(const char* control) const {
        return !shell.GameWindow()->findChild<QWidget*>(control)->isHidden();
    }
    static void CloseBox(QWidget* window) {
        QCloseEvent event;
        QCoreApplication::sendEvent(window, &event);
    }

    ScriptedReels reels;
    SlotMachine machine{reels};
    RecordingPlatform recording;
    Shell shell{machine, recording.platform(), recording.systemInfo()};
};

TEST_F(ShellTest, StartUpShowsOnlyTheWelcomeWindowWithTheGameLoadedBehindIt) {
    EXPECT_EQ(Welcome(), State::Visible);
    EXPECT_EQ(Game(), State::Hidden);
    EXPECT_EQ(machine.Balance(), 30);
}

TEST_F(ShellTest, StartingTheFirstGameShowsTheLoadedGameWindowWithoutLoadingItAgain) {
    const Form2* loadedAtStartUp = shell.GameWindow();
    Menu(shell.WelcomeWindow(), "mnuPlay");
    EXPECT_EQ(shell.GameWindow(), loadedAtStartUp);
    EXPECT_EQ(Game(), State::Visible);
    EXPECT_EQ(Welcome(), State::Hidden);
    EXPECT_EQ(machine.Balance(), 30);
}

TEST_F(ShellTest, RestartDuringASpinAbandonsItAndStartsAgainAtThirty) {
    reels.Then({1, 1, 2});
    Menu(shell.WelcomeWindow(), "mnuPlay");
    QPointer<Form2> old = shell.GameWindow();
    Click("Command1");
    recording.clock.Advance(600);
    EXPECT_EQ(machine.Balance(), 32);

    Menu(shell.GameWindow(), "mnuPlay");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(Game(), State::Visible);
    EXPECT_EQ(Welcome(), State::Hidden);
    EXPECT_EQ(machine.Balance(), 30);

    // None of the abandoned spin's reveals ever shows, and the new window is as created.
    recording.clock.Advance(10'000);
    EXPECT_EQ(recording.beeper.beeps, 0);
    for (const char* hidden : {"Label1", "Label2", "Label3"}) {
        EXPECT_FALSE(GameShows(hidden)) << hidden;
    }
    for (const char* shown : {"Image6", "Label13", "Label17"}) {
        EXPECT_TRUE(GameShows(shown)) << shown;
    }
    EXPECT_EQ(GameText("Label17"), "30");
    EXPECT_TRUE(shell.GameWindow()->findChild<QPushButton*>("Command1")->isEnabled());
}

TEST_F(ShellTest, AGameThatEndsReturnsToTheWelcomeWindowAndTheNextStartsAtThirty) {
    for (int spin = 0; spin < 3; ++spin) {
        reels.Then({0, 0, 0});
    }
    Menu(shell.WelcomeWindow(), "mnuPlay");
    for (int spin = 0; spin < 3; ++spin) {
        Click("Command2");
        recording.clock.Advance(2500);
    }
    ASSERT_EQ(recording.messages.told.size(), 1U);
    EXPECT_EQ(recording.messages.told[0], "Du har tømt automaten !!!!!!");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Welcome(), State::Visible);
    EXPECT_EQ(Game(), State::NotLoaded);
    EXPECT_EQ(machine.Balance(), 330);  // kept until the next game is loaded

    Menu(shell.WelcomeWindow(), "mnuPlay");
    EXPECT_EQ(Game(), State::Visible);
    EXPECT_EQ(Welcome(), State::Hidden);
    EXPECT_EQ(machine.Balance(), 30);
    EXPECT_EQ(GameText("Label17"), "30");
}

TEST_F(ShellTest, AboutBeepsEveryTimeAcrossRestartsAndEndsOfGames) {
    reels.Then({0, 1, 2});
    Menu(shell.WelcomeWindow(), "mnuPlay");
    Menu(shell.GameWindow(), "mnuContent");
    Menu(shell.GameWindow(), "mnuPlay");
    Menu(shell.GameWindow(), "mnuContent");
    EXPECT_EQ(recording.beeper.beeps, 2);
    EXPECT_EQ(Game(), State::Visible);
}

TEST_F(ShellTest, ExitEndsTheProgramFromEitherWindowEvenDuringASpin) {
    Menu(shell.WelcomeWindow(), "mnuExit");
    EXPECT_EQ(recording.end.ends, 1);

    reels.Then({0, 1, 2});
    Menu(shell.WelcomeWindow(), "mnuPlay");
    Click("Command1");
    recording.clock.Advance(700);
    Menu(shell.GameWindow(), "mnuExit");
    EXPECT_EQ(recording.end.ends, 2);
}

TEST_F(ShellTest, ClosingTheWelcomeWindowAtStartUpEndsTheProgram) {
    CloseBox(shell.WelcomeWindow());
    EXPECT_EQ(Welcome(), State::NotLoaded);
    EXPECT_EQ(recording.end.ends, 1);
}

TEST_F(ShellTest, ClosingTheGameWindowWhileTheWelcomeWindowIsHiddenEndsTheProgram) {
    Menu(shell.WelcomeWindow(), "mnuPlay");
    CloseBox(shell.GameWindow());
    EXPECT_EQ(Game(), State::NotLoaded);
    EXPECT_EQ(recording.end.ends, 1);
}

TEST_F(ShellTest, ClosingAWindowWhileAnotherIsVisibleOnlyUnloadsIt) {
    // The game window, loaded but hidden at start-up, is closed (as a window manager may do);
    // the welcome window is still on screen, so the program goes on.
    CloseBox(shell.GameWindow());
    EXPECT_EQ(Game(), State::NotLoaded);
    EXPECT_EQ(Welcome(), State::Visible);
    EXPECT_EQ(recording.end.ends, 0);
    // Starting now loads a fresh game window.
    Menu(shell.WelcomeWindow(), "mnuPlay");
    EXPECT_EQ(Game(), State::Visible);
    EXPECT_EQ(machine.Balance(), 30);
}

TEST_F(ShellTest, EveryWindowGoesBackToItsSizeWhenTheDesktopMaximisesItOrMakesItFullScreen) {
    Menu(shell.WelcomeWindow(), "mnuPlay");
    Menu(shell.GameWindow(), "mnuContent");
    shell.WelcomeWindow()->show();
    for (QWidget* window : std::initializer_list<QWidget*>{
             shell.WelcomeWindow(), shell.GameWindow(), shell.AboutDialog()}) {
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            SCOPED_TRACE(window->objectName().toStdString());
            const QSize designed = window->size();
            window->setWindowState(state);
            QCoreApplication::processEvents();
            EXPECT_EQ(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen), 0);
            EXPECT_EQ(window->size(), designed);
            EXPECT_TRUE(window->isVisible());
        }
    }
}

}  // namespace
}  // namespace ksl::testing
