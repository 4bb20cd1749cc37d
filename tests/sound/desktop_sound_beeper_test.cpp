#include "sound/desktop_sound_beeper.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace ksl {
namespace {

using Result = SoundTheme::Result;
using namespace std::chrono_literals;

// Simulated time that stands still unless a test moves it: no beep is ever late by it.
std::atomic<long long> simulatedMs{0};
std::chrono::steady_clock::time_point StandingClock() {
    return std::chrono::steady_clock::time_point{} + std::chrono::milliseconds(simulatedMs.load());
}

// Rings by remembering on which thread it was rung.
class FallbackBell final : public Beeper {
  public:
    void Beep() override { threads.push_back(std::this_thread::get_id()); }
    std::vector<std::thread::id> threads;
};

// A theme that answers each event as told and writes down what it was asked to play. It lives
// on the sound thread; the list it writes is read once the beeper, and that thread, are gone.
class ScriptedTheme final : public SoundTheme {
  public:
    ScriptedTheme(std::map<std::string, Result> answers,
                  std::shared_ptr<std::vector<std::string>> asked)
        : answers_(std::move(answers)), asked_(std::move(asked)) {}

    Result Play(const char* event) override {
        asked_->emplace_back(event);
        const auto answer = answers_.find(event);
        return answer == answers_.end() ? Result::NoSuchSound : answer->second;
    }
    void StopLastSound() override { asked_->emplace_back("stop"); }

  private:
    std::map<std::string, Result> answers_;
    std::shared_ptr<std::vector<std::string>> asked_;
};

struct BellCase {
    const char* name;
    std::map<std::string, Result> answers;
    std::vector<std::string> askedPerBeep;
    bool fallbackRings;
};

void PrintTo(const BellCase& c, std::ostream* out) {
    *out << c.name;
}

class DesktopBell : public ::testing::TestWithParam<BellCase> {};

TEST_P(DesktopBell, PlaysTheWindowBellOrRingsTheFallbackOnTheUserInterfaceThread) {
    const BellCase& c = GetParam();
    auto asked = std::make_shared<std::vector<std::string>>();
    FallbackBell fallback;
    {
        DesktopSoundBeeper beeper(
            fallback, [&c, asked] { return std::make_unique<ScriptedTheme>(c.answers, asked); },
            StandingClock);
        beeper.Beep();
        beeper.Beep();
        QCoreApplication::processEvents();
    }  // every beep asked for has been played, or its fallback rung, once the beeper is gone

    std::vector<std::string> askedForTwo = c.askedPerBeep;
    askedForTwo.insert(askedForTwo.end(), c.askedPerBeep.begin(), c.askedPerBeep.end());
    EXPECT_EQ(*asked, askedForTwo);
    ASSERT_EQ(fallback.threads.size(), c.fallbackRings ? 2U : 0U);
    for (const std::thread::id thread : fallback.threads) {
        EXPECT_EQ(thread, std::this_thread::get_id());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Themes, DesktopBell,
    ::testing::Values(
        BellCase{
            "WindowBell", {{"bell-window-system", Result::Playing}}, {"bell-window-system"}, false},
        BellCase{"PlainBell", {{"bell", Result::Playing}}, {"bell-window-system", "bell"}, false},
        BellCase{"NoBellInTheTheme", {}, {"bell-window-system", "bell"}, true},
        BellCase{"NoSoundServer",
                 {{"bell-window-system", Result::Failed}, {"bell", Result::Playing}},
                 {"bell-window-system"},
                 true}),
    [](const ::testing::TestParamInfo<BellCase>& row) { return std::string(row.param.name); });

// Holds the sound thread until the test lets go, or ten seconds have passed.
struct Hold {
    std::promise<void> letGo;
    std::shared_future<void> released{letGo.get_future().share()};
    std::atomic<bool> heldUntilLetGo{false};
    std::atomic<int> sounds{0};
    std::promise<void> over;

    void Wait() { heldUntilLetGo = released.wait_for(10s) == std::future_status::ready; }
};

TEST(DesktopSoundBeeper, NeverWaitsForASoundAndPlaysEveryBeepOverTheLast) {
    struct HeldFirstSound final : SoundTheme {
        std::shared_ptr<Hold> hold;
        Result Play(const char*) override {
            if (hold->sounds++ == 0) {
                hold->Wait();
            }
            return Result::Playing;
        }
        void StopLastSound() override { ADD_FAILURE() << "a sound in time was stopped"; }
    };
    auto hold = std::make_shared<Hold>();
    FallbackBell fallback;
    {
        DesktopSoundBeeper beeper(
            fallback,
            [hold] {
                auto theme = std::make_unique<HeldFirstSound>();
                theme->hold = hold;
                return theme;
            },
            StandingClock);
        for (int beep = 0; beep < 3; ++beep) {
            beeper.Beep();  // a beep that waited for audio would sit out the held first sound
        }
        hold->letGo.set_value();
    }
    EXPECT_TRUE(hold->heldUntilLetGo);
    EXPECT_EQ(hold->sounds, 3);
    EXPECT_TRUE(fallback.threads.empty());
}

TEST(DesktopSoundBeeper, ASoundServerThatNeverAnswersDoesNotHoldUpTheEnd) {
    auto hold = std::make_shared<Hold>();
    std::future<void> soundThreadOver = hold->over.get_future();
    FallbackBell fallback;
    {
        DesktopSoundBeeper beeper(fallback, [hold] {
            hold->Wait();  // connecting hangs, as it does on a stopped sound server
            hold->over.set_value();
            return std::unique_ptr<SoundTheme>();
        });
        beeper.Beep();
    }
    hold->letGo.set_value();
    soundThreadOver.wait();
    EXPECT_TRUE(hold->heldUntilLetGo) << "the beeper waited for the server before it was gone";
    QCoreApplication::processEvents();
    EXPECT_TRUE(fallback.threads.empty()) << "a bell rang for a beeper that is gone";
}

// A sound server that stalls: the first sound waits until the test lets go, as a server that is
// stopped and then resumed keeps a client waiting. Two more beeps are asked for meanwhile, the
// stall lasts `stallMs` of simulated time, and one beep is asked for once the server is back.
struct StallCase {
    const char* name;
    long long stallMs;
    Result answer;
    int sounds;  // started
    int stopped;
    int fallbacks;
};

void PrintTo(const StallCase& c, std::ostream* out) {
    *out << c.name;
}

class StalledServer : public ::testing::TestWithParam<StallCase> {};

TEST_P(StalledServer, ABeepThatCannotStartInTimeIsDroppedAndTheNextSoundsAtOnce) {
    const StallCase& c = GetParam();
    struct Stalling final : SoundTheme {
        std::shared_ptr<Hold> hold;
        std::promise<void> firstAsked;
        Result answer = Result::Playing;
        std::shared_ptr<std::atomic<int>> stopped;
        Result Play(const char*) override {
            if (hold->sounds++ == 0) {
                firstAsked.set_value();
                hold->Wait();
            }
            return answer;
        }
        void StopLastSound() override { ++*stopped; }
    };
    auto hold = std::make_shared<Hold>();
    auto stopped = std::make_shared<std::atomic<int>>(0);
    auto theme = std::make_unique<Stalling>();
    theme->hold = hold;
    theme->answer = c.answer;
    theme->stopped = stopped;
    std::future<void> firstAsked = theme->firstAsked.get_future();
    FallbackBell fallback;
    simulatedMs = 0;
    {
        DesktopSoundBeeper beeper(
            fallback, [&theme] { return std::move(theme); }, StandingClock);
        beeper.Beep();
        firstAsked.wait();  // the server has the first sound and stalls
        beeper.Beep();
        beeper.Beep();
        simulatedMs += c.stallMs;
        hold->letGo.set_value();
        beeper.Beep();  // the server is back
    }  // every beep has been played, stopped or dropped, and every fallback rung, once it is gone
    simulatedMs = 0;
    EXPECT_TRUE(hold->heldUntilLetGo);
    EXPECT_EQ(hold->sounds, c.sounds);
    EXPECT_EQ(*stopped, c.stopped);
    EXPECT_EQ(fallback.threads.size(), static_cast<std::size_t>(c.fallbacks));
}

INSTANTIATE_TEST_SUITE_P(
    Stalls, StalledServer,
    ::testing::Values(StallCase{"NoStall", 0, Result::Playing, 4, 0, 0},
                      StallCase{"StallUpToTheBound", 500, Result::Playing, 4, 0, 0},
                      StallCase{"StallPastTheBound", 501, Result::Playing, 2, 1, 0},
                      StallCase{"FrozenForFortySeconds", 40000, Result::Playing, 2, 1, 0},
                      StallCase{"NoServerNoStall", 0, Result::Failed, 4, 0, 4},
                      StallCase{"NoServerAfterAStall", 40000, Result::Failed, 2, 0, 1}),
    [](const ::testing::TestParamInfo<StallCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace ksl
