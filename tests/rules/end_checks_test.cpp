#include "rules/end_checks.h"

#include <gtest/gtest.h>

namespace ksl {
namespace {

struct EndCheckCase {
    Kroner balance;
    EndState atOneKrone;
    EndState atTwoKroner;
};

class EndChecksAtBounds : public ::testing::TestWithParam<EndCheckCase> {};

TEST_P(EndChecksAtBounds, DecideByStakeAndBalance) {
    const EndCheckCase& c = GetParam();
    EXPECT_EQ(CheckEnd(Stake::One, c.balance), c.atOneKrone) << "balance " << c.balance;
    EXPECT_EQ(CheckEnd(Stake::Two, c.balance), c.atTwoKroner) << "balance " << c.balance;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, EndChecksAtBounds,
    ::testing::Values(EndCheckCase{-2, EndState::OutOfMoney, EndState::OutOfMoney},
                      EndCheckCase{-1, EndState::OutOfMoney, EndState::StakeTooHigh},
                      EndCheckCase{0, EndState::Continue, EndState::Continue},
                      EndCheckCase{1, EndState::Continue, EndState::Continue},
                      EndCheckCase{298, EndState::Continue, EndState::Continue},
                      EndCheckCase{299, EndState::Continue, EndState::Continue},
                      EndCheckCase{300, EndState::MachineEmptied, EndState::MachineEmptied},
                      EndCheckCase{399, EndState::MachineEmptied, EndState::MachineEmptied}));

TEST(EndStateMessage, TellsThePlayerExactlyThis) {
    EXPECT_EQ(EndStateMessage(EndState::Continue), "");
    EXPECT_EQ(EndStateMessage(EndState::OutOfMoney), "Du har ikke mer penger å spille for !");
    EXPECT_EQ(EndStateMessage(EndState::MachineEmptied), "Du har tømt automaten !!!!!!");
    EXPECT_EQ(EndStateMessage(EndState::StakeTooHigh),
              "Du har ikke nok penger til å spille med 2 kroners innsats, spill med 1 kroners "
              "innsats!");
}

TEST(EndState, OnlyOutOfMoneyAndAnEmptiedMachineEndTheGame) {
    EXPECT_FALSE(EndsGame(EndState::Continue));
    EXPECT_TRUE(EndsGame(EndState::OutOfMoney));
    EXPECT_TRUE(EndsGame(EndState::MachineEmptied));
    EXPECT_FALSE(EndsGame(EndState::StakeTooHigh));
}

}  // namespace
}  // namespace ksl
