// Time to make one fresh puzzle of each level, as a new game does: median and 99th percentile over many seeds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "engine/fresh_puzzle.h"

namespace quintaro {
namespace {

constexpr std::uint32_t kSeeds = 400;

double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty()) return 0.0;
    std::sort(sorted.begin(), sorted.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[at];
}

// One iteration makes the puzzles of seeds 0..kSeeds-1, each timed on its own; the counters give the
// spread over all of them in milliseconds, of the clock and of the processor (which a busy machine
// does not stretch), and the attempts (full fields) the worst seed needed.
void BM_FreshPuzzle(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    std::vector<double> millis, cpuMillis;
    int failed = 0, mostAttempts = 0;
    for (auto _ : state) {
        for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const auto made = makeFreshPuzzle({level, seed});
            cpuMillis.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (made) {
                mostAttempts = std::max(mostAttempts, made->attempts);
            } else {
                ++failed;
            }
            benchmark::DoNotOptimize(made);
        }
    }
    state.counters["median_ms"] = percentile(millis, 0.5);
    state.counters["p99_ms"] = percentile(millis, 0.99);
    state.counters["max_ms"] = percentile(millis, 1.0);
    state.counters["median_cpu_ms"] = percentile(cpuMillis, 0.5);
    state.counters["p99_cpu_ms"] = percentile(cpuMillis, 0.99);
    state.counters["most_attempts"] = mostAttempts;
    state.counters["failed"] = failed;
}

BENCHMARK(BM_FreshPuzzle)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintaro
