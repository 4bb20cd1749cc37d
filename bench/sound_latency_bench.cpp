// How soon a win is heard: the real game window wins every spin (scripted reels), its real Qt
// timers reveal the win and the real desktop beep plays it into a PulseAudio server of the
// benchmark's own, whose only output is a silent sink. A recorder reads that sink's monitor in
// 5 ms pieces and stamps each piece as it arrives. For each win: from the Win timer's tick
// asking for the beep to the recorder holding the first loud sample, median over the runs.
//   target: median under 50 ms
//
//   sound_latency_bench [RUNS=15]
#include <pulse/error.h>
#include <pulse/simple.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "game_window/form2.h"
#include "platform/beeper.h"
#include "platform/player_messages.h"
#include "platform/program_end.h"
#include "platform/qt_timer_factory.h"
#include "rules/slot_machine.h"
#include "sound/canberra_sound_theme.h"
#include "sound/desktop_sound_beeper.h"
#include "support/reporting_beeper.h"
#include "support/scripted_reels.h"
#include "window_design/fonts.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int SampleRate = 48000;
constexpr int PieceSamples = SampleRate / 200;  // 5 ms
constexpr int LoudLevel = 1000;                 // as in the recorded-sound test
// A loud sample this long after the last one starts a new sound.
constexpr std::chrono::milliseconds QuietBetweenSounds{100};

[[noreturn]] void Die(const std::string& what) {
    std::fprintf(stderr, "sound_latency_bench: %s\n", what.c_str());
    std::exit(1);
}

// The words of a command line or an environment, as the C calls want them.
std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// A PulseAudio server with no configuration, no bus and no real-time scheduling: a silent sink
// and a socket that needs no cookie, in a folder of its own. Stopped by its pid at the end.
class SoundServer {
  public:
    SoundServer() {
        std::string folder = (std::filesystem::temp_directory_path() / "ksl-sound-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            Die("no folder for the sound server");
        }
        folder_ = folder;
        socket_ = folder_ + "/native";
        const char* path = std::getenv("PATH");
        std::vector<std::string> environment{"HOME=" + folder_, "XDG_RUNTIME_DIR=" + folder_,
                                             std::string("PATH=") + (path ? path : "/usr/bin")};
        std::vector<std::string> command{
            "pulseaudio",
            "--daemonize=no",
            "-n",
            "--exit-idle-time=-1",
            "--use-pid-file=no",
            "--disable-shm=yes",
            "--realtime=no",
            "--high-priority=no",
            "--log-target=stderr",
            "--log-level=error",
            "--load=module-null-sink sink_name=recorded",
            "--load=module-native-protocol-unix socket=" + socket_ + " auth-anonymous=1"};
        if (posix_spawnp(&pid_, "pulseaudio", nullptr, nullptr, Pointers(command).data(),
                         Pointers(environment).data()) != 0) {
            Die("could not start pulseaudio");
        }
    }

    ~SoundServer() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        std::filesystem::remove_all(folder_);
    }

    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    [[nodiscard]] std::string Address() const { return "unix:" + socket_; }

  private:
    std::string folder_;
    std::string socket_;
    pid_t pid_ = 0;
};

