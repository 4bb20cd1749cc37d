#pragma once

#include <functional>
#include <memory>

namespace ksl {

// The desktop's sound theme, reached through its sound server. Connecting and finding a sound
// may take a while, so it is used from the sound thread only, never from a window.
class SoundTheme {
  public:
    enum class Result { Playing, NoSuchSound, Failed };

    virtual ~SoundTheme() = default;

    // Starts the theme's sound for a named event and returns without waiting for it to end, so
    // sounds started one after another play over each other.
    virtual Result Play(const char* event) = 0;

    // Silences the sound the last Play started, at once: it started too late to belong to its
    // moment.
    virtual void StopLastSound() = 0;
};

// Opens the theme on the thread that will play it.
using SoundThemeOpener = std::function<std::unique_ptr<SoundTheme>()>;

}  // namespace ksl
