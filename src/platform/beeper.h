#pragma once

namespace ksl {

// The system's default beep.
class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// The toolkit's bell: the X bell on X11, which most desktops keep silent, and nothing at all on
// Wayland. The desktop's sound falls back on it when there is no sound to play.
class SystemBeeper final : public Beeper {
  public:
    void Beep() override;
};

}  // namespace ksl
