#include "rules/pay_table.h"

#include <algorithm>
#include <stdexcept>

namespace ksl {

const PayLine& Evaluate(const Reels& reels) {
    if (!std::ranges::all_of(reels, [](Reel r) { return 0 <= r && r < ReelFaces; })) {
        throw std::out_of_range("a reel shows a value the machine does not have");
    }
    // The last row takes any reels, so the search always finds one.
    return *std::ranges::find_if(PayTable,
                                 [&](const PayLine& line) { return line.matches(reels); });
}

}  // namespace ksl
