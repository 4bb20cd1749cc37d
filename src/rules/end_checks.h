#pragma once

#include <array>
#include <limits>
#include <span>

#include "rules/end_state.h"
#include "rules/kroner.h"
#include "rules/stake.h"

namespace ksl {

// One end check: when the balance after a spin lies in [lowest, highest], the spin ends in
// `state`. Checks are tried in order; a balance that no check catches lets the game go on.
struct EndCheck {
    Kroner lowest;
    Kroner highest;
    EndState state;

    [[nodiscard]] constexpr bool holds(Kroner balance) const {
        return lowest <= balance && balance <= highest;
    }
};

inline constexpr Kroner LowestKroner = std::numeric_limits<Kroner>::min();
inline constexpr Kroner HighestKroner = std::numeric_limits<Kroner>::max();

// The balance at which the machine counts as emptied.
inline constexpr Kroner MachineEmptiedAt = 300;

inline constexpr std::array<EndCheck, 2> EndChecksAtOneKrone{{
    {LowestKroner, -1, EndState::OutOfMoney},
    {MachineEmptiedAt, HighestKroner, EndState::MachineEmptied},
}};

// A 2-kroner loss from 1 krone is refused rather than ending the game.
inline constexpr std::array<EndCheck, 3> EndChecksAtTwoKroner{{
    {-1, -1, EndState::StakeTooHigh},
    {LowestKroner, -2, EndState::OutOfMoney},
    {MachineEmptiedAt, HighestKroner, EndState::MachineEmptied},
}};

[[nodiscard]] EndState CheckEnd(Stake stake, Kroner balanceAfterSpin);

}  // namespace ksl
