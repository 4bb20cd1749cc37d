// Peak resident memory of the game after start-up and after 50 spins, against a bare Qt
// program with a window of the game window's size showing one line of the game's bold Arial
// (and, for scale, the same window empty). Each is measured in a process of its own, on Qt's
// offscreen platform; the spins run on the simulated clock.
//   target: at most 1.05 times the bare program with its line of text
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <cstdio>

#include "proc_stats.h"
#include "rules/clock_seeded_reels.h"
#include "shell/shell.h"
#include "support/recording_platform.h"
#include "window_design/fonts.h"

namespace {

using ksl::bench::PeakResidentKiB;

constexpr int Spins = 50;

struct Peaks {
    long afterStartUp = 0;
    long afterSpins = 0;
};

Peaks Baseline(int argc, char** argv, bool withText) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(448, 443);
    if (withText) {
        auto* label = new QLabel(QStringLiteral("Kronesluk"));
        label->setFont(ksl::ArialBold(48));
        window.setCentralWidget(label);
    }
    window.show();
    QApplication::processEvents();
    const long peak = PeakResidentKiB(getpid());
    return {peak, peak};
}

Peaks EmptyWindow(int argc, char** argv) {
    return Baseline(argc, argv, false);
}

Peaks WindowWithText(int argc, char** argv) {
    ksl::RegisterFontSubstitutes();
    return Baseline(argc, argv, true);
}

Peaks Game(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ksl::RegisterFontSubstitutes();
    ksl::ClockSeededReels reels;
    ksl::SlotMachine machine(reels);
    ksl::testing::RecordingPlatform simulated;
    ksl::Shell shell(machine, simulated.platform(), simulated.systemInfo());
    shell.Start();
    QApplication::processEvents();
    Peaks peaks;
    peaks.afterStartUp = PeakResidentKiB(getpid());

    for (int spin = 0; spin < Spins; ++spin) {
        if (shell.GameWindow() == nullptr || !shell.GameWindow()->isVisible()) {
            shell.WelcomeWindow()->findChild<QAction*>("mnuPlay")->trigger();
        }
        shell.GameWindow()->findChild<QPushButton*>("Command1")->click();
        simulated.clock.Advance(2500);
        QApplication::processEvents();
    }
    peaks.afterSpins = PeakResidentKiB(getpid());
    return peaks;
}

// Runs `measure` in a child process and reads its two figures back through a pipe.
template <typename Measure>
Peaks InChild(Measure measure, int argc, char** argv) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const Peaks peaks = measure(argc, argv);
        const ssize_t written = write(fds[1], &peaks, sizeof peaks);
        _exit(written == sizeof peaks ? 0 : 1);
    }
    close(fds[1]);
    Peaks peaks;
    if (read(fds[0], &peaks, sizeof peaks) != sizeof peaks) {
        peaks = {};
    }
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return peaks;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform remarks on every window raised; the figures are what counts here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const Peaks empty = InChild(EmptyWindow, argc, argv);
    const Peaks base = InChild(WindowWithText, argc, argv);
    const Peaks game = InChild(Game, argc, argv);
    const auto ratio = [&](long kib) {
        return static_cast<double>(kib) / static_cast<double>(base.afterStartUp);
    };
    std::printf(
        "Peak resident memory, offscreen (bare window with one line of text: %ld KiB; "
        "empty, for scale: %ld KiB)\n",
        base.afterStartUp, empty.afterStartUp);
    std::printf("  after start-up:      %ld KiB, ratio %.3f (target: at most 1.05)\n",
                game.afterStartUp, ratio(game.afterStartUp));
    std::printf("  after %d spins:      %ld KiB, ratio %.3f (target: at most 1.05)\n", Spins,
                game.afterSpins, ratio(game.afterSpins));
    return 0;
}
