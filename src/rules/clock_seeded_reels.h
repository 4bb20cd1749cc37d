#pragma once

#include <cstdint>

#include "rules/reel_source.h"

namespace ksl {

// The machine's draw: before each of the three reels the generator is reseeded from the system
// clock, and each reel is the whole part of u * 5 for the next uniform single-precision u in
// [0, 1). A reseed folds the clock reading into the generator's state instead of replacing it,
// so three reels drawn within one tick of the clock are still independent of one another.
class ClockSeededReels final : public ReelSource {
  public:
    // A reading of a clock that ticks at least once a microsecond or so.
    using Clock = std::uint64_t (*)();

    static std::uint64_t SystemClock();

    explicit ClockSeededReels(Clock clock = &SystemClock, std::uint64_t state = 0);

    Reels Draw() override;

  private:
    void Reseed(std::uint64_t reading);
    Reel NextReel();
    float NextUniform();

    Clock clock_;
    std::uint64_t state_;
};

}  // namespace ksl
