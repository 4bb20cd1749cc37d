#pragma once

#include <string>
#include <vector>

namespace ksl {

// What the game tells a face to do. The face knows the controls and timers by the design's
// names and carries each order out as it stands: it holds no rule, no timing and no text of its
// own.
struct Order {
    enum class Kind {
        StartTimer,  // `name`: a timer of the reveal; it counts a full interval from now
        StopTimer,   // `name`: that timer rests; a tick already due is dropped
        Show,        // `name`: a control
        Hide,        // `name`: a control
        SetText,     // `name`: a label; `text`: its new caption
        StakesOff,   // both stake buttons grey, so no spin starts during a reveal
        StakesOn,    // both stake buttons back; `name`: the stake just played takes the keyboard
        Beep,        // the win's sound
        Say,         // `text`: told to a screen reader at once, without moving the focus
        Hush,        // what was said of the last spin is withdrawn
        Tell,        // `text`: a message the player must close; the face reports it closed
        GameOver,    // the game has ended and the player has been told: back to the welcome window
    };

    Kind kind;
    std::string name;
    std::string text;

    friend bool operator==(const Order&, const Order&) = default;
};

using Orders = std::vector<Order>;

}  // namespace ksl
