#pragma once

#include "platform/beeper.h"
#include "platform/game_timer.h"
#include "platform/player_messages.h"
#include "platform/program_end.h"

namespace ksl {

// The services of the system that every window uses, handed to each window when it is created:
// the real ones in the program, stand-ins in tests.
struct Platform {
    TimerFactory& timers;
    PlayerMessages& messages;
    Beeper& beeper;
    ProgramEnd& end;
};

}  // namespace ksl
