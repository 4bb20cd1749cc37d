#pragma once

#include "platform/game_timer.h"

namespace ksl {

// Timers on Qt's event loop. They are precise timers, so that ticks due at the same moment
// (the balance and the prize, 2100 ms after a click) land together.
class QtTimerFactory final : public TimerFactory {
  public:
    std::unique_ptr<GameTimer> MakeTimer(const std::string& name, int intervalMs) override;
};

}  // namespace ksl
