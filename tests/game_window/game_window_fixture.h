#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "game_window/form2.h"
#include "support/recording_platform.h"
#include "support/scripted_reels.h"

namespace ksl::testing {

// A game window on simulated time, with scripted reels and a machine at a chosen balance.
class GameWindowFixture : public ::testing::Test {
  protected:
    void Open(Kroner balance = 30) {
        machine = std::make_unique<SlotMachine>(reels, balance);
        window = std::make_unique<Form2>(*machine, recording.platform());
        window->show();
    }

    template <typename Control = QWidget>
    Control* Find(const char* name) const {
        auto* control = window->findChild<Control*>(QString::fromUtf8(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    bool Shown(const char* name) const { return !Find(name)->isHidden(); }
    int PicturesShown() const {
        int count = 0;
        for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6"}) {
            count += Shown(name) ? 1 : 0;
        }
        return count;
    }

    QString Text(const char* name) const { return Find<QLabel>(name)->text(); }

    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    // The stake buttons come back at 2500 ms, not a millisecond sooner, and then every timer
    // of the window rests until the next click.
    void ExpectButtonsBackAt2500AndEveryTimerAtRest() {
        recording.clock.AdvanceTo(2499);
        EXPECT_FALSE(Find("Command1")->isEnabled());
        recording.clock.AdvanceTo(2500);
        EXPECT_TRUE(Find("Command1")->isEnabled());
        EXPECT_TRUE(Find("Command2")->isEnabled());
        EXPECT_TRUE(recording.clock.Running().empty());
    }

    ScriptedReels reels;
    RecordingPlatform recording;
    std::unique_ptr<SlotMachine> machine;
    std::unique_ptr<Form2> window;
};

}  // namespace ksl::testing
