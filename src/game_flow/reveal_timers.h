#pragma once

#include <array>

#include "rules/vocabulary.h"

namespace ksl::game_flow {

// What a timer of the reveal brings to the screen.
enum class Reveals { Reel, Balance, Result, StakeButtons };

// One timer of the reveal, as the design gives it.
struct RevealTimer {
    const char* name;  // the design's name for the timer
    int intervalMs;    // counted from the click
    bool runningAtLoad;
    Reveals reveals;
    const char* shows;                // the control its tick shows
    Outcome outcome = Outcome::Loss;  // the spins a result timer is started for
};

inline constexpr bool RunningAtLoad = true;
inline constexpr bool Stopped = false;

// The reveal of a spin, one row a timer. Every click starts the reels, the balance and the
// stake buttons; a result timer runs only after a spin of its outcome, and a win beeps as its
// picture shows. The design's names do not say what is what: Label1 is the right reel, Win3
// the pair of ones, Image1 the one stack of 2-2-2.
inline constexpr std::array<RevealTimer, 11> Reveal{{
    {"Timer1", 500, Stopped, Reveals::Reel, "Label2"},
    {"Timer2", 1200, Stopped, Reveals::Reel, "Label3"},
    {"Timer3", 1900, Stopped, Reveals::Reel, "Label1"},
    {"Timer4", 2500, Stopped, Reveals::StakeButtons, nullptr},
    // The balance and "Ingen Gevinst " also show once as the window loads.
    {"Penger", 2100, RunningAtLoad, Reveals::Balance, "Label17"},
    {"NoWin", 2100, RunningAtLoad, Reveals::Result, "Label13", Outcome::Loss},
    {"Win1", 2100, Stopped, Reveals::Result, "Image5", Outcome::Triple0},     // five stacks
    {"Win2", 2100, Stopped, Reveals::Result, "Image4", Outcome::Triple4},     // three stacks
    {"Win3", 2100, Stopped, Reveals::Result, "Image2", Outcome::PairOfOnes},  // two coins
    {"Win4", 2100, Stopped, Reveals::Result, "Image3", Outcome::Triple3},     // two stacks
    {"Win5", 2100, Stopped, Reveals::Result, "Image1", Outcome::Triple2},     // one stack
}};

}  // namespace ksl::game_flow
