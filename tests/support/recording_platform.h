#pragma once

#include <QString>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/manual_clock.h"
#include "support/test_registry.h"
#include "system_info/system_info.h"

namespace ksl::testing {

// Remembers every message; while a message is "open" it can let simulated time pass, as Qt
// keeps delivering timer ticks behind a modal box.
class RecordingMessages final : public PlayerMessages {
  public:
    void Tell(QWidget& /*window*/, const QString& text) override {
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

// A file system that holds just the files a test puts in it.
class FakeFiles final : public FileProbe {
  public:
    bool IsOrdinaryFile(const std::string& path) override { return files.contains(path); }
    std::set<std::string> files;
};

// Remembers every program it was asked to start; starting fails when told to.
class RecordingLauncher final : public ProgramLauncher {
  public:
    bool Launch(const std::string& path) override {
        launched.push_back(path);
        return succeeds;
    }
    std::vector<std::string> launched;
    bool succeeds = true;
};

// Every service of the platform and of the system-information lookup, simulated.
struct RecordingPlatform {
    ManualClock clock;
    RecordingMessages messages;
    CountingBeeper beeper;
    RecordingEnd end;
    TestRegistry registry;
    FakeFiles files;
    RecordingLauncher launcher;

    [[nodiscard]] Platform platform() { return {clock, messages, beeper, end}; }
    [[nodiscard]] SystemInfoServices systemInfo() { return {registry, files, launcher}; }
};

}  // namespace ksl::testing
