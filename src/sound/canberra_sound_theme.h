#pragma once

#include <cstdint>
#include <memory>

#include "sound/sound_theme.h"

struct ca_context;

namespace ksl {

// The freedesktop sound theme through libcanberra, which reaches PulseAudio and PipeWire alike,
// on X11 and on Wayland. It connects to the sound server at the first sound: the client library
// and what it loads cost over a megabyte and a half of memory, which start-up need not carry.
// A lost or missing server is looked for again at the next sound, so sounds come back with it.
class CanberraSoundTheme final : public SoundTheme {
  public:
    CanberraSoundTheme();
    ~CanberraSoundTheme() override;

    Result Play(const char* event) override;
    void StopLastSound() override;

  private:
    struct Release {
        void operator()(ca_context* context) const;
    };

    bool Connect();

    std::unique_ptr<ca_context, Release> context_;
    std::uint32_t lastSound_ = 0;
};

std::unique_ptr<SoundTheme> OpenCanberraSoundTheme();

}  // namespace ksl
