#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/platform.h"
#include "support/manual_clock.h"

namespace ksl::testing {

// Remembers every message; while a message is "open" it can let simulated time pass, as Qt
// keeps delivering timer ticks behind a modal box.
class RecordingMessages final : public PlayerMessages {
  public:
    void Tell(const QString& text) override {
        told.push_back(text);
        if (whileOpen) {
            whileOpen();
        }
    }

    std::vector<QString> told;
    std::function<void()> whileOpen;
};

class CountingBeeper final : public Beeper {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class RecordingEnd final : public ProgramEnd {
  public:
    void End() override { ++ends; }
    int ends = 0;
};

// Every service of the platform, simulated.
struct RecordingPlatform {
    ManualClock clock;
    RecordingMessages messages;
    CountingBeeper beeper;
    RecordingEnd end;

    [[nodiscard]] Platform platform() { return {clock, messages, beeper, end}; }
};

}  // namespace ksl::testing
