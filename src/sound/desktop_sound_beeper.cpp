#include "sound/desktop_sound_beeper.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <deque>
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
    std::deque<std::chrono::steady_clock::time_point> beepsAsked;  // when each was asked for
    int fallbacksToRing = 0;
    bool closing = false;
    bool soundThreadDone = false;
    Beeper* fallback;
    const Clock clock;

    Queue(Beeper& fallbackBell, Clock now) : fallback(&fallbackBell), clock(std::move(now)) {}

    [[nodiscard]] bool InTime(std::chrono::steady_clock::time_point asked) const {
        return clock() - asked <= LatestStart;
    }

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

DesktopSoundBeeper::DesktopSoundBeeper(Beeper& fallback, SoundThemeOpener openTheme, Clock clock)
    : queue_(std::make_shared<Queue>(fallback, std::move(clock))),
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
    queue_->beepsAsked.push_back(queue_->clock());
    queue_->changed.notify_all();
}

void DesktopSoundBeeper::SoundThread(const std::shared_ptr<Queue>& queue,
                                     const SoundThemeOpener& openTheme) {
    const std::unique_ptr<SoundTheme> theme = openTheme();
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->changed.wait(lock, [&] { return !queue->beepsAsked.empty() || queue->closing; });
        if (queue->beepsAsked.empty()) {
            break;
        }
        const auto asked = queue->beepsAsked.front();
        queue->beepsAsked.pop_front();
        if (!queue->InTime(asked)) {
            continue;  // the server kept us waiting: heard now, it would belong to nothing
        }
        lock.unlock();
        const bool rung = theme && RingWindowBell(*theme);
        const bool late = !queue->InTime(asked);
        if (rung && late) {
            theme->StopLastSound();  // it started, but only once the server came back
        }
        lock.lock();
        if (!rung && !late) {
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
