#include "rules/end_checks.h"

#include <array>
#include <limits>
#include <span>

namespace ksl {
namespace {

// A balance after the spin in [lowest, highest] ends the spin in `state`.
struct EndCheck {
    Kroner lowest;
    Kroner highest;
    EndState state;
};

constexpr Kroner Lowest = std::numeric_limits<Kroner>::min();
constexpr Kroner Highest = std::numeric_limits<Kroner>::max();

// Tried from the top; the first that holds decides, and a balance no check catches goes on.
constexpr std::array<EndCheck, 2> AtOneKrone{{
    {Lowest, -1, EndState::OutOfMoney},
    {MachineEmptiedAt, Highest, EndState::MachineEmptied},
}};

constexpr std::array<EndCheck, 3> AtTwoKroner{{
    {-1, -1, EndState::StakeTooHigh},
    {Lowest, -2, EndState::OutOfMoney},
    {MachineEmptiedAt, Highest, EndState::MachineEmptied},
}};

}  // namespace

EndState CheckEnd(Stake stake, Kroner balanceAfterSpin) {
    const std::span<const EndCheck> checks =
        stake == Stake::One ? std::span<const EndCheck>(AtOneKrone) : AtTwoKroner;
    for (const EndCheck& check : checks) {
        if (check.lowest <= balanceAfterSpin && balanceAfterSpin <= check.highest) {
            return check.state;
        }
    }
    return EndState::Continue;
}

std::string_view EndStateMessage(EndState state) {
    switch (state) {
        case EndState::Continue:
            return {};
        case EndState::OutOfMoney:
            return "Du har ikke mer penger å spille for !";
        case EndState::MachineEmptied:
            return "Du har tømt automaten !!!!!!";
        case EndState::StakeTooHigh:
            return "Du har ikke nok penger til å spille med 2 kroners innsats, spill med 1 kroners "
                   "innsats!";
    }
    return {};
}

}  // namespace ksl
