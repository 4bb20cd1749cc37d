#include "game_flow/game.h"

#include "game_flow/reveal_timers.h"
#include "game_flow/spin_message.h"
#include "rules/end_checks.h"

namespace ksl {

using game_flow::Reveal;
using game_flow::Reveals;
using game_flow::RevealTimer;
using Kind = Order::Kind;

namespace {

// The black panel over the prize pictures, gone from the first spin on.
constexpr const char* BlackPanel = "Image6";
constexpr const char* BalanceLabel = "Label17";

const char* StakeButton(Stake stake) {
    return stake == Stake::One ? "Command1" : "Command2";
}

const RevealTimer* FindTimer(std::string_view name) {
    for (const RevealTimer& design : Reveal) {
        if (design.name == name) {
            return &design;
        }
    }
    return nullptr;
}

}  // namespace

Game::Game(SlotMachine& machine) : machine_(machine) {}

Orders Game::Load() const {
    Orders orders;
    for (const RevealTimer& design : Reveal) {
        if (design.runningAtLoad) {
            orders.push_back({Kind::StartTimer, design.name, {}});
        }
    }
    return orders;
}

void Game::NewGame() {
    machine_.NewGame();
}

Orders Game::StakePressed(Stake stake) {
    if (!stakesOn_ || told_) {
        return {};
    }
    Orders orders;
    // Clear the last result and restart the reveal, each timer a full interval from now.
    for (const RevealTimer& design : Reveal) {
        orders.push_back({Kind::StopTimer, design.name, {}});
    }
    for (const RevealTimer& design : Reveal) {
        if (design.shows != nullptr) {
            orders.push_back({Kind::Hide, design.shows, {}});
        }
    }
    orders.push_back({Kind::Hide, BlackPanel, {}});
    for (const RevealTimer& design : Reveal) {
        if (design.reveals != Reveals::Result) {
            orders.push_back({Kind::StartTimer, design.name, {}});
        }
    }
    orders.push_back({Kind::StakesOff, {}, {}});
    stakesOn_ = false;
    pressed_ = StakeButton(stake);

    // Play, and leave the answer in the hidden labels for the timers to reveal.
    const SpinResult result = machine_.Spin(stake);
    const Reels reels = LeftToRight(result.Reels);
    std::size_t reel = 0;
    for (const RevealTimer& design : Reveal) {
        if (design.reveals == Reveals::Reel) {
            orders.push_back({Kind::SetText, design.shows, std::to_string(reels.at(reel++))});
        }
    }
    for (const RevealTimer& design : Reveal) {
        if (design.reveals == Reveals::Result && design.outcome == result.Outcome) {
            orders.push_back({Kind::StartTimer, design.name, {}});
        }
    }
    // The timers tick while a message is open; the balance never shows a refused stake's -1,
    // but the balance handed back.
    const Kroner balance =
        result.EndState == EndState::StakeTooHigh ? machine_.Balance() : result.BalanceAfterSpin;
    orders.push_back({Kind::SetText, BalanceLabel, std::to_string(balance)});
    orders.push_back({Kind::Hush, {}, {}});
    unsaid_ = SpinMessage(result, balance);

    if (result.EndState != EndState::Continue) {
        told_ = result.EndState;
        orders.push_back({Kind::Tell, {}, std::string(EndStateMessage(result.EndState))});
    }
    return orders;
}

Orders Game::Ticked(std::string_view timer) {
    const RevealTimer* design = FindTimer(timer);
    if (design == nullptr) {
        return {};
    }
    Orders orders;
    if (design->reveals == Reveals::StakeButtons) {
        orders.push_back({Kind::StakesOn, pressed_, {}});
        stakesOn_ = true;
        pressed_.clear();
    } else {
        orders.push_back({Kind::Show, design->shows, {}});
        if (design->reveals == Reveals::Result && design->outcome != Outcome::Loss) {
            orders.push_back({Kind::Beep, {}, {}});
        }
        if (unsaid_) {
            orders.push_back({Kind::Say, {}, *unsaid_});
            unsaid_.reset();
        }
    }
    // One tick does a timer's whole work: every further one would show again what is already on
    // screen, and only wake the program. So it rests until the next click starts it again.
    orders.push_back({Kind::StopTimer, design->name, {}});
    return orders;
}

Orders Game::MessageClosed() {
    if (!told_) {
        return {};
    }
    const EndState told = *told_;
    told_.reset();
    if (EndsGame(told)) {
        return {{Kind::GameOver, {}, {}}};
    }
    // The refused spin shows no reels.
    Orders orders;
    for (const RevealTimer& design : Reveal) {
        if (design.reveals == Reveals::Reel) {
            orders.push_back({Kind::StopTimer, design.name, {}});
        }
    }
    return orders;
}

}  // namespace ksl
