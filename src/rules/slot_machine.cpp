#include "rules/slot_machine.h"

#include "rules/end_checks.h"
#include "rules/pay_table.h"

namespace ksl {

SlotMachine::SlotMachine(ReelSource& reels, Kroner balance) : reels_(reels), balance_(balance) {}

void SlotMachine::NewGame() {
    balance_ = StartingBalance;
}

SpinResult SlotMachine::Spin(Stake stake) {
    SpinResult result;
    result.Reels = reels_.Draw();
    const PayLine& line = Evaluate(result.Reels);
    result.Outcome = line.outcome;
    result.Change = line.changeAt(stake);
    balance_ = static_cast<Kroner>(balance_ + result.Change);
    result.BalanceAfterSpin = balance_;
    result.EndState = CheckEnd(stake, balance_);
    if (result.EndState == EndState::StakeTooHigh) {
        // The refused stake is handed back: the balance the spin began with.
        balance_ = 1;
    }
    return result;
}

}  // namespace ksl
