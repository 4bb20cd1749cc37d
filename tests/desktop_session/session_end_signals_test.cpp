#include "desktop_session/session_end_signals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <string>

#include "support/recording_platform.h"

namespace ksl {
namespace {

struct SignalCase {
    const char* name;
    int signal;
    bool ignoredAtStart;  // as nohup and background jobs start a program
    int ends;
};

void PrintTo(const SignalCase& c, std::ostream* out) {
    *out << c.name;
}

class SessionEnd : public ::testing::TestWithParam<SignalCase> {};

TEST_P(SessionEnd, EndsTheProgramAsItsExitCommandDoesFromTheEventLoop) {
    const SignalCase& c = GetParam();
    const auto before = std::signal(c.signal, c.ignoredAtStart ? SIG_IGN : SIG_DFL);
    testing::RecordingEnd end;
    {
        const SessionEndSignals sessionSignals(end);
        std::raise(c.signal);
        std::raise(c.signal);  // a second request while the first waits
        EXPECT_EQ(end.ends, 0) << "ended inside the signal handler";
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(end.ends, c.ends);
    }
    struct sigaction after {};
    sigaction(c.signal, nullptr, &after);
    EXPECT_EQ(after.sa_handler, c.ignoredAtStart ? SIG_IGN : SIG_DFL)
        << "the handler from before was not put back";
    std::signal(c.signal, before);
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEnd,
                         ::testing::Values(SignalCase{"Logout", SIGTERM, false, 1},
                                           SignalCase{"TerminalClosed", SIGHUP, false, 1},
                                           SignalCase{"CtrlCInTheTerminal", SIGINT, false, 1},
                                           SignalCase{"HangUpUnderNohup", SIGHUP, true, 0},
                                           SignalCase{"CtrlCForABackgroundJob", SIGINT, true, 0}),
                         [](const ::testing::TestParamInfo<SignalCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace ksl
