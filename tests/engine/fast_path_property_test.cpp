// The fast path against the literal steps on many random boards: same placements, same state.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

#include "engine/candidates.h"
#include "engine/full_field.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "engine/solution.h"
#include "engine/solver.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x5EED0001;
constexpr int kBoards = 10000;

struct Trace : PlacementObserver {
    std::vector<Placement> placements;
    void placed(const Placement& p) override { placements.push_back(p); }
};

bool samePlacements(const std::vector<Placement>& a, const std::vector<Placement>& b, std::string& why) {
    if (a.size() != b.size()) {
        why = "literal placed " + std::to_string(a.size()) + ", fast " + std::to_string(b.size());
    }
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        const Placement& x = a[i];
        const Placement& y = b[i];
        if (x.scan != y.scan || x.grid != y.grid || x.unit != y.unit || x.symbol != y.symbol ||
            x.column != y.column || x.row != y.row || x.pass != y.pass) {
            why = "placement " + std::to_string(i) + " differs: literal " + scanName(x.scan) + " g" +
                  std::to_string(x.grid) + " s" + std::to_string(x.symbol) + " at " + std::to_string(x.column) +
                  "," + std::to_string(x.row) + "; fast " + scanName(y.scan) + " g" + std::to_string(y.grid) +
                  " s" + std::to_string(y.symbol) + " at " + std::to_string(y.column) + "," + std::to_string(y.row);
            return false;
        }
    }
    return a.size() == b.size();
}

// Everything but the rule check's scratch tally, which only the literal path uses.
void expectSameState(const Board& lit, const Board& fast) {
    EXPECT_EQ(lit.board, fast.board);
    EXPECT_EQ(lit.givens, fast.givens);
    EXPECT_EQ(lit.solution, fast.solution);
    EXPECT_EQ(lit.boardBackup, fast.boardBackup);
    EXPECT_EQ(lit.candidates, fast.candidates);
    EXPECT_EQ(lit.symbolCounts, fast.symbolCounts);
    EXPECT_EQ(lit.noSolution, fast.noSolution);
    EXPECT_EQ(lit.errorCount, fast.errorCount);
    EXPECT_EQ(lit.boardChanged, fast.boardChanged);
    EXPECT_EQ(lit.activeGrid, fast.activeGrid);
    EXPECT_EQ(lit.silentSolve, fast.silentSolve);
}

void setBoth(CellLayer& layer, int c, int r, int g, int v) {
    cellAt(layer, c, r, g) = static_cast<std::uint8_t>(v);
    int tc = 0, tr = 0, tg = 0;
    if (sharedTwin(c, r, g, tc, tr, tg)) cellAt(layer, tc, tr, tg) = static_cast<std::uint8_t>(v);
}

// Empties distinct cells of the full field in random order, keeping each removal only while the
// passes still complete the field, until `givens` distinct cells remain: a puzzle that needs many passes.
void carvePuzzle(CellLayer& layer, int givens, SeededRandom& rnd) {
    std::vector<std::array<int, 3>> cells; // master copies of the distinct cells, in random order
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                int tc = 0, tr = 0, tg = 0;
                if (!sharedTwin(c, r, g, tc, tr, tg) || tg > g) cells.push_back({c, r, g});
            }
        }
    }
    for (std::size_t i = cells.size() - 1; i > 0; --i) std::swap(cells[i], cells[rnd.random(static_cast<int>(i) + 1)]);
    int filled = kDistinctCells;
    for (const auto& [c, r, g] : cells) {
        if (filled == givens) break;
        const int v = cellAt(layer, c, r, g);
        setBoth(layer, c, r, g, 0);
        Board probe;
        probe.board = layer;
        BoardView quiet;
        runSolvePasses(probe, quiet);
        if (isFieldFull(probe)) {
            --filled;
        } else {
            setBoth(layer, c, r, g, v);
        }
    }
}

// A random board: a full field with gaps (mostly few, sometimes many, sometimes carved into a real
// puzzle), player entries right and wrong, sometimes a deliberate repeat, sometimes unequal shared
// copies, and a solution that may be right, stale, partial or unknown.
Board randomBoard(SeededRandom& rnd) {
    Board b;
    CellLayer field{};
    generateFullField(field, rnd);
    b.board = field;
    const int kind = rnd.random(100);
    if (kind < 4) {
        carvePuzzle(b.board, 60 + rnd.random(60), rnd);
    } else {
        const int gaps = kind < 80 ? rnd.random(24) : kind < 96 ? 24 + rnd.random(60) : 84 + rnd.random(130);
        for (int n = 0; n < gaps;) {
            const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
            if (cellAt(b.board, c, r, g) == 0) continue;
            setBoth(b.board, c, r, g, 0);
            ++n;
        }
    }
    b.givens = b.board;
    // Player entries in some gaps: right ones, and wrong ones that may or may not break a rule.
    const int entries = rnd.random(4) == 0 ? rnd.random(6) : 0;
    for (int n = 0; n < entries; ++n) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.givens, c, r, g) != 0) continue;
        setBoth(b.board, c, r, g, rnd.random(3) == 0 ? cellAt(field, c, r, g) : rnd.random(9) + 1);
    }
    if (rnd.random(8) == 0) {
        // A repeat in one row, placed where the grid's scan meets it early or late.
        const int g = rnd.random(4), r = rnd.random(9) + 1;
        const int c1 = rnd.random(9) + 1, c2 = c1 % 9 + 1;
        if (cellAt(b.board, c1, r, g) != 0) setBoth(b.board, c2, r, g, cellAt(b.board, c1, r, g));
    }
    if (rnd.random(40) == 0) {
        const SharedBox& box = kSharedBoxes[rnd.random(4)];
        cellAt(b.board, box.secondColumn + rnd.random(3), box.secondRow + rnd.random(3), box.secondGrid) =
            static_cast<std::uint8_t>(rnd.random(10));
    }
    switch (rnd.random(4)) {
    case 0: break;                       // no solution known yet
    case 1: b.solution = field; break;   // the right one
    case 2: generateFullField(b.solution, rnd); break; // a stale one from another board
    default:
        b.solution = field;
        for (int n = rnd.random(100); n > 0; --n) setBoth(b.solution, rnd.random(9) + 1, rnd.random(9) + 1, rnd.random(4), 0);
    }
    b.errorCount = static_cast<std::int16_t>(rnd.random(5));
    b.activeGrid = static_cast<std::int16_t>(rnd.random(4));
    return b;
}

