#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_flow/order.h"
#include "rules/slot_machine.h"

namespace ksl {

// The flow of a game on the game window, the same for every face: what a stake does, which
// timers of the reveal run, what each control shows and when, what a screen reader is told, the
// refused stake and the end of a game with their messages. A face tells it what the player did
// and which timer ticked, and carries out the orders it answers with. One lives as long as the
// game window it drives; the money is the machine's and outlives it.
class Game {
  public:
    explicit Game(SlotMachine& machine);

    // The window has been loaded: the timers that run from the start.
    [[nodiscard]] Orders Load() const;
    // A new game at 30 kroner: the game window's load handler.
    void NewGame();

    // "1 Kr" or "2 Kr" was pressed. Nothing happens while a spin is revealed or a message is
    // open, as the buttons are grey then.
    [[nodiscard]] Orders StakePressed(Stake stake);
    // A timer of the reveal ticked, named as the design names it.
    [[nodiscard]] Orders Ticked(std::string_view timer);
    // The player closed the message the last `Tell` order showed.
    [[nodiscard]] Orders MessageClosed();

  private:
    SlotMachine& machine_;
    bool stakesOn_ = true;
    // The stake button of the spin being revealed: it takes the keyboard back when the buttons
    // come back, so Space plays the same stake again.
    std::string pressed_;
    // The words for the spin being revealed, said as its first part shows.
    std::optional<std::string> unsaid_;
    // The end of the spin whose message is open.
    std::optional<EndState> told_;
};

}  // namespace ksl
