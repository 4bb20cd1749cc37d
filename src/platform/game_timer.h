#pragma once

#include <functional>
#include <memory>
#include <string>

namespace ksl {

// A periodic timer as the game window knows it: an interval in milliseconds, an enabled flag
// and a tick. Enabling a stopped timer starts a full interval from that moment; enabling a
// running one changes nothing.
class GameTimer {
  public:
    virtual ~GameTimer() = default;

    virtual void SetEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool IsEnabled() const = 0;
    [[nodiscard]] virtual int Interval() const = 0;

    void Start() { SetEnabled(true); }
    void Stop() { SetEnabled(false); }

    // Runs on every tick while the timer is enabled.
    std::function<void()> onTick;
};

// Makes the timers of a window: real ones in the program, simulated ones in tests.
class TimerFactory {
  public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<GameTimer> MakeTimer(const std::string& name, int intervalMs) = 0;
};

}  // namespace ksl
