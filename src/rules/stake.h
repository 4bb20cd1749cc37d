#pragma once

#include "rules/kroner.h"

namespace ksl {

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

}  // namespace ksl
