#include "rules/pay_table.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace ksl {
namespace {

constexpr std::size_t Combinations = ReelFaces * ReelFaces * ReelFaces;

constexpr std::size_t CombinationIndex(const Reels& reels) {
    return static_cast<std::size_t>((reels[0] * ReelFaces + reels[1]) * ReelFaces + reels[2]);
}

// The pay table answered once, at compile time, for each of the 125 combinations, so a spin
// looks its row up instead of trying the rows one by one.
constexpr std::array<std::uint8_t, Combinations> RowOfCombination = [] {
    std::array<std::uint8_t, Combinations> rows{};
    Reels reels{};
    for (reels[0] = 0; reels[0] < ReelFaces; ++reels[0]) {
        for (reels[1] = 0; reels[1] < ReelFaces; ++reels[1]) {
            for (reels[2] = 0; reels[2] < ReelFaces; ++reels[2]) {
                // The last row takes any reels, so the search always finds one.
                const auto row = std::ranges::find_if(
                    PayTable, [&](const PayLine& line) { return line.matches(reels); });
                rows[CombinationIndex(reels)] = static_cast<std::uint8_t>(row - PayTable.begin());
            }
        }
    }
    return rows;
}();

}  // namespace

const PayLine& Evaluate(const Reels& reels) {
    if (!std::ranges::all_of(reels, [](Reel r) { return 0 <= r && r < ReelFaces; })) {
        throw std::out_of_range("a reel shows a value the machine does not have");
    }
    return PayTable[RowOfCombination[CombinationIndex(reels)]];
}

}  // namespace ksl
