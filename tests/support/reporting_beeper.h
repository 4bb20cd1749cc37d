#pragma once

#include <functional>
#include <utility>

#include "platform/beeper.h"

namespace ksl::testing {

// Tells someone about every beep, then hands it on.
class ReportingBeeper final : public Beeper {
  public:
    ReportingBeeper(Beeper& next, std::function<void()> report)
        : next_(next), report_(std::move(report)) {}

    void Beep() override {
        report_();
        next_.Beep();
    }

  private:
    Beeper& next_;
    std::function<void()> report_;
};

}  // namespace ksl::testing
