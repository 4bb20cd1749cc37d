#pragma once

#include <string>

namespace ksl {

// Starts the program at a path, on its own and without waiting for it. The path is one path,
// never a command line: spaces, quotes and shell characters are part of it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started.
    virtual bool Launch(const std::string& path) = 0;
};

}  // namespace ksl
