// The game as a desktop program, against a bare Qt program with a window of the same size that
// shows one line of the game's bold Arial (BASELINE --text), each in a real X server (Xvfb):
//   start-up  from starting the process to its first window being mapped, alternating the
//             programs, median of the runs (target: at most 1.10 times the baseline);
//   memory    peak resident memory once the first window is up (target: at most 1.05 times);
//   at rest   wake-ups a minute (context switches of all threads) and CPU time over the given
//             seconds, from 45 s after the last input, side by side: the game on its welcome
//             window, the game on its game window after one spin, and the baseline with its line of
//             text (targets: at most 2 wake-ups a minute, under 0.1 % of one core).
// For scale only, start-up and memory are also shown against the empty window (BASELINE), which
// never starts the font machinery, and against the welcome window's parts on their own
// (BASELINE --parts: the line, a menu bar, a Baskerville status bar).
//
//   desktop_bench KRONESLUK BASELINE [RUNS=10] [IDLE_SECONDS=60]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "proc_stats.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// From the last input to the start of the count at rest: see main.
constexpr std::chrono::seconds SettlingTime{45};
using ksl::bench::ContextSwitches;
using ksl::bench::CpuMilliseconds;
using ksl::bench::PeakResidentKiB;

[[noreturn]] void Die(const char* what) {
    std::fprintf(stderr, "desktop_bench: %s\n", what);
    std::exit(1);
}

pid_t Spawn(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        Die("could not start a program");
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// An X server of our own, which picks a free display and says which.
class XServer {
  public:
    XServer() {
        int fds[2];
        if (pipe(fds) != 0) {
            Die("no pipe");
        }
        pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                      "-nolisten", "tcp"});
        close(fds[1]);
        char number[32] = {};
        std::size_t read = 0;
        while (read < sizeof number - 1) {
            const ssize_t got = ::read(fds[0], number + read, 1);
            if (got <= 0 || number[read] == '\n') {
                break;
            }
            ++read;
        }
        close(fds[0]);
        number[read] = '\0';
        name_ = std::string(":") + number;
        setenv("DISPLAY", name_.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        display_ = XOpenDisplay(name_.c_str());
        if (display_ == nullptr) {
            Die("cannot open the X server");
        }
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }

    ~XServer() {
        XCloseDisplay(display_);
        Stop(pid_);
    }

    // Waits until a top-level window whose title contains `title` is mapped; 0 on time-out.
    Window WaitForMap(const char* title, std::chrono::seconds limit = std::chrono::seconds(30)) {
        const auto deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify && HasTitle(event.xmap.window, title)) {
                    return event.xmap.window;
                }
            }
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 10);
        }
        return 0;
    }

    int Height(Window window) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        return attributes.height;
    }

  private:
    bool HasTitle(Window window, const char* title) {
        char* name = nullptr;
        const bool found = XFetchName(display_, window, &name) != 0 && name != nullptr &&
                           std::strstr(name, title) != nullptr;
        if (name != nullptr) {
            XFree(name);
        }
        return found;
    }

    pid_t pid_ = 0;
    std::string name_;
    Display* display_ = nullptr;
};

struct Run {
    double startMs;
    long peakKiB;
};

Run StartOnce(XServer& x, const std::vector<std::string>& command) {
    const auto started = Clock::now();
    const pid_t pid = Spawn(command);
    if (x.WaitForMap("Kronesluk") == 0) {
        Die("no window was mapped");
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    // Let the first paint finish before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long peak = PeakResidentKiB(pid);
    Stop(pid);
    return {ms, peak};
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        Die("xdotool failed");
    }
}

// What a program at rest has used so far: CPU time, and context switches thread by thread.
struct Use {
    double cpuMs;
    std::map<pid_t, ksl::bench::ThreadSwitches> threads;
};

Use UseOf(pid_t pid) {
    return {CpuMilliseconds(pid), ContextSwitches(pid)};
}

// The wake-ups between two readings, all threads together, and which threads they came from. A
// thread started in between counts from zero; one that ended in between is lost to the count,
// and is named, so that the figure is not taken for more than it is.
struct Wakes {
    long long total = 0;
    std::string byThread;
};

Wakes WakesBetween(const Use& before, const Use& after) {
    Wakes wakes;
    std::map<std::string, long long> byName;
    for (const auto& [tid, thread] : after.threads) {
        const auto earlier = before.threads.find(tid);
        const long long woke =
            thread.switches - (earlier == before.threads.end() ? 0 : earlier->second.switches);
        wakes.total += woke;
        if (woke > 0) {
            byName[thread.name] += woke;
        }
    }
    for (const auto& [name, woke] : byName) {
        wakes.byThread += (wakes.byThread.empty() ? "" : ", ") + name + " " + std::to_string(woke);
    }
    for (const auto& [tid, thread] : before.threads) {
        if (!after.threads.contains(tid)) {
            wakes.byThread += (wakes.byThread.empty() ? "" : ", ") + thread.name + " ended";
        }
    }
    return wakes;
}

// The game on its welcome window, as it is after start-up: the game window loaded but hidden.
pid_t GameOnTheWelcomeWindow(XServer& x, const std::string& game) {
    const pid_t pid = Spawn({game});
    if (x.WaitForMap("Kronesluk") == 0) {
        Die("no welcome window was mapped");
    }
    return pid;
}

