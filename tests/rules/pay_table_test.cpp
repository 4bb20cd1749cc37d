#include "rules/pay_table.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace ksl {
namespace {

TEST(PayTable, EveryCombinationOfReelsFallsWhereTheOddsSay) {
    // Of the 125 equally likely combinations: one of each triple, five pairs of ones, the rest
    // losses. This is what makes the long-run payout what the pay table promises.
    std::map<Outcome, int> count;
    for (Reel a = 0; a < ReelFaces; ++a) {
        for (Reel b = 0; b < ReelFaces; ++b) {
            for (Reel c = 0; c < ReelFaces; ++c) {
                ++count[Evaluate({a, b, c}).outcome];
            }
        }
    }
    EXPECT_EQ(count[Outcome::Triple0], 1);
    EXPECT_EQ(count[Outcome::Triple4], 1);
    EXPECT_EQ(count[Outcome::Triple3], 1);
    EXPECT_EQ(count[Outcome::Triple2], 1);
    EXPECT_EQ(count[Outcome::PairOfOnes], 5);
    EXPECT_EQ(count[Outcome::Loss], 116);
}

struct PayCase {
    Reels reels;
    Outcome outcome;
    Kroner atOneKrone;
    Kroner atTwoKroner;
};

class PayTableRows : public ::testing::TestWithParam<PayCase> {};

TEST_P(PayTableRows, PayWhatTheWindowPrints) {
    const PayCase& c = GetParam();
    const PayLine& line = Evaluate(c.reels);
    EXPECT_EQ(line.outcome, c.outcome);
    EXPECT_EQ(line.changeAt(Stake::One), c.atOneKrone);
    EXPECT_EQ(line.changeAt(Stake::Two), c.atTwoKroner);
}

INSTANTIATE_TEST_SUITE_P(Rows, PayTableRows,
                         ::testing::Values(PayCase{{0, 0, 0}, Outcome::Triple0, 50, 100},
                                           PayCase{{4, 4, 4}, Outcome::Triple4, 30, 60},
                                           PayCase{{3, 3, 3}, Outcome::Triple3, 20, 40},
                                           PayCase{{2, 2, 2}, Outcome::Triple2, 10, 20},
                                           // Three ones are a pair of ones, not a triple.
                                           PayCase{{1, 1, 1}, Outcome::PairOfOnes, 2, 4},
                                           PayCase{{1, 1, 4}, Outcome::PairOfOnes, 2, 4},
                                           PayCase{{1, 1, 0}, Outcome::PairOfOnes, 2, 4},
                                           // The pair must stand on the first two reels.
                                           PayCase{{0, 1, 1}, Outcome::Loss, -1, -2},
                                           PayCase{{1, 0, 1}, Outcome::Loss, -1, -2},
                                           PayCase{{0, 0, 4}, Outcome::Loss, -1, -2},
                                           PayCase{{4, 4, 3}, Outcome::Loss, -1, -2}));

}  // namespace
}  // namespace ksl

namespace ksl {
namespace {

TEST(PayTable, RefusesAReelTheMachineDoesNotHave) {
    EXPECT_THROW((void)Evaluate({0, 5, 0}), std::out_of_range);
    EXPECT_THROW((void)Evaluate({-1, 0, 0}), std::out_of_range);
}

}  // namespace
}  // namespace ksl
