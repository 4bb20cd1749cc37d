#pragma once

#include "system_info/program_launcher.h"

namespace ksl {

// Starts the program directly, never through a shell, and lets it run on its own.
class QtProgramLauncher final : public ProgramLauncher {
  public:
    bool Launch(const std::string& path) override;
};

}  // namespace ksl
