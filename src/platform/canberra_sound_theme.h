#pragma once

#include <memory>

#include "platform/sound_theme.h"

struct ca_context;

namespace ksl {

// The freedesktop sound theme through libcanberra, which reaches PulseAudio and PipeWire alike,
// on X11 and on Wayland. A lost or missing sound server is looked for again on the next sound,
// so sounds come back when the server does.
class CanberraSoundTheme final : public SoundTheme {
  public:
    // Connects at once, so that the first sound does not wait for it.
    CanberraSoundTheme();
    ~CanberraSoundTheme() override;

    Result Play(const char* event) override;

  private:
    struct Release {
        void operator()(ca_context* context) const;
    };

    bool Connect();

    std::unique_ptr<ca_context, Release> context_;
};

std::unique_ptr<SoundTheme> OpenCanberraSoundTheme();

}  // namespace ksl
