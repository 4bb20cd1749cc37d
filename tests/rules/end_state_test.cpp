#include "rules/end_state.h"

#include <gtest/gtest.h>

namespace ksl {
namespace {

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
