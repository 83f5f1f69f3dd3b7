// The fast path against the literal steps on many random boards: same placements, same state.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>
#include <vector>

#include "engine/candidates.h"
#include "engine/solution.h"
#include "engine/solver.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x5EED0001;
constexpr int kBoards = 10000;

auto key(const Placement& p) { return std::tie(p.scan, p.grid, p.unit, p.symbol, p.column, p.row, p.pass); }

// Empties distinct cells in random order, keeping each removal while the passes still complete the
// field, until `givens` remain: a real puzzle, needing many passes.
void carvePuzzle(CellLayer& layer, int givens, SeededRandom& rnd) {
    std::vector<int> cells; // layer indices of master copies
    for (int i = 0; i < kCellLayerSize; ++i) {
        int tc = 0, tr = 0, tg = 0;
        if (layer[i] && (!sharedTwin(i / 40, i / 4 % 10, i % 4, tc, tr, tg) || tg > i % 4)) cells.push_back(i);
    }
    for (std::size_t i = cells.size() - 1; i > 0; --i) std::swap(cells[i], cells[rnd.random(static_cast<int>(i) + 1)]);
    int filled = kDistinctCells;
    for (const int i : cells) {
        if (filled == givens) break;
        const int v = layer[i];
        test::setBoth(layer, i / 40, i / 4 % 10, i % 4, 0);
        Board probe;
        probe.board = layer;
        BoardView quiet;
        runSolvePasses(probe, quiet);
        if (isFieldFull(probe)) {
            --filled;
        } else {
            test::setBoth(layer, i / 40, i / 4 % 10, i % 4, v);
        }
    }
}

// A full field with gaps (mostly few, sometimes many, sometimes carved into a real puzzle), entries
// of the player right and wrong, sometimes a repeat or unequal shared copies, and a solution that is
// right, stale, partial or unknown.
Board randomBoard(SeededRandom& rnd) {
    Board b;
    const CellLayer field = test::fullBoard(rnd.random(1 << 30)).board;
    b.board = field;
    const int kind = rnd.random(100);
    if (kind < 4) {
        carvePuzzle(b.board, 60 + rnd.random(60), rnd);
    } else {
        const int gaps = kind < 80 ? rnd.random(24) : kind < 96 ? 24 + rnd.random(60) : 84 + rnd.random(130);
        for (int n = 0; n < gaps;) {
            const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
            if (cellAt(b.board, c, r, g) == 0) continue;
            test::setBoth(b.board, c, r, g, 0);
            ++n;
        }
    }
    b.givens = b.board;
    for (int n = rnd.random(4) == 0 ? rnd.random(6) : 0; n > 0; --n) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.givens, c, r, g) == 0) test::setBoth(b.board, c, r, g, rnd.random(3) ? rnd.random(9) + 1 : cellAt(field, c, r, g));
    }
    if (rnd.random(8) == 0) {
        const int g = rnd.random(4), r = rnd.random(9) + 1, c = rnd.random(9) + 1;
        if (cellAt(b.board, c, r, g) != 0) test::setBoth(b.board, c % 9 + 1, r, g, cellAt(b.board, c, r, g));
    }
    if (rnd.random(40) == 0) {
        const SharedBox& box = kSharedBoxes[rnd.random(4)];
        cellAt(b.board, box.secondColumn + rnd.random(3), box.secondRow + rnd.random(3), box.secondGrid) =
            static_cast<std::uint8_t>(rnd.random(10));
    }
    switch (rnd.random(4)) {
    case 0: break;
    case 1: b.solution = field; break;
    case 2: b.solution = test::fullBoard(rnd.random(1 << 30)).board; break;
    default:
        b.solution = field;
        for (int n = rnd.random(100); n > 0; --n) test::setBoth(b.solution, rnd.random(9) + 1, rnd.random(9) + 1, rnd.random(4), 0);
    }
    b.errorCount = static_cast<std::int16_t>(rnd.random(5));
    b.activeGrid = static_cast<std::int16_t>(rnd.random(4));
    return b;
}

// Everything but the rule check's scratch tally, which only the literal path uses.
void expectSameState(const Board& lit, const Board& fast) {
    EXPECT_EQ(lit.board, fast.board);
    EXPECT_EQ(lit.givens, fast.givens);
    EXPECT_EQ(lit.solution, fast.solution);
    EXPECT_EQ(lit.boardBackup, fast.boardBackup);
    EXPECT_EQ(lit.candidates, fast.candidates);
    EXPECT_EQ(lit.symbolCounts, fast.symbolCounts);
    EXPECT_EQ(std::tie(lit.noSolution, lit.errorCount, lit.boardChanged, lit.activeGrid, lit.silentSolve),
              std::tie(fast.noSolution, fast.errorCount, fast.boardChanged, fast.activeGrid, fast.silentSolve));
}

