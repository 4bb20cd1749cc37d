#pragma once

namespace ksl {

// The system's default beep.
class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

class SystemBeeper final : public Beeper {
  public:
    void Beep() override;
};

}  // namespace ksl
