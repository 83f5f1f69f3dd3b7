// Speed of the engine: hidden solve, candidates, dead-end test, shuffles (each path against its reference), new game
// of a collection's record and of a fresh puzzle.
#include <benchmark/benchmark.h>

#include <array>
#include <utility>
#include <vector>

#include "engine/candidates.h"
#include "engine/fresh_puzzle.h"
#include "engine/full_field.h"
#include "engine/grid_cell.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solution.h"
#include "engine/solver.h"

namespace quintaro {
namespace {

constexpr int kPuzzleCount = 8;

// A puzzle with about `givens` givens: a random full field from which distinct cells are removed in
// random order as long as the fast hidden solve still completes it. Minimal puzzles end near 70.
Board makePuzzle(int givens, std::uint64_t seed) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    std::vector<std::array<int, 3>> cells;
    forEachCell([&](GridCell k) {
        int tc = 0, tr = 0, tg = 0;
        if (!sharedTwin(k.column, k.row, k.grid, tc, tr, tg) || tg > k.grid) cells.push_back({k.column, k.row, k.grid});
    });
    for (std::size_t i = cells.size() - 1; i > 0; --i) std::swap(cells[i], cells[rnd.random(static_cast<int>(i) + 1)]);
    int filled = kDistinctCells;
    for (const auto& [c, r, g] : cells) {
        if (filled <= givens) break;
        const int v = cellAt(b.board, c, r, g);
        setCellAndTwin(b.board, c, r, g, 0);
        computeSolution(b);
        if (b.noSolution) {
            setCellAndTwin(b.board, c, r, g, static_cast<std::uint8_t>(v));
        } else {
            --filled;
        }
    }
    b.givens = b.board;
    b.solution = {};
    return b;
}

const std::vector<Board>& puzzles(int givens) {
    static std::array<std::vector<Board>, kDistinctCells + 1> cache;
    auto& set = cache[givens];
    if (set.empty()) {
        for (int i = 0; i < kPuzzleCount; ++i) set.push_back(makePuzzle(givens, 1000 + i));
    }
    return set;
}

// Each iteration solves the whole set, so that both paths time exactly the same mix of puzzles;
// per_solve is the time of one hidden solve.
void BM_HiddenSolve(benchmark::State& state, SolverPath path) {
    const auto& set = puzzles(static_cast<int>(state.range(0)));
    long passes = 0;
    for (auto _ : state) {
        for (const Board& puzzle : set) {
            Board b = puzzle;
            passes += computeSolution(b, path);
            benchmark::DoNotOptimize(b.solution);
        }
    }
    const auto solves = static_cast<double>(set.size());
    state.counters["per_solve"] =
        benchmark::Counter(solves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes) / solves, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_HiddenSolve, Fast, SolverPath::Fast)
    ->Arg(80)
    ->Arg(120)
    ->Arg(180)
    ->Arg(240)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HiddenSolve, Literal, SolverPath::Literal)
    ->Arg(80)
    ->Arg(120)
    ->Arg(180)
    ->Arg(240)
    ->Unit(benchmark::kMicrosecond);

// The candidates and the dead-end test on a puzzle half solved by the player.
Board halfSolved() {
    Board b = puzzles(80).front();
    computeSolution(b);
    int n = 0;
    for (int i = 0; i < kCellLayerSize; ++i) {
        if (b.board[i] == 0 && b.solution[i] != 0 && n++ % 2 == 0) b.board[i] = b.solution[i];
    }
    syncSharedBoxes(b);
    return b;
}

void BM_ComputeCandidates(benchmark::State& state, SolverPath path) {
    Board b = halfSolved();
    for (auto _ : state) {
        computeCandidates(b, true, path);
        benchmark::DoNotOptimize(b.candidates);
    }
}
BENCHMARK_CAPTURE(BM_ComputeCandidates, Fast, SolverPath::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComputeCandidates, Literal, SolverPath::Literal)->Unit(benchmark::kMicrosecond);

void BM_HasNoDeadEnd(benchmark::State& state, SolverPath path) {
    Board b = halfSolved();
    for (auto _ : state) benchmark::DoNotOptimize(hasNoDeadEnd(b, path));
}
BENCHMARK_CAPTURE(BM_HasNoDeadEnd, Fast, SolverPath::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HasNoDeadEnd, Literal, SolverPath::Literal)->Unit(benchmark::kMicrosecond);

