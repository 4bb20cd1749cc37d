#pragma once

#include <array>
#include <optional>

#include "rules/vocabulary.h"

namespace ksl {

// One row of the pay table: the reels it asks for (an empty place takes any value) and what it
// pays at each stake. A loss is the row that pays minus the stake.
struct PayLine {
    Outcome outcome;
    std::array<std::optional<Reel>, 3> pattern;
    Kroner changeAtOneKrone;
    Kroner changeAtTwoKroner;

    [[nodiscard]] constexpr bool matches(const Reels& reels) const {
        for (std::size_t i = 0; i < reels.size(); ++i) {
            if (pattern[i] && *pattern[i] != reels[i]) {
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] constexpr Kroner changeAt(Stake stake) const {
        return stake == Stake::One ? changeAtOneKrone : changeAtTwoKroner;
    }
};

inline constexpr std::optional<Reel> Any = std::nullopt;

// Tried from the top; the first row that matches decides. Three 1s are a pair of ones, and the
// third reel plays no part in it.
inline constexpr std::array<PayLine, 6> PayTable{{
    {Outcome::Triple0, {0, 0, 0}, +50, +100},
    {Outcome::Triple4, {4, 4, 4}, +30, +60},
    {Outcome::Triple3, {3, 3, 3}, +20, +40},
    {Outcome::Triple2, {2, 2, 2}, +10, +20},
    {Outcome::PairOfOnes, {1, 1, Any}, +2, +4},
    {Outcome::Loss, {Any, Any, Any}, -1, -2},
}};

// The row of the pay table that these reels win (or lose) on. Every reel must lie in 0 to 4.
[[nodiscard]] const PayLine& Evaluate(const Reels& reels);

}  // namespace ksl
