#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>

#include "platform/program_end.h"

namespace ksl {

// The desktop session's ways of asking a program to end: SIGTERM (a logout, a shutdown), SIGHUP
// (the terminal it runs in is closed) and SIGINT (Ctrl+C there). Each ends the game as its Exit
// command does: the signal handler only writes the signal's number into a pipe, and the event
// loop reads it and ends the program in its own time, so nothing unsafe runs inside a handler.
// A signal the program was started with ignored (nohup, a background job) stays ignored.
// One instance at a time; it restores the previous handlers when it is destroyed.
class SessionEndSignals final : public QObject {
  public:
    explicit SessionEndSignals(ProgramEnd& end);
    ~SessionEndSignals() override;
    SessionEndSignals(const SessionEndSignals&) = delete;
    SessionEndSignals& operator=(const SessionEndSignals&) = delete;

    static constexpr std::array<int, 3> Handled{SIGTERM, SIGHUP, SIGINT};

  private:
    void EndTheProgram();

    ProgramEnd& end_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, Handled.size()> previous_{};
    std::array<bool, Handled.size()> taken_{};
};

}  // namespace ksl
