#pragma once

namespace ksl {

// Ends the program at once: every window closes and no further handler runs.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void End() = 0;
};

// The program's way: leave Qt's event loop with status 0, so that main returns and every window
// is destroyed with the shell.
class QtProgramEnd final : public ProgramEnd {
  public:
    void End() override;
};

}  // namespace ksl
