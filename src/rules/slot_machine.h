#pragma once

#include "rules/reel_source.h"
#include "rules/vocabulary.h"

namespace ksl {

// The machine itself: the player's money and the spin. There is one for the whole program,
// owned outside every window, so the balance outlives the game window.
class SlotMachine {
  public:
    static constexpr Kroner StartingBalance = 30;

    // The balance is 0 until the first `NewGame`, as it is before the game window first loads.
    explicit SlotMachine(ReelSource& reels, Kroner balance = 0);

    // Starts a game with 30 kroner.
    void NewGame();

    // Draws, pays or takes the stake, and checks whether the game is over, in that order.
    SpinResult Spin(Stake stake);

    [[nodiscard]] Kroner Balance() const { return balance_; }

  private:
    ReelSource& reels_;
    Kroner balance_;
};

}  // namespace ksl
