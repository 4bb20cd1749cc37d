#pragma once

#include "rules/vocabulary.h"

namespace ksl {

// Where a spin's three reel values come from. The game draws them at random; tests hand in
// reels of their own choosing.
class ReelSource {
  public:
    virtual ~ReelSource() = default;
    virtual Reels Draw() = 0;
};

}  // namespace ksl
