#include "desktop_session/session_end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace ksl {

namespace {

// Where the handler writes; set while an instance lives.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void HandOver(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to end; one more adds nothing.
    [[maybe_unused]] const ssize_t written = write(writeEnd, &number, 1);
    errno = savedErrno;
}

}  // namespace

SessionEndSignals::SessionEndSignals(ProgramEnd& end) : end_(end) {
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their usual effect: the program ends at once
    }
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndSignals::EndTheProgram);

    struct sigaction handOver {};
    handOver.sa_handler = &HandOver;
    sigemptyset(&handOver.sa_mask);
    handOver.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        sigaction(Handled[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler == SIG_IGN) {
            continue;
        }
        taken_[i] = sigaction(Handled[i], &handOver, nullptr) == 0;
    }
}

SessionEndSignals::~SessionEndSignals() {
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        if (taken_[i]) {
            sigaction(Handled[i], &previous_[i], nullptr);
        }
    }
    writeEnd = -1;
    delete notifier_;
    for (const int fd : pipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void SessionEndSignals::EndTheProgram() {
    unsigned char numbers[16];
    while (read(pipe_[0], numbers, sizeof numbers) > 0) {
    }
    end_.End();
}

}  // namespace ksl
