#include "rules/end_state.h"

namespace ksl {

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
