#include "sound/message_beep_sound.h"

#include <windows.h>

namespace ksl {

SoundTheme::Result MessageBeepSound::Play(const char* /*event*/) {
    return MessageBeep(MB_OK) ? Result::Playing : Result::Failed;
}

}  // namespace ksl
