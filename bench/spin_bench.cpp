// How fast is a spin, against its physical limit? A spin reads the clock three times (one
// reseed per reel), so three bare clock readings are the least it can cost.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"

namespace {

using ksl::ClockSeededReels;

void ThreeClockReadings(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClockSeededReels::SystemClock());
        benchmark::DoNotOptimize(ClockSeededReels::SystemClock());
        benchmark::DoNotOptimize(ClockSeededReels::SystemClock());
    }
    state.counters["per_second"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(ThreeClockReadings);

void Spin(benchmark::State& state) {
    ClockSeededReels reels;
    ksl::SlotMachine machine(reels);
    machine.NewGame();
    for (auto _ : state) {
        const ksl::SpinResult result = machine.Spin(ksl::Stake::One);
        if (ksl::EndsGame(result.EndState)) {
            machine.NewGame();
        }
        benchmark::DoNotOptimize(result);
    }
    state.counters["per_second"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Spin);

// Prints the usual table, then the ratio the target is stated in.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }

    void PrintRatio() const {
        const auto spin = nanoseconds_.find("Spin");
        const auto clock = nanoseconds_.find("ThreeClockReadings");
        if (spin == nanoseconds_.end() || clock == nanoseconds_.end()) {
            return;
        }
        std::printf("\nSpin: %.0f spins/s; three bare clock readings: %.0f sets/s\n",
                    1e9 / spin->second, 1e9 / clock->second);
        std::printf("Spin costs %.2f times the three clock readings (target: at most 1.30)\n",
                    spin->second / clock->second);
    }

  private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
