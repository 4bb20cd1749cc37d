#include "game_flow/spin_message.h"

namespace ksl {

std::string SpinMessage(const SpinResult& result, Kroner balance) {
    // Commas, which a screen reader reads as short pauses: other punctuation may be read out,
    // and a full stop pauses for longer. The prize goes without "kr": the balance after it
    // names the unit, and a three-digit balance is then still heard before the next Space.
    const std::string outcome = result.Outcome == Outcome::Loss
                                    ? "Ingen gevinst"
                                    : "Gevinst " + std::to_string(result.Change);
    const Reels reels = LeftToRight(result.Reels);
    return outcome + ", " + std::to_string(balance) + " kr, hjul " + std::to_string(reels[0]) +
           " " + std::to_string(reels[1]) + " " + std::to_string(reels[2]) + ".";
}

}  // namespace ksl
