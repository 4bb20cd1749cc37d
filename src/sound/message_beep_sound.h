#pragma once

#include "sound/sound_theme.h"

namespace ksl {

// Windows' own default sound, the one the system plays with a message: what a player of the game
// on Windows knows as its beep. Every event sounds it.
class MessageBeepSound final : public SoundTheme {
  public:
    Result Play(const char* event) override;
    // The system plays its sound on its own and offers no way to silence it.
    void StopLastSound() override {}
};

}  // namespace ksl
