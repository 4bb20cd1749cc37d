#include "platform/desktop_sound_beeper.h"

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
            fallback, [&c, asked] { return std::make_unique<ScriptedTheme>(c.answers, asked); });
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
    };
    auto hold = std::make_shared<Hold>();
    FallbackBell fallback;
    {
        DesktopSoundBeeper beeper(fallback, [hold] {
            auto theme = std::make_unique<HeldFirstSound>();
            theme->hold = hold;
            return theme;
        });
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

}  // namespace
}  // namespace ksl