struct Outcome {
    Board board;
    test::Trace trace;
    test::RecordingView view;
    int passes = 0;
};

TEST(FastPath, MatchesLiteralStepsOnRandomBoards) {
    // How much behaviour the boards reached, so that a change to the mix cannot quietly stop testing it.
    int placing = 0, manyPasses = 0, conflicting = 0, errorsZeroed = 0, errorsCounted = 0, timingStopped = 0,
        deadEnds = 0, solved = 0, unsolved = 0;
    for (int i = 0; i < kBoards; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE(testing::Message() << "board seed " << seed);
        SeededRandom rnd(seed);
        const Board start = randomBoard(rnd);
        const bool hidden = rnd.random(2) == 0;
        Outcome lit, fast;
        for (auto [o, path] : {std::pair{&lit, SolverPath::Literal}, std::pair{&fast, SolverPath::Fast}}) {
            o->board = start;
            o->passes = hidden ? computeSolution(o->board, o->view, path, &o->trace)
                               : runSolvePasses(o->board, o->view, &o->trace, path);
        }
        const auto& a = lit.trace.placements;
        const auto& f = fast.trace.placements;
        const auto diff = std::mismatch(a.begin(), a.end(), f.begin(), f.end(),
                                        [](const Placement& x, const Placement& y) { return key(x) == key(y); });
        ASSERT_TRUE(diff.first == a.end() && diff.second == f.end())
            << "placements differ from number " << (diff.first - a.begin()) << " of " << a.size() << " and " << f.size();
        ASSERT_EQ(lit.passes, fast.passes);
        ASSERT_EQ(lit.view.shown.size(), fast.view.shown.size());
        ASSERT_EQ(lit.view.stopTimingCalls, fast.view.stopTimingCalls);
        expectSameState(lit.board, fast.board);
        timingStopped += lit.view.stopTimingCalls > 0;

        // Candidates and dead ends on the solved board and on the start board, whose conflicts and
        // unequal copies the solve may have left alone.
        Board solvedLit = lit.board, solvedFast = fast.board, startLit = start, startFast = start;
        for (auto [l, f2] : {std::pair{&solvedLit, &solvedFast}, std::pair{&startLit, &startFast}}) {
            ASSERT_EQ(hasNoDeadEnd(*l, SolverPath::Literal), hasNoDeadEnd(*f2, SolverPath::Fast));
            computeCandidates(*l, lit.view, true, SolverPath::Literal);
            computeCandidates(*f2, fast.view, true, SolverPath::Fast);
            expectSameState(*l, *f2);
        }
        if (HasFailure()) return;

        Board probe = start;
        placing += !a.empty();
        manyPasses += lit.passes >= 6;
        conflicting += !checkRules(probe);
        errorsZeroed += start.errorCount != 0 && lit.board.errorCount == 0;
        errorsCounted += lit.board.errorCount > start.errorCount;
        deadEnds += !hasNoDeadEnd(probe);
        solved += hidden && !lit.board.noSolution;
        unsolved += hidden && lit.board.noSolution;
    }
    std::printf("%d boards: placing %d, 6+ passes %d, conflicting %d, errors zeroed %d, counted %d, timing "
                "stopped %d, dead ends %d, hidden solves complete %d, incomplete %d\n",
                kBoards, placing, manyPasses, conflicting, errorsZeroed, errorsCounted, timingStopped, deadEnds, solved,
                unsolved);
    EXPECT_GT(placing, kBoards / 2);
    EXPECT_GT(std::min({manyPasses, errorsZeroed, errorsCounted, deadEnds, solved, unsolved}), 100);
    EXPECT_GT(conflicting, kBoards / 20);
    EXPECT_GT(timingStopped, 10);
}

// Entries above 9 can come from a damaged board file: the rule check takes them for a conflict, and
// the fast path, whose masks cannot hold them, hands such boards to the literal steps.
TEST(FastPath, EntryAboveNineGivesTheLiteralResults) {
    Board start = test::fullBoard(kBaseSeed);
    cellAt(start.board, 5, 5, 1) = cellAt(start.board, 2, 3, 0) = 0;
    cellAt(start.board, 6, 6, 3) = 200;
    for (const SolverPath path : {SolverPath::Literal, SolverPath::Fast}) {
        Board b = start;
        test::RecordingView view;
        EXPECT_EQ(runSolvePasses(b, view, nullptr, path), 1);
        EXPECT_EQ(b.board, start.board);
        EXPECT_FALSE(hasNoDeadEnd(b, path));
        computeCandidates(b, view, true, path);
        EXPECT_EQ(b.candidates, CandidateFlags{});
    }
}

} // namespace
} // namespace quintaro