struct Outcome {
    Board board;
    Trace trace;
    test::RecordingView view;
    int passes = 0;
};

// How much of the behaviour the random boards reached, so that a change to the mix cannot quietly
// stop exercising it.
struct Coverage {
    int placing = 0, manyPasses = 0, conflicting = 0, errorsZeroed = 0, errorsCounted = 0,
        timingStopped = 0, deadEnds = 0, solved = 0, unsolved = 0;
};

TEST(FastPath, MatchesLiteralStepsOnRandomBoards) {
    Coverage seen;
    for (int i = 0; i < kBoards; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE(testing::Message() << "board seed " << seed);
        SeededRandom rnd(seed);
        const Board start = randomBoard(rnd);
        const bool hidden = rnd.random(2) == 0;

        Outcome lit, fast;
        lit.board = fast.board = start;
        auto solve = [&](Outcome& o, SolverPath path) {
            o.passes = hidden ? computeSolution(o.board, o.view, path, &o.trace)
                              : runSolvePasses(o.board, o.view, &o.trace, path);
        };
        solve(lit, SolverPath::Literal);
        solve(fast, SolverPath::Fast);
        seen.timingStopped += lit.view.stopTimingCalls > 0;
        std::string why;
        ASSERT_TRUE(samePlacements(lit.trace.placements, fast.trace.placements, why)) << why;
        ASSERT_EQ(lit.passes, fast.passes);
        ASSERT_EQ(lit.view.shown.size(), fast.view.shown.size());
        ASSERT_EQ(lit.view.stopTimingCalls, fast.view.stopTimingCalls);
        expectSameState(lit.board, fast.board);

        // Candidates and the dead-end test on the board as it stands after the solve.
        computeCandidates(lit.board, lit.view, true, SolverPath::Literal);
        computeCandidates(fast.board, fast.view, true, SolverPath::Fast);
        ASSERT_EQ(lit.board.candidates, fast.board.candidates);
        ASSERT_EQ(hasNoDeadEnd(lit.board, SolverPath::Literal), hasNoDeadEnd(fast.board, SolverPath::Fast));
        // And on the start board, whose conflicts and unequal copies the solve may have left alone.
        Board a = start, f = start;
        computeCandidates(a, lit.view, true, SolverPath::Literal);
        computeCandidates(f, fast.view, true, SolverPath::Fast);
        ASSERT_EQ(a.candidates, f.candidates);
        ASSERT_EQ(hasNoDeadEnd(a, SolverPath::Literal), hasNoDeadEnd(f, SolverPath::Fast));
        expectSameState(a, f);
        if (HasFailure()) return;

        Board probe = start;
        seen.placing += !lit.trace.placements.empty();
        seen.manyPasses += lit.passes >= 6;
        seen.conflicting += !checkRules(probe);
        seen.errorsZeroed += start.errorCount != 0 && lit.board.errorCount == 0;
        seen.errorsCounted += lit.board.errorCount > start.errorCount;
        seen.deadEnds += !hasNoDeadEnd(probe, SolverPath::Fast);
        if (hidden) {
            seen.solved += !lit.board.noSolution;
            seen.unsolved += lit.board.noSolution;
        }
    }
    std::printf("boards %d: placing %d, >=6 passes %d, conflicting %d, errors zeroed %d, "
                "errors counted %d, timing stopped %d, dead ends %d, hidden solved %d, unsolved %d\n",
                kBoards, seen.placing, seen.manyPasses, seen.conflicting, seen.errorsZeroed,
                seen.errorsCounted, seen.timingStopped, seen.deadEnds, seen.solved, seen.unsolved);
    EXPECT_GT(seen.placing, kBoards / 2);
    EXPECT_GT(seen.manyPasses, 50);
    EXPECT_GT(seen.conflicting, kBoards / 20);
    EXPECT_GT(seen.errorsZeroed, 100);
    EXPECT_GT(seen.errorsCounted, 100);
    EXPECT_GT(seen.timingStopped, 10);
    EXPECT_GT(seen.deadEnds, 100);
    EXPECT_GT(seen.solved, 100);
    EXPECT_GT(seen.unsolved, 100);
}

// Entries above 9 can come from a damaged board file. The rule check takes them for a conflict; the
// masks cannot hold them, so the fast path hands such boards to the literal steps.
TEST(FastPath, EntryAboveNineGivesTheLiteralResults) {
    SeededRandom rnd(kBaseSeed);
    Board start;
    generateFullField(start.board, rnd);
    cellAt(start.board, 5, 5, 1) = 0;
    cellAt(start.board, 2, 3, 0) = 0;
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
