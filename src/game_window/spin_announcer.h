#pragma once

#include <QString>
#include <optional>

#include "rules/vocabulary.h"

namespace ksl {

class Announcer;
class ClassicWindow;

// Tells a screen reader the result of a spin, once a spin, as the reveal begins: what matters
// first, in few words: the outcome, the balance, then the reels from left to right, as in
// "Ingen gevinst, 29 kr, hjul 2 0 4." or "Gevinst 10, 40 kr, hjul 2 2 2.". A screen reader
// stops speaking at every key press, and a player who plays on at once presses the next key
// about 4 seconds after the last. Spoken as the first reel shows, the outcome and the balance
// are heard before then; spoken with the balance, at 2100 ms, they would be cut off.
class SpinAnnouncer {
  public:
    explicit SpinAnnouncer(const ClassicWindow& gameWindow);

    // A spin has been played and its reveal restarted: the last result is withdrawn, this one
    // waits for the reveal. `balance` is the figure the window will show for it.
    void SpinStarted(const SpinResult& result, Kroner balance);
    // A tick of the reveal has shown part of the result.
    void Revealing();

  private:
    Announcer* announcer_;
    std::optional<QString> awaited_;
};

// The words for a spin that ended in `result`, with `balance` the figure the window shows.
[[nodiscard]] QString SpinMessage(const SpinResult& result, Kroner balance);

}  // namespace ksl
