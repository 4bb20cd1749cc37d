#include "rules/clock_seeded_reels.h"

#include <chrono>

namespace ksl {
namespace {

constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

// SplitMix64's finaliser: every input bit reaches every output bit.
constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

// Nanoseconds whatever the standard library counts in (the browser's counts microseconds), so
// every build draws the same reels at the same moment.
std::uint64_t ClockSeededReels::SystemClock() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

ClockSeededReels::ClockSeededReels(Clock clock, std::uint64_t state)
    : clock_(clock), state_(state) {}

Reels ClockSeededReels::Draw() {
    Reels reels{};
    for (Reel& reel : reels) {
        Reseed(clock_());
        reel = NextReel();
    }
    return reels;
}

Reel ClockSeededReels::NextReel() {
    // u * 5 in double is exact, so the largest u still gives 4, never 5.
    return static_cast<Reel>(static_cast<double>(NextUniform()) * ReelFaces);
}

// One multiply spreads the reading over the word; the draw's finaliser does the real mixing.
void ClockSeededReels::Reseed(std::uint64_t reading) {
    state_ ^= reading * GoldenGamma;
}

float ClockSeededReels::NextUniform() {
    state_ += GoldenGamma;
    // The top 24 bits fill a float's mantissa exactly: u = k / 2^24 with k < 2^24.
    constexpr float TwoToMinus24 = 1.0F / 16777216.0F;
    return static_cast<float>(Mix(state_) >> 40U) * TwoToMinus24;
}

}  // namespace ksl