// The whole shuffle, hidden solve included, on one puzzle shuffled again and again.
void BM_Shuffle(benchmark::State& state, bool symmetric, ShufflePath shufflePath) {
    Board b = puzzles(80).front();
    SeededRandom rnd(7);
    for (auto _ : state) {
        shuffleBoard(b, rnd, symmetric, SolverPath::Fast, shufflePath);
        benchmark::DoNotOptimize(b.board);
    }
}
BENCHMARK_CAPTURE(BM_Shuffle, Symmetric / Composed, true, ShufflePath::Composed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Shuffle, Symmetric / Stepwise, true, ShufflePath::Stepwise)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Shuffle, Free / Composed, false, ShufflePath::Composed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Shuffle, Free / Stepwise, false, ShufflePath::Stepwise)->Unit(benchmark::kMicrosecond);

// Counts the draws it passes on, to tell how many RANDOM(n) a shuffle makes.
struct CountingRandom final : RandomSource {
    SeededRandom inner{7};
    long draws = 0;
    int random(int n) override {
        ++draws;
        return inner.random(n);
    }
};

// The shuffle's moves alone, without the hidden solve; draws is the number of RANDOM(n) per shuffle,
// counted on a separate run so that the timed one gets the seeded generator's inline draws.
void BM_ShuffleMoves(benchmark::State& state, bool symmetric, ShufflePath shufflePath) {
    Board b = puzzles(80).front();
    CountingRandom counting;
    for (int i = 0; i < 20; ++i) shuffleMoves(b, counting, symmetric, shufflePath);
    SeededRandom rnd(7);
    for (auto _ : state) {
        shuffleMoves(b, rnd, symmetric, shufflePath);
        benchmark::DoNotOptimize(b.board);
    }
    state.counters["draws"] = static_cast<double>(counting.draws) / 20;
}
BENCHMARK_CAPTURE(BM_ShuffleMoves, Symmetric / Composed, true, ShufflePath::Composed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShuffleMoves, Symmetric / Stepwise, true, ShufflePath::Stepwise)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShuffleMoves, Free / Composed, false, ShufflePath::Composed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShuffleMoves, Free / Stepwise, false, ShufflePath::Stepwise)->Unit(benchmark::kMicrosecond);

// One RANDOM(2) through the RandomSource interface, the draw the shuffles make most often.
void BM_RandomDraw(benchmark::State& state) {
    SeededRandom seeded(7);
    RandomSource& rnd = seeded;
    for (auto _ : state) benchmark::DoNotOptimize(rnd.random(2));
}
BENCHMARK(BM_RandomDraw)->Unit(benchmark::kNanosecond);

// A whole new game: a collection puzzle is loaded, shuffled symmetrically and solved in hiding.
void BM_NewGame(benchmark::State& state) {
    const auto& set = puzzles(80);
    SeededRandom rnd(11);
    std::size_t i = 0;
    for (auto _ : state) {
        Board b = set[i++ % set.size()];
        b.errorCount = 0;
        shuffleBoard(b, rnd, true);
        benchmark::DoNotOptimize(b.solution);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

// The same for a fresh puzzle made ahead: its board set up, then the checked shuffle with its hidden
// solve. Twenty puzzles of each level, made before the timing.
void BM_NewGameFreshPuzzle(benchmark::State& state) {
    std::vector<CellLayer> made;
    for (int level = 0; level < 4; ++level)
        for (std::uint32_t seed = 0; seed < 20; ++seed)
            if (const auto fresh = makeFreshPuzzle({level, seed})) made.push_back(fresh->givens);
    SeededRandom rnd(11);
    std::size_t i = 0;
    for (auto _ : state) {
        Board b = puzzleBoard(made[i++ % made.size()]);
        shuffleCheckedBoard(b, rnd, true);
        benchmark::DoNotOptimize(b.solution);
    }
}
BENCHMARK(BM_NewGameFreshPuzzle)->Unit(benchmark::kMicrosecond);

void BM_GenerateFullField(benchmark::State& state) {
    SeededRandom rnd(13);
    CellLayer layer{};
    for (auto _ : state) {
        generateFullField(layer, rnd);
        benchmark::DoNotOptimize(layer);
    }
}
BENCHMARK(BM_GenerateFullField)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro
