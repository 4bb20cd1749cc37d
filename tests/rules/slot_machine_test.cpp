#include "rules/slot_machine.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/scripted_reels.h"

namespace ksl {
namespace {

using testing::ScriptedReels;

constexpr Reels Lose{0, 1, 2};
constexpr Reels Lose2{1, 0, 1};

struct SpinCase {
    const char* name;
    Kroner balanceBefore;
    Stake stake;
    Reels reels;
    SpinResult expected;
    Kroner balanceAfter;
};

std::ostream& operator<<(std::ostream& os, const SpinCase& c) {
    return os << c.name;
}

class SpinScenarios : public ::testing::TestWithParam<SpinCase> {};

TEST_P(SpinScenarios, ChangeTheBalanceAndReportTheEnd) {
    const SpinCase& c = GetParam();
    ScriptedReels reels{c.reels};
    SlotMachine machine(reels, c.balanceBefore);

    const SpinResult result = machine.Spin(c.stake);

    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(machine.Balance(), c.balanceAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SpinScenarios,
    ::testing::Values(
        SpinCase{"LossAtZeroWithOneKroneRunsOut",
                 0,
                 Stake::One,
                 Lose,
                 {Lose, Outcome::Loss, -1, -1, EndState::OutOfMoney},
                 -1},
        SpinCase{"LossAtZeroWithTwoKronerRunsOut",
                 0,
                 Stake::Two,
                 Lose,
                 {Lose, Outcome::Loss, -2, -2, EndState::OutOfMoney},
                 -2},
        // The refused stake: reels and outcome stay as drawn, the balance goes back to 1.
        SpinCase{"LossAtOneWithTwoKronerIsRefused",
                 1,
                 Stake::Two,
                 Lose2,
                 {Lose2, Outcome::Loss, -2, -1, EndState::StakeTooHigh},
                 1},
        SpinCase{"LossAtOneWithOneKroneLeavesZero",
                 1,
                 Stake::One,
                 Lose,
                 {Lose, Outcome::Loss, -1, 0, EndState::Continue},
                 0},
        SpinCase{"PairOfOnesAt298EmptiesTheMachine",
                 298,
                 Stake::One,
                 {1, 1, 4},
                 {{1, 1, 4}, Outcome::PairOfOnes, 2, 300, EndState::MachineEmptied},
                 300},
        SpinCase{"LossAt299GoesOn",
                 299,
                 Stake::One,
                 Lose,
                 {Lose, Outcome::Loss, -1, 298, EndState::Continue},
                 298},
        SpinCase{"TopPrizeAt299ReachesTheHighestBalance",
                 299,
                 Stake::Two,
                 {0, 0, 0},
                 {{0, 0, 0}, Outcome::Triple0, 100, 399, EndState::MachineEmptied},
                 399},
        // A win pays the prize and keeps the stake.
        SpinCase{"WinDoesNotTakeTheStake",
                 10,
                 Stake::Two,
                 {2, 2, 2},
                 {{2, 2, 2}, Outcome::Triple2, 20, 30, EndState::Continue},
                 30},
        SpinCase{"ThreeOnesPayAsAPairAtOneKrone",
                 30,
                 Stake::One,
                 {1, 1, 1},
                 {{1, 1, 1}, Outcome::PairOfOnes, 2, 32, EndState::Continue},
                 32},
        SpinCase{"ThreeOnesPayAsAPairAtTwoKroner",
                 30,
                 Stake::Two,
                 {1, 1, 1},
                 {{1, 1, 1}, Outcome::PairOfOnes, 4, 34, EndState::Continue},
                 34},
        SpinCase{"WinAtZeroWithTwoKroner",
                 0,
                 Stake::Two,
                 {4, 4, 4},
                 {{4, 4, 4}, Outcome::Triple4, 60, 60, EndState::Continue},
                 60}),
    [](const ::testing::TestParamInfo<SpinCase>& param) { return std::string(param.param.name); });

TEST(SlotMachine, ANewGameStartsAtThirtyAfterEveryWayAGameEnds) {
    struct Ending {
        Kroner from;
        Stake stake;
        Reels reels;
        Kroner finalBalance;
    };
    for (const Ending& e :
         {Ending{0, Stake::One, Lose, -1}, Ending{0, Stake::Two, Lose, -2},
          Ending{299, Stake::One, {0, 0, 0}, 349}, Ending{290, Stake::Two, {3, 3, 3}, 330}}) {
        ScriptedReels reels{e.reels};
        SlotMachine machine(reels, e.from);
        const SpinResult result = machine.Spin(e.stake);
        ASSERT_TRUE(EndsGame(result.EndState));
        // The final balance stays until the next game is started.
        EXPECT_EQ(machine.Balance(), e.finalBalance);
        machine.NewGame();
        EXPECT_EQ(machine.Balance(), 30);
    }
}

TEST(SlotMachine, BalanceFollowsEverySpinOfAGame) {
    ScriptedReels reels{{1, 1, 3}, Lose, {3, 3, 3}, Lose};
    SlotMachine machine(reels);
    machine.NewGame();
    EXPECT_EQ(machine.Spin(Stake::One).BalanceAfterSpin, 32);
    EXPECT_EQ(machine.Spin(Stake::Two).BalanceAfterSpin, 30);
    EXPECT_EQ(machine.Spin(Stake::Two).BalanceAfterSpin, 70);
    EXPECT_EQ(machine.Spin(Stake::One).BalanceAfterSpin, 69);
    EXPECT_EQ(machine.Balance(), 69);
}

}  // namespace
}  // namespace ksl
