#pragma once

#include <string_view>

namespace ksl {

enum class EndState { Continue, OutOfMoney, MachineEmptied, StakeTooHigh };

// What the player is told when a spin ends in this state; empty for `Continue`.
[[nodiscard]] std::string_view EndStateMessage(EndState state);

// `OutOfMoney` and `MachineEmptied` end the game; the other two let it go on.
[[nodiscard]] constexpr bool EndsGame(EndState state) {
    return state == EndState::OutOfMoney || state == EndState::MachineEmptied;
}

}  // namespace ksl
