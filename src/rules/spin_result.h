#pragma once

#include "rules/end_state.h"
#include "rules/kroner.h"
#include "rules/outcome.h"
#include "rules/reels.h"

namespace ksl {

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
