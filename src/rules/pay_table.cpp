#include "rules/pay_table.h"

#include <algorithm>
#include <stdexcept>

namespace ksl {

const PayLine& Evaluate(const Reels& reels) {
    // The classic forms of the algorithms: the browser's standard library has no ranges.
    if (!std::all_of(reels.begin(), reels.end(), [](Reel r) { return 0 <= r && r < ReelFaces; })) {
        throw std::out_of_range("a reel shows a value the machine does not have");
    }
    // The last row takes any reels, so the search always finds one.
    return *std::find_if(PayTable.begin(), PayTable.end(),
                         [&](const PayLine& line) { return line.matches(reels); });
}

}  // namespace ksl
