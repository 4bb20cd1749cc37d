#include "rules/end_checks.h"

namespace ksl {

EndState CheckEnd(Stake stake, Kroner balanceAfterSpin) {
    const std::span<const EndCheck> checks = stake == Stake::One
                                                 ? std::span<const EndCheck>(EndChecksAtOneKrone)
                                                 : std::span<const EndCheck>(EndChecksAtTwoKroner);
    for (const EndCheck& check : checks) {
        if (check.holds(balanceAfterSpin)) {
            return check.state;
        }
    }
    return EndState::Continue;
}

}  // namespace ksl