// Reads the silent sink's monitor and notes when each sound begins, as the recorder gets it.
class Recorder {
  public:
    explicit Recorder(const std::string& server) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, SampleRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = PieceSamples * sizeof(std::int16_t);
        // The server needs a moment to come up.
        for (int attempt = 0; attempt < 100 && stream_ == nullptr; ++attempt) {
            int error = 0;
            stream_ = pa_simple_new(server.c_str(), "sound_latency_bench", PA_STREAM_RECORD,
                                    "recorded.monitor", "the silent sink", &format, nullptr, &attr,
                                    &error);
            if (stream_ == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        if (stream_ == nullptr) {
            Die("could not record the sound server");
        }
        reader_ = std::thread([this] { Read(); });
    }

    // The server must be gone first: the recorder reads until its stream breaks.
    void Join() {
        reader_.join();
        pa_simple_free(stream_);
    }

    [[nodiscard]] std::vector<Clock::time_point> Onsets() {
        const std::scoped_lock lock(mutex_);
        return onsets_;
    }

  private:
    void Read() {
        std::array<std::int16_t, PieceSamples> piece{};
        std::optional<Clock::time_point> lastLoud;
        while (pa_simple_read(stream_, piece.data(), sizeof piece, nullptr) == 0) {
            const Clock::time_point arrived = Clock::now();
            const bool loud = std::any_of(piece.begin(), piece.end(),
                                          [](std::int16_t s) { return std::abs(s) > LoudLevel; });
            if (!loud) {
                continue;
            }
            if (!lastLoud || arrived - *lastLoud > QuietBetweenSounds) {
                const std::scoped_lock lock(mutex_);
                onsets_.push_back(arrived);
            }
            lastLoud = arrived;
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread reader_;
    std::mutex mutex_;
    std::vector<Clock::time_point> onsets_;
};

void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    if (runs < 1) {
        Die("usage: sound_latency_bench [RUNS=15]");
    }

    std::optional<SoundServer> server(std::in_place);
    Recorder recorder(server->Address());
    setenv("PULSE_SERVER", server->Address().c_str(), 1);
    setenv("CANBERRA_DRIVER", "pulse", 1);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ksl::RegisterFontSubstitutes();

    ksl::testing::ScriptedReels reels;
    for (int run = 0; run < runs; ++run) {
        reels.Then({1, 1, 0});  // 1-1 wins 2 kroner, so the game never ends
    }
    ksl::SlotMachine machine(reels);
    ksl::QtTimerFactory timers;
    ksl::MessageBoxMessages messages;
    ksl::QtProgramEnd end;
    int toolkitBells = 0;
    std::vector<Clock::time_point> ticks;
    {
        ksl::SystemBeeper systemBell;
        ksl::testing::ReportingBeeper toolkitBell(systemBell, [&] { ++toolkitBells; });
        ksl::DesktopSoundBeeper desktopSound(toolkitBell, ksl::OpenCanberraSoundTheme);
        ksl::testing::ReportingBeeper beeper(desktopSound, [&] { ticks.push_back(Clock::now()); });

        ksl::Form2 window(machine, {timers, messages, beeper, end});
        window.Form_Load();
        window.show();
        RunEventsFor(1000);  // a player looks at the window a moment before the first spin
        for (int run = 0; run < runs; ++run) {
            window.Command1_Click();
            RunEventsFor(3000);  // the reveal, the sound, and quiet before the next one
        }
    }
    server.reset();
    recorder.Join();

    const std::vector<Clock::time_point> onsets = recorder.Onsets();
    std::vector<double> delays;  // in the order of the wins
    for (const Clock::time_point tick : ticks) {
        const auto heard = std::find_if(onsets.begin(), onsets.end(),
                                        [&](Clock::time_point onset) { return onset >= tick; });
        if (heard != onsets.end() && *heard - tick < std::chrono::seconds(1)) {
            delays.push_back(Milliseconds(*heard - tick));
        }
    }
    if (delays.size() != ticks.size()) {
        Die(std::to_string(ticks.size() - delays.size()) + " of " + std::to_string(ticks.size()) +
            " wins were not heard");
    }
    // The first sound also connects to the server and reads the sound from the theme.
    const double first = delays.front();
    std::sort(delays.begin(), delays.end());
    std::printf("Win tick to the first loud sample recorded, over %zu wins\n", ticks.size());
    std::printf("  median %.1f ms, fastest %.1f ms, slowest %.1f ms (target: median under 50 ms)\n",
                delays[delays.size() / 2], delays.front(), delays.back());
    std::printf("  the first win, which connects to the sound server: %.1f ms\n", first);
    std::printf("  toolkit bells rung instead: %d, sounds recorded: %zu\n", toolkitBells,
                onsets.size());
    return 0;
}
