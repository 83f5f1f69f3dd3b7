// Speed of the hidden solve on the shipped puzzle collections, fast against literal, read from the working directory.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "engine/solution.h"
#include "storage/board_file.h"

namespace quintaro {
namespace {

constexpr std::array<const char*, 4> kCollections{"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr"};

// The four puzzles of one level's collection; empty when the file cannot be read.
std::vector<Board> collection(int level) {
    std::vector<Board> puzzles;
    for (int record = 0; record < kRecordCount; ++record) {
        Board b;
        RecordClock clock;
        if (readBoardRecord(kCollections[std::size_t(level)], record, b, clock) != ReadStatus::Loaded) return {};
        puzzles.push_back(b);
    }
    return puzzles;
}

// Each iteration solves the level's four puzzles; per_solve is one hidden solve.
void BM_CollectionSolve(benchmark::State& state, SolverPath path) {
    const std::vector<Board> puzzles = collection(int(state.range(0)));
    if (puzzles.empty()) {
        state.SkipWithError("run from the build folder, which holds the collections");
        return;
    }
    for (auto _ : state) {
        for (const Board& puzzle : puzzles) {
            Board b = puzzle;
            computeSolution(b, path);
            benchmark::DoNotOptimize(b.solution);
        }
    }
    state.counters["per_solve"] = benchmark::Counter(double(state.iterations() * puzzles.size()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(BM_CollectionSolve, Fast, SolverPath::Fast)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CollectionSolve, Literal, SolverPath::Literal)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintaro
