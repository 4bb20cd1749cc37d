#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "platform/beeper.h"
#include "sound/sound_theme.h"

namespace ksl {

// The beep the player hears: the desktop's window bell from its sound theme
// ("bell-window-system", else "bell"). A thread of its own talks to the sound server, so a tick
// never waits for audio, and every beep starts a sound of its own, so one that comes while the
// last still plays is heard too. When the theme cannot play (no sound server, no such sound),
// the fallback bell rings instead, on the user-interface thread.
//
// A beep belongs to its moment: one that cannot start within `LatestStart` of being asked for
// (a sound server that is stuck, then comes back) is dropped, or silenced if it started late,
// and the next beep sounds at once.
class DesktopSoundBeeper final : public Beeper {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds LatestStart{500};

    // `fallback` must outlive the beeper; `openTheme` runs on the sound thread; `clock` is read
    // on both threads.
    DesktopSoundBeeper(Beeper& fallback, SoundThemeOpener openTheme,
                       Clock clock = std::chrono::steady_clock::now);
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
