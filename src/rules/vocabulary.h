#pragma once

#include <array>
#include <cstdint>

// The machine's small words: money, reels, stakes and what a spin decides.
namespace ksl {

// Money in whole kroner. Balances in play stay between -2 and 399, so 16 bits never overflow.
using Kroner = std::int16_t;

// One reel shows a whole number from 0 to 4.
using Reel = int;
inline constexpr Reel ReelFaces = 5;

// The three reel values of a spin, in the order they are drawn.
using Reels = std::array<Reel, 3>;

// The reels as the player sees them, from left to right: the first value drawn goes to the
// right-hand reel, the second to the left-hand one and the third to the middle.
[[nodiscard]] constexpr Reels LeftToRight(const Reels& drawn) {
    return {drawn[1], drawn[2], drawn[0]};
}

enum class Outcome { Triple0, Triple4, Triple3, Triple2, PairOfOnes, Loss };

enum class EndState { Continue, OutOfMoney, MachineEmptied, StakeTooHigh };

// `OutOfMoney` and `MachineEmptied` end the game; the other two let it go on.
[[nodiscard]] constexpr bool EndsGame(EndState state) {
    return state == EndState::OutOfMoney || state == EndState::MachineEmptied;
}

// What the player bets on one spin: 1 krone or 2 kroner, and nothing else.
// The constructor is private, so `Stake::One` and `Stake::Two` are the only stakes there are.
class Stake {
  public:
    static const Stake One;
    static const Stake Two;

    [[nodiscard]] constexpr Kroner kroner() const { return kroner_; }
    friend constexpr bool operator==(Stake, Stake) = default;

  private:
    constexpr explicit Stake(Kroner kroner) : kroner_(kroner) {}

    Kroner kroner_;
};

inline constexpr Stake Stake::One{1};
inline constexpr Stake Stake::Two{2};

// Everything one spin decided, in the order the machine decides it.
struct SpinResult {
    ksl::Reels Reels{};
    ksl::Outcome Outcome = ksl::Outcome::Loss;
    Kroner Change = 0;            // the prize, or minus the stake
    Kroner BalanceAfterSpin = 0;  // before the end checks: the figure the balance label shows
    ksl::EndState EndState = ksl::EndState::Continue;

    friend bool operator==(const SpinResult&, const SpinResult&) = default;
};

}  // namespace ksl
