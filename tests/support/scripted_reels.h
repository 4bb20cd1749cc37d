#pragma once

#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "rules/reel_source.h"

namespace ksl::testing {

// Hands out the reels a test asks for, one spin at a time.
class ScriptedReels final : public ReelSource {
  public:
    ScriptedReels() = default;
    ScriptedReels(std::initializer_list<Reels> spins) : spins_(spins) {}

    void Then(const Reels& reels) { spins_.push_back(reels); }

    Reels Draw() override {
        if (spins_.empty()) {
            throw std::logic_error("ScriptedReels: the test asked for more spins than it scripted");
        }
        const Reels next = spins_.front();
        spins_.pop_front();
        return next;
    }

  private:
    std::deque<Reels> spins_;
};

}  // namespace ksl::testing
