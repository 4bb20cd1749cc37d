#include "platform/message_beeper.h"

#include <windows.h>

namespace ksl {

void MessageBeeper::Beep() {
    MessageBeep(MB_OK);
}

}  // namespace ksl
