// The page's way into the game: a handful of C calls over the one machine of the page, each
// answering with the game's orders as JSON (see orders_json.h). The page says what the player
// did and which timer ticked; everything else is the game's.

#include <optional>
#include <string>
#include <string_view>

#include "game_flow/game.h"
#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"
#include "web_face/orders_json.h"

namespace {

// The machine and its money live as long as the page, outside every window.
ksl::ClockSeededReels reels;
ksl::SlotMachine machine(reels);
// The game of the game window, while the window is loaded.
std::optional<ksl::Game> game;
// The last answer, read by the page before its next call.
std::string answer;

const char* Answer(const ksl::Orders& orders) {
    answer = ksl::web_face::OrdersJson(orders);
    return answer.c_str();
}

}  // namespace

extern "C" {

// The game window has been loaded: the orders for the timers that run from the start. The
// window's load handler then starts a new game at 30 kroner. Loading it again does nothing.
const char* ksl_load_game_window() {
    if (game) {
        return Answer({});
    }
    game.emplace(machine);
    const char* orders = Answer(game->Load());
    game->NewGame();
    return orders;
}

// The game window is gone, and with it the game's state of the reveal; the money stays.
void ksl_unload_game_window() {
    game.reset();
}

// A stake button was pressed, named as the design names it: "Command1" plays 1 krone and
// "Command2" 2 kroner.
const char* ksl_stake_pressed(const char* button) {
    const std::string_view name = button == nullptr ? "" : button;
    if (!game || (name != "Command1" && name != "Command2")) {
        return Answer({});
    }
    return Answer(game->StakePressed(name == "Command1" ? ksl::Stake::One : ksl::Stake::Two));
}

// The timer of the reveal by this name ticked.
const char* ksl_ticked(const char* timer) {
    if (!game || timer == nullptr) {
        return Answer({});
    }
    return Answer(game->Ticked(timer));
}

// The player closed the message the last `Tell` showed.
const char* ksl_message_closed() {
    if (!game) {
        return Answer({});
    }
    return Answer(game->MessageClosed());
}

}  // extern "C"
