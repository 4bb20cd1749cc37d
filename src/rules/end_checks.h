#pragma once

#include <string_view>

#include "rules/vocabulary.h"

namespace ksl {

// The balance at which the machine counts as emptied.
inline constexpr Kroner MachineEmptiedAt = 300;

// How a spin at this stake ends, judged on the balance after it. A 2-kroner loss from 1 krone
// is refused rather than ending the game.
[[nodiscard]] EndState CheckEnd(Stake stake, Kroner balanceAfterSpin);

// What the player is told when a spin ends in this state; empty for `Continue`.
[[nodiscard]] std::string_view EndStateMessage(EndState state);

}  // namespace ksl