// The game on its game window, after one spin of "1 Kr".
pid_t GameAfterASpin(XServer& x, const std::string& game) {
    const pid_t pid = Spawn({game});
    const Window welcome = x.WaitForMap("Kronesluk");
    Xdotool("windowfocus --sync " + std::to_string(welcome) + " key F2");
    const Window window = x.WaitForMap("Tindrevik");
    if (window == 0) {
        Die("F2 did not show the game window");
    }
    // "1 Kr" stands at (376, 88) in the client area, under the menu bar.
    const int menuBar = x.Height(window) - 424;
    Xdotool("mousemove --window " + std::to_string(window) + " 400 " +
            std::to_string(menuBar + 100) + " click 1");
    return pid;
}

pid_t BaselineWithText(XServer& x, const std::string& baseline) {
    const pid_t pid = Spawn({baseline, "--text"});
    if (x.WaitForMap("Kronesluk") == 0) {
        Die("the baseline window was not mapped");
    }
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s KRONESLUK BASELINE [RUNS=10] [IDLE_SECONDS=60]\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string baseline = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const int idleSeconds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 60;

    XServer x;
    const std::vector<std::vector<std::string>> programs{
        {game}, {baseline, "--text"}, {baseline}, {baseline, "--parts"}};
    for (const auto& program : programs) {
        StartOnce(x, program);  // warm the file cache before measuring
    }
    std::vector<std::vector<Run>> runsOf(programs.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            runsOf[p].push_back(StartOnce(x, programs[p]));
        }
    }
    std::vector<double> medianMs;
    std::vector<long> medianKiB;
    for (const std::vector<Run>& series : runsOf) {
        std::vector<double> ms;
        std::vector<long> kib;
        for (const Run& run : series) {
            ms.push_back(run.startMs);
            kib.push_back(run.peakKiB);
        }
        medianMs.push_back(Median(ms));
        medianKiB.push_back(Median(kib));
    }
    const auto ratio = [](auto ours, auto theirs) {
        return static_cast<double>(ours) / static_cast<double>(theirs);
    };
    std::printf("Start-up to the first window mapped (median of %d runs each, alternating)\n",
                runs);
    std::printf(
        "  kronesluk %.1f ms, bare window with one line of text %.1f ms: ratio %.3f "
        "(target: at most 1.10)\n",
        medianMs[0], medianMs[1], ratio(medianMs[0], medianMs[1]));
    std::printf(
        "  for scale: empty bare window %.1f ms (ratio %.3f); the welcome window's parts "
        "alone %.1f ms (ratio %.3f)\n",
        medianMs[2], ratio(medianMs[0], medianMs[2]), medianMs[3], ratio(medianMs[0], medianMs[3]));
    std::printf("Peak resident memory once the first window is up (median)\n");
    std::printf(
        "  kronesluk %ld KiB, bare window with one line of text %ld KiB: ratio %.3f "
        "(target: at most 1.05)\n",
        medianKiB[0], medianKiB[1], ratio(medianKiB[0], medianKiB[1]));
    std::printf(
        "  for scale: empty bare window %ld KiB (ratio %.3f); the welcome window's parts "
        "alone %ld KiB (ratio %.3f)\n",
        medianKiB[2], ratio(medianKiB[0], medianKiB[2]), medianKiB[3],
        ratio(medianKiB[0], medianKiB[3]));

    // The three programs at rest side by side, over the same seconds. The count starts once
    // every start-up tick and the whole reveal of the spin are over, and once the toolkit has
    // cleaned up after the last paint: it empties its pixmap cache and lets its image-scaling
    // threads go 30 to 40 s after they were last used, once, not again while nothing happens.
    struct AtRest {
        const char* what;
        pid_t pid;
        Use before{};
        Use after{};
    };
    std::vector<AtRest> resting{
        {"game, welcome window", GameOnTheWelcomeWindow(x, game)},
        {"game, game window after a spin", GameAfterASpin(x, game)},
        {"bare window with one line of text", BaselineWithText(x, baseline)}};
    std::this_thread::sleep_for(SettlingTime);
    for (AtRest& program : resting) {
        program.before = UseOf(program.pid);
    }
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    for (AtRest& program : resting) {
        program.after = UseOf(program.pid);
    }
    // Only now: a window that goes away wakes the others.
    for (const AtRest& program : resting) {
        Stop(program.pid);
    }
    std::printf(
        "At rest over %d s, side by side: wake-ups (context switches of all threads) and CPU\n",
        idleSeconds);
    for (const AtRest& program : resting) {
        const Wakes wakes = WakesBetween(program.before, program.after);
        const double perMinute = static_cast<double>(wakes.total) * 60.0 / idleSeconds;
        const double share = (program.after.cpuMs - program.before.cpuMs) / (idleSeconds * 1000.0);
        std::printf(
            "  %-34s %6.1f wake-ups a minute (target: at most 2), %.4f %% of one core "
            "(target: under 0.1 %%)\n",
            program.what, perMinute, share * 100);
        if (!wakes.byThread.empty()) {
            std::printf("  %-34s   by thread: %s\n", "", wakes.byThread.c_str());
        }
    }
    return 0;
}
