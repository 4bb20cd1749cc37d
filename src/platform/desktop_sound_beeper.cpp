#include "platform/desktop_sound_beeper.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace ksl {

namespace {

// Long enough for a few beeps to reach a working server, short enough to go unnoticed at exit.
constexpr std::chrono::milliseconds LongestWaitAtExit{500};

bool RingWindowBell(SoundTheme& theme) {
    for (const char* event : {"bell-window-system", "bell"}) {
        switch (theme.Play(event)) {
            case SoundTheme::Result::Playing:
                return true;
            case SoundTheme::Result::NoSuchSound:
                continue;
            case SoundTheme::Result::Failed:
                return false;
        }
    }
    return false;
}

}  // namespace

// What the user-interface thread and the sound thread share. The sound thread may outlive the
// beeper (stuck on a server that never answers), so it holds its own share of this.
struct DesktopSoundBeeper::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    int beepsToPlay = 0;
    int fallbacksToRing = 0;
    bool closing = false;
    bool soundThreadDone = false;
    Beeper* fallback;

    explicit Queue(Beeper& fallbackBell) : fallback(&fallbackBell) {}

    // On the user-interface thread; once the beeper is gone there is no bell to ring.
    void RingFallbacks() {
        Beeper* bell = nullptr;
        int due = 0;
        {
            const std::scoped_lock lock(mutex);
            bell = fallback;
            due = std::exchange(fallbacksToRing, 0);
        }
        for (; bell && due > 0; --due) {
            bell->Beep();
        }
    }
};

DesktopSoundBeeper::DesktopSoundBeeper(Beeper& fallback, SoundThemeOpener openTheme)
    : queue_(std::make_shared<Queue>(fallback)),
      soundThread_(&DesktopSoundBeeper::SoundThread, queue_, std::move(openTheme)) {}

DesktopSoundBeeper::~DesktopSoundBeeper() {
    std::unique_lock lock(queue_->mutex);
    queue_->closing = true;
    queue_->changed.notify_all();
    const bool finished = queue_->changed.wait_for(lock, LongestWaitAtExit,
                                                   [this] { return queue_->soundThreadDone; });
    lock.unlock();
    if (finished) {
        soundThread_.join();
    } else {
        soundThread_.detach();  // it ends with the process, touching nothing but its own share
    }
    queue_->RingFallbacks();  // the ones the event loop has not rung yet
    const std::scoped_lock forget(queue_->mutex);
    queue_->fallback = nullptr;
}

void DesktopSoundBeeper::Beep() {
    const std::scoped_lock lock(queue_->mutex);
    ++queue_->beepsToPlay;
    queue_->changed.notify_all();
}

void DesktopSoundBeeper::SoundThread(const std::shared_ptr<Queue>& queue,
                                     const SoundThemeOpener& openTheme) {
    const std::unique_ptr<SoundTheme> theme = openTheme();
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->changed.wait(lock, [&] { return queue->beepsToPlay > 0 || queue->closing; });
        if (queue->beepsToPlay == 0) {
            break;
        }
        --queue->beepsToPlay;
        lock.unlock();
        const bool rung = theme && RingWindowBell(*theme);
        lock.lock();
        if (!rung) {
            ++queue->fallbacksToRing;
            if (!queue->closing) {
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [queue] { queue->RingFallbacks(); },
                    Qt::QueuedConnection);
            }
        }
    }
    queue->soundThreadDone = true;
    queue->changed.notify_all();
}

}  // namespace ksl
