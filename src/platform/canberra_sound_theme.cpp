#include "platform/canberra_sound_theme.h"

#include <canberra.h>

#include <cstdint>

namespace ksl {

void CanberraSoundTheme::Release::operator()(ca_context* context) const {
    ca_context_destroy(context);
}

CanberraSoundTheme::CanberraSoundTheme() = default;
CanberraSoundTheme::~CanberraSoundTheme() = default;

bool CanberraSoundTheme::Connect() {
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) {
        return false;
    }
    context_.reset(context);
    // The sound server shows whose sounds these are, with the name and icon of the desktop entry.
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kronesluk", CA_PROP_APPLICATION_ID,
                            "no.kronesluk.Kronesluk", CA_PROP_APPLICATION_ICON_NAME,
                            "no.kronesluk.Kronesluk", nullptr);
    if (ca_context_open(context) != CA_SUCCESS) {
        context_.reset();
        return false;
    }
    return true;
}

SoundTheme::Result CanberraSoundTheme::Play(const char* event) {
    if (!context_ && !Connect()) {
        return Result::Failed;
    }
    // The id would let a sound be cancelled; ours never are. The server keeps the decoded sound
    // for a while, which makes the next one start sooner.
    constexpr std::uint32_t NeverCancelled = 0;
    const int error = ca_context_play(context_.get(), NeverCancelled, CA_PROP_EVENT_ID, event,
                                      CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    switch (error) {
        case CA_SUCCESS:
            return Result::Playing;
        case CA_ERROR_NOTFOUND:
            return Result::NoSuchSound;
        default:
            // The server went away or never came: connect afresh for the next sound.
            context_.reset();
            return Result::Failed;
    }
}

std::unique_ptr<SoundTheme> OpenCanberraSoundTheme() {
    return std::make_unique<CanberraSoundTheme>();
}

}  // namespace ksl
