#pragma once

#include "platform/beeper.h"

namespace ksl {

// Windows' own default sound, the one the system plays with a message: what a player of the game
// on Windows knows as its beep.
class MessageBeeper final : public Beeper {
  public:
    void Beep() override;
};

}  // namespace ksl
