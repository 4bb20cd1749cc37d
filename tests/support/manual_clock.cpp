#include "support/manual_clock.h"

#include <algorithm>
#include <limits>

namespace ksl::testing {

class ManualClock::SimulatedTimer final : public GameTimer {
  public:
    SimulatedTimer(ManualClock& clock, std::string name, int intervalMs)
        : clock_(clock), timers_(clock.timers_), name_(std::move(name)), interval_(intervalMs) {
        timers_->push_back(this);
    }

    ~SimulatedTimer() override { std::erase(*timers_, this); }

    void SetEnabled(bool enabled) override {
        if (enabled && !enabled_) {
            due_ = clock_.now_ + interval_;
            started_ = ++clock_.startCounter_;
        }
        enabled_ = enabled;
    }

    [[nodiscard]] bool IsEnabled() const override { return enabled_; }
    [[nodiscard]] int Interval() const override { return interval_; }

    ManualClock& clock_;
    std::shared_ptr<std::vector<SimulatedTimer*>> timers_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    long long due_ = 0;
    long long started_ = 0;
};

ManualClock::ManualClock() : timers_(std::make_shared<std::vector<SimulatedTimer*>>()) {}

ManualClock::~ManualClock() = default;

std::unique_ptr<GameTimer> ManualClock::MakeTimer(const std::string& name, int intervalMs) {
    return std::make_unique<SimulatedTimer>(*this, name, intervalMs);
}

void ManualClock::Advance(int ms) {
    const long long end = now_ + ms;
    while (true) {
        // The next tick due by `end`; a tick may start, stop or destroy any timer, so look again
        // after every one.
        SimulatedTimer* next = nullptr;
        for (SimulatedTimer* timer : *timers_) {
            if (timer->enabled_ && timer->due_ <= end &&
                (next == nullptr || timer->due_ < next->due_ ||
                 (timer->due_ == next->due_ && timer->started_ < next->started_))) {
                next = timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = next->due_;
        next->due_ += next->interval_;
        if (next->onTick) {
            next->onTick();
        }
    }
    now_ = end;
}

const GameTimer* ManualClock::Timer(const std::string& name) const {
    const auto found =
        std::find_if(timers_->rbegin(), timers_->rend(),
                     [&](const SimulatedTimer* timer) { return timer->name_ == name; });
    return found == timers_->rend() ? nullptr : *found;
}

std::vector<std::string> ManualClock::Running() const {
    std::vector<std::string> names;
    for (const SimulatedTimer* timer : *timers_) {
        if (timer->enabled_) {
            names.push_back(timer->name_);
        }
    }
    return names;
}

}  // namespace ksl::testing
