#include "sound/canberra_sound_theme.h"

#include <canberra.h>

#include <cstdint>

namespace ksl {

namespace {

// The sound server keeps track of a sound, so that it can be stopped, only while someone waits
// to hear that it has ended; nobody needs to hear more than that.
void SoundEnded(ca_context* /*context*/, std::uint32_t /*id*/, int /*error*/, void* /*data*/) {}

struct Properties {
    ca_proplist* list = nullptr;
    Properties() { ca_proplist_create(&list); }
    ~Properties() { ca_proplist_destroy(list); }
    Properties(const Properties&) = delete;
    Properties& operator=(const Properties&) = delete;
};

}  // namespace

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
    const Properties sound;
    ca_proplist_sets(sound.list, CA_PROP_EVENT_ID, event);
    // The server keeps the decoded sound for a while, which makes the next one start sooner.
    ca_proplist_sets(sound.list, CA_PROP_CANBERRA_CACHE_CONTROL, "volatile");
    // Each sound has an id of its own, never 0, by which it can be stopped.
    lastSound_ = lastSound_ % 0xFFFFFFFFU + 1;
    const int error =
        ca_context_play_full(context_.get(), lastSound_, sound.list, &SoundEnded, nullptr);
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

void CanberraSoundTheme::StopLastSound() {
    if (context_) {
        ca_context_cancel(context_.get(), lastSound_);
    }
}

std::unique_ptr<SoundTheme> OpenCanberraSoundTheme() {
    return std::make_unique<CanberraSoundTheme>();
}

}  // namespace ksl
