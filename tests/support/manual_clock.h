#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/game_timer.h"

namespace ksl::testing {

// Simulated time for a window's timers: nothing ticks until the test advances the clock, and
// then every due tick runs in the order it falls due (ties in the order the timers started).
class ManualClock final : public TimerFactory {
  public:
    ManualClock();
    ~ManualClock() override;

    std::unique_ptr<GameTimer> MakeTimer(const std::string& name, int intervalMs) override;

    // Moves time on by `ms`, running every tick that falls due on the way.
    void Advance(int ms);
    // Moves time on to `ms` after the start of the test.
    void AdvanceTo(long long ms) { Advance(static_cast<int>(ms - now_)); }

    [[nodiscard]] long long Now() const { return now_; }

    // The live timer of that name, or null; the newest one when a window was loaded again.
    [[nodiscard]] const GameTimer* Timer(const std::string& name) const;
    // The names of the live timers that are running, in the order they were made.
    [[nodiscard]] std::vector<std::string> Running() const;

  private:
    class SimulatedTimer;
    friend class SimulatedTimer;

    long long now_ = 0;
    long long startCounter_ = 0;
    std::shared_ptr<std::vector<SimulatedTimer*>> timers_;
};

}  // namespace ksl::testing
