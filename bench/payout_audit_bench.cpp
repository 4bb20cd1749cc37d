// The payout audit: play many spins at each stake with the machine's real draw and compare how
// often each outcome came up, and what a spin paid on average, with what the pay table promises.
//
//   payout_audit_bench [spins per stake, default 10000000]
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "rules/clock_seeded_reels.h"
#include "rules/slot_machine.h"

namespace {

using ksl::Outcome;
using ksl::Stake;

struct OutcomeOdds {
    Outcome outcome;
    const char* name;
    double probability;
};

constexpr std::array<OutcomeOdds, 6> Odds{{
    {Outcome::Triple0, "Triple0", 1.0 / 125},
    {Outcome::Triple4, "Triple4", 1.0 / 125},
    {Outcome::Triple3, "Triple3", 1.0 / 125},
    {Outcome::Triple2, "Triple2", 1.0 / 125},
    {Outcome::PairOfOnes, "PairOfOnes", 1.0 / 25},
    {Outcome::Loss, "Loss", 116.0 / 125},
}};

void Audit(Stake stake, long long spins) {
    ksl::ClockSeededReels reels;
    ksl::SlotMachine machine(reels);
    std::array<long long, Odds.size()> seen{};
    double sum = 0;
    double sumOfSquares = 0;
    for (long long i = 0; i < spins; ++i) {
        machine.NewGame();  // every spin from 30 kroner, so no end state gets in the way
        const ksl::SpinResult result = machine.Spin(stake);
        ++seen[static_cast<std::size_t>(result.Outcome)];
        sum += result.Change;
        sumOfSquares += static_cast<double>(result.Change) * result.Change;
    }

    const auto n = static_cast<double>(spins);
    std::printf("\nStake %d kr, %lld spins\n", stake.kroner(), spins);
    std::printf("  %-11s %12s %12s %12s %8s\n", "outcome", "observed", "theory", "std.error", "z");
    for (const OutcomeOdds& odds : Odds) {
        const double observed =
            static_cast<double>(seen[static_cast<std::size_t>(odds.outcome)]) / n;
        const double standardError = std::sqrt(odds.probability * (1 - odds.probability) / n);
        std::printf("  %-11s %12.7f %12.7f %12.7f %8.2f\n", odds.name, observed, odds.probability,
                    standardError, (observed - odds.probability) / standardError);
    }
    const double mean = sum / n;
    const double variance = sumOfSquares / n - mean * mean;
    const double meanError = std::sqrt(variance / n);
    const double theory = 4.0 * stake.kroner() / 125;
    std::printf("  %-11s %12.7f %12.7f %12.7f %8.2f  (kroner per spin)\n", "mean change", mean,
                theory, meanError, (mean - theory) / meanError);
}

}  // namespace

int main(int argc, char** argv) {
    const long long spins = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
    if (spins <= 0) {
        std::fprintf(stderr, "usage: %s [spins per stake]\n", argv[0]);
        return 2;
    }
    std::printf("Payout audit with the clock-seeded draw (z: deviation in standard errors)\n");
    Audit(Stake::One, spins);
    Audit(Stake::Two, spins);
    return 0;
}
