#pragma once

#include <memory>
#include <thread>

#include "platform/beeper.h"
#include "platform/sound_theme.h"

namespace ksl {

// The beep the player hears: the desktop's window bell from its sound theme
// ("bell-window-system", else "bell"). A thread of its own talks to the sound server, so a tick
// never waits for audio, and every beep starts a sound of its own, so one that comes while the
// last still plays is heard too. When the theme cannot play (no sound server, no such sound),
// the fallback bell rings instead, on the user-interface thread.
class DesktopSoundBeeper final : public Beeper {
  public:
    // `fallback` must outlive the beeper; `openTheme` runs on the sound thread.
    DesktopSoundBeeper(Beeper& fallback, SoundThemeOpener openTheme);
    // Beeps already asked for are still sounded, but a sound server that never answers does not
    // hold up the end of the program.
    ~DesktopSoundBeeper() override;

    void Beep() override;

  private:
    struct Queue;

    static void SoundThread(const std::shared_ptr<Queue>& queue, const SoundThemeOpener& openTheme);

    std::shared_ptr<Queue> queue_;
    std::thread soundThread_;
};

}  // namespace ksl
