#pragma once

#include <string>

#include "rules/vocabulary.h"

namespace ksl {

// The words a screen reader hears for a spin that ended in `result`, with `balance` the figure
// the window shows for it: what matters first, in few words, as in "Ingen gevinst, 29 kr, hjul
// 2 0 4." or "Gevinst 10, 40 kr, hjul 2 2 2.". UTF-8.
[[nodiscard]] std::string SpinMessage(const SpinResult& result, Kroner balance);

}  // namespace ksl
