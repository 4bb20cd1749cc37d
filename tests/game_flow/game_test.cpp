#include "game_flow/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "game_flow/reveal_timers.h"
#include "support/scripted_reels.h"

namespace ksl {
namespace {

using Kind = Order::Kind;

// The plainest face there is: it keeps what the orders say and plays the timers on a clock of
// its own, one tick at a time in the order they fall due.
struct RecordingFace {
    explicit RecordingFace(Game& driven) : game(driven) { Carry(game.Load()); }

    void Carry(const Orders& orders) {
        for (const Order& order : orders) {
            switch (order.kind) {
                case Kind::StartTimer:
                    due[order.name] = now + Interval(order.name);
                    break;
                case Kind::StopTimer:
                    due.erase(order.name);
                    break;
                case Kind::Show:
                    shown.insert(order.name);
                    break;
                case Kind::Hide:
                    shown.erase(order.name);
                    break;
                case Kind::SetText:
                    texts[order.name] = order.text;
                    break;
                case Kind::StakesOff:
                    stakesOn = false;
                    break;
                case Kind::StakesOn:
                    stakesOn = true;
                    focus = order.name;
                    break;
                case Kind::Beep:
                    ++beeps;
                    break;
                case Kind::Say:
                    said.push_back(order.text);
                    break;
                case Kind::Hush:
                    break;
                case Kind::Tell:
                    told.push_back(order.text);
                    break;
                case Kind::GameOver:
                    over = true;
                    break;
            }
        }
    }
    static int Interval(const std::string& name) {
        return std::find_if(game_flow::Reveal.begin(), game_flow::Reveal.end(),
                            [&](const auto& t) { return t.name == name; })
            ->intervalMs;
    }
    void RunUntil(int end) {
        while (!due.empty()) {
            const auto next =
                std::min_element(due.begin(), due.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
            if (next->second > end)
                break;
            now = next->second;
            Carry(game.Ticked(next->first));
        }
        now = end;
    }
    void Press(Stake stake) { Carry(game.StakePressed(stake)); }
    bool Shows(const char* name) const { return shown.count(name) != 0; }

    Game& game;
    int now = 0;
    std::map<std::string, int> due;
    std::set<std::string> shown{"Label13", "Label17", "Image1", "Image2",
                                "Image3",  "Image4",  "Image5", "Image6"};
    std::map<std::string, std::string> texts;
    bool stakesOn = true, over = false;
    std::string focus;
    int beeps = 0;
    std::vector<std::string> said, told;
};

struct SpinCase {
    const char* name;
    Kroner balance;
    Stake stake;
    Reels drawn;
    const char* picture;  // shown at 2100 ms; Label13 for a loss
    const char* shownBalance;
    const char* sentence;
    bool told;
};

class GameFlow : public ::testing::TestWithParam<SpinCase> {};

TEST_P(GameFlow, ASpinIsRevealedInTurnAndSaidOnce) {
    const SpinCase& c = GetParam();
    testing::ScriptedReels reels{c.drawn};
    SlotMachine machine(reels, c.balance);
    Game game(machine);
    RecordingFace face(game);

    face.Press(c.stake);
    EXPECT_FALSE(face.stakesOn);
    face.Carry(game.MessageClosed());
    face.RunUntil(499);
    EXPECT_FALSE(face.Shows("Label2") || face.Shows("Label17") || face.Shows("Image6"));
    face.RunUntil(2100);
    EXPECT_EQ(face.told.size(), c.told ? 1U : 0U);
    // The reels were drawn right, left, middle and are read left to right.
    EXPECT_EQ(face.texts["Label2"] + face.texts["Label3"] + face.texts["Label1"],
              std::to_string(c.drawn[1]) + std::to_string(c.drawn[2]) + std::to_string(c.drawn[0]));
    EXPECT_TRUE(face.Shows(c.picture));
    EXPECT_EQ(face.beeps, std::string(c.picture) == "Label13" ? 0 : 1);
    EXPECT_EQ(face.texts["Label17"], c.shownBalance);
    EXPECT_EQ(face.said, std::vector<std::string>{c.sentence});

    face.Press(Stake::One);  // the stakes are grey until 2500 ms
    EXPECT_EQ(face.said.size(), 1U);
    face.RunUntil(2500);
    EXPECT_TRUE(face.stakesOn);
    EXPECT_EQ(face.focus, c.stake == Stake::One ? "Command1" : "Command2");
    EXPECT_TRUE(face.due.empty()) << "every timer rests once the reveal is done";
}

INSTANTIATE_TEST_SUITE_P(Spins, GameFlow,
                         ::testing::Values(SpinCase{"loss",
                                                    30,
                                                    Stake::One,
                                                    {2, 2, 0},
                                                    "Label13",
                                                    "29",
                                                    "Ingen gevinst, 29 kr, hjul 2 0 2.",
                                                    false},
                                           SpinCase{"triple0",
                                                    30,
                                                    Stake::Two,
                                                    {0, 0, 0},
                                                    "Image5",
                                                    "130",
                                                    "Gevinst 100, 130 kr, hjul 0 0 0.",
                                                    false},
                                           SpinCase{"pair",
                                                    10,
                                                    Stake::One,
                                                    {1, 1, 3},
                                                    "Image2",
                                                    "12",
                                                    "Gevinst 2, 12 kr, hjul 1 3 1.",
                                                    false},
                                           SpinCase{"refused",
                                                    1,
                                                    Stake::Two,
                                                    {4, 0, 1},
                                                    "Label13",
                                                    "1",
                                                    "Ingen gevinst, 1 kr, hjul 0 1 4.",
                                                    true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GameFlowEnd, AGameThatEndsIsOverOnceItsMessageIsClosed) {
    testing::ScriptedReels reels{{0, 1, 2}};
    SlotMachine machine(reels, 0);
    Game game(machine);
    RecordingFace face(game);

    face.Press(Stake::One);
    EXPECT_EQ(face.told, std::vector<std::string>{"Du har ikke mer penger å spille for !"});
    face.Press(Stake::One);  // no second spin while the message is open
    EXPECT_FALSE(face.over);
    face.Carry(game.MessageClosed());
    EXPECT_TRUE(face.over);
    EXPECT_TRUE(game.MessageClosed().empty());
}

TEST(GameFlowEnd, ARefusedStakeShowsNoReelsOnceItsMessageIsClosed) {
    testing::ScriptedReels reels{{4, 0, 1}};
    SlotMachine machine(reels, 1);
    Game game(machine);
    RecordingFace face(game);

    face.Press(Stake::Two);
    face.RunUntil(600);  // the timers tick behind the open message
    face.Carry(game.MessageClosed());
    face.RunUntil(2500);
    EXPECT_TRUE(face.Shows("Label2"));
    EXPECT_FALSE(face.Shows("Label3") || face.Shows("Label1"));
    EXPECT_TRUE(face.stakesOn);
}

}  // namespace
}  // namespace ksl
