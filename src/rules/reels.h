#pragma once

#include <array>

namespace ksl {

// One reel shows a whole number from 0 to 4.
using Reel = int;
inline constexpr Reel ReelFaces = 5;

// The three reel values of a spin, in draw order: the first goes to the right-hand reel,
// the second to the left-hand one and the third to the middle.
using Reels = std::array<Reel, 3>;

}  // namespace ksl
