// How long one spin of the machine takes, draw, pay table and end checks together. For scale
// only: a spin is revealed over 2.5 seconds, so no player can feel its cost.
#include <benchmark/benchmark.h>

#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"

namespace {

using ksl::ClockSeededReels;

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

}  // namespace

BENCHMARK_MAIN();
