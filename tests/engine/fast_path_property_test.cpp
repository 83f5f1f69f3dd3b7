// The fast path against the literal steps on many random boards: same placements, same state.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine_test_support.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x5EED0001;
constexpr int kBoards = 10000;

// Empties distinct cells in random order, keeping each removal while the passes still complete the
// field, until `givens` remain: a real puzzle, needing many passes.
void carvePuzzle(CellLayer& layer, int givens, SeededRandom& rnd) {
    std::vector<int> cells; // layer indices of master copies
    for (int i = 0, tc = 0, tr = 0, tg = 0; i < kCellLayerSize; ++i)
        if (layer[i] && (!sharedTwin(i / 40, i / 4 % 10, i % 4, tc, tr, tg) || tg > i % 4)) cells.push_back(i);
    for (std::size_t i = cells.size() - 1; i > 0; --i) std::swap(cells[i], cells[rnd.random(static_cast<int>(i) + 1)]);
    for (int filled = kDistinctCells; const int i : cells) {
        if (filled == givens) break;
        const int v = layer[i];
        test::setBoth(layer, i / 40, i / 4 % 10, i % 4, 0);
        Board probe;
        probe.board = layer;
        runSolvePasses(probe);
        if (isFieldFull(probe))
            --filled;
        else
            test::setBoth(layer, i / 40, i / 4 % 10, i % 4, v);
    }
}

// A full field with gaps (mostly few, sometimes many, sometimes carved into a real puzzle), entries
// of the player right and wrong, sometimes a repeat, unequal shared copies or a damaged entry, and a
// solution that is right, stale, partial or unknown.
Board randomBoard(SeededRandom& rnd) {
    const CellLayer field = test::fullBoard(rnd.random(1 << 30)).board;
    Board b;
    b.board = field;
    const int kind = rnd.random(100);
    if (kind < 4) carvePuzzle(b.board, 60 + rnd.random(60), rnd);
    for (int n = kind < 4    ? 0
                 : kind < 80 ? rnd.random(24)
                 : kind < 96 ? 24 + rnd.random(60)
                             : 84 + rnd.random(130);
         n > 0;) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.board, c, r, g) == 0) continue;
        test::setBoth(b.board, c, r, g, 0);
        --n;
    }
    b.givens = b.board;
    for (int n = rnd.random(4) == 0 ? rnd.random(6) : 0; n > 0; --n) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.givens, c, r, g) == 0)
            test::setBoth(b.board, c, r, g, rnd.random(3) ? rnd.random(9) + 1 : cellAt(field, c, r, g));
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
    const int solution = rnd.random(4); // unknown, right, stale or partial
    if (solution % 2) b.solution = field;
    if (solution == 2) b.solution = test::fullBoard(rnd.random(1 << 30)).board;
    for (int n = solution == 3 ? rnd.random(100) : 0; n > 0; --n)
        test::setBoth(b.solution, rnd.random(9) + 1, rnd.random(9) + 1, rnd.random(4), 0);
    b.errorCount = static_cast<std::int16_t>(rnd.random(5));
    // An entry above 9, as in a damaged board file: the fast path must leave such boards to the literal steps.
    if (rnd.random(40) == 0) cellAt(b.board, rnd.random(9) + 1, rnd.random(9) + 1, rnd.random(4)) = 200;
    return b;
}

// Everything but the rule check's scratch tally, which only the literal path uses.
void expectSameState(const Board& lit, const Board& fast) {
    EXPECT_EQ(lit.board, fast.board);
    EXPECT_EQ(lit.solution, fast.solution);
    EXPECT_EQ(lit.boardBackup, fast.boardBackup);
    EXPECT_EQ(lit.candidates, fast.candidates);
    const auto rest = [](const Board& b) {
        return std::tie(b.givens, b.symbolCounts, b.noSolution, b.errorCount, b.boardChanged, b.silentSolve);
    };
    EXPECT_EQ(rest(lit), rest(fast));
}

constexpr SolverPath kPaths[2] = {SolverPath::Literal, SolverPath::Fast};

TEST(FastPath, MatchesLiteralStepsOnRandomBoards) {
    std::map<std::string, int> reached; // behaviour the boards reached, so the mix cannot quietly stop testing it
    for (int i = 0; i < kBoards; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE(testing::Message() << "board seed " << seed);
        SeededRandom rnd(seed);
        const Board start = randomBoard(rnd);
        const bool hidden = rnd.random(2) == 0;
        Board out[2] = {start, start};
        test::Trace trace[2];
        int passes[2];
        for (int k = 0; k < 2; ++k)
            passes[k] =
                hidden ? computeSolution(out[k], kPaths[k], &trace[k]) : runSolvePasses(out[k], &trace[k], kPaths[k]);
        const auto& a = trace[0].placements;
        const auto& f = trace[1].placements;
        const auto [l, m] = std::mismatch(a.begin(), a.end(), f.begin(), f.end());
        ASSERT_TRUE(l == a.end() && m == f.end())
            << "placement " << (l - a.begin()) << ": literal " << (l == a.end() ? "none" : *l) << ", fast "
            << (m == f.end() ? "none" : *m);
        ASSERT_EQ(passes[0], passes[1]);
        ASSERT_EQ(trace[0].judged, trace[1].judged);
        expectSameState(out[0], out[1]);
        const auto& judged = trace[0].judged;
        reached["timing stopped"] +=
            std::any_of(judged.begin(), judged.end(), [](CellJudgement j) { return j.thirdError; });

        // Candidates and dead ends on the solved board and on the start board, whose conflicts and
        // unequal copies the solve may have left alone.
        for (const Board& from : {out[0], start}) {
            Board c[2] = {from, from};
            ASSERT_EQ(hasNoDeadEnd(c[0], kPaths[0]), hasNoDeadEnd(c[1], kPaths[1]));
            for (int k = 0; k < 2; ++k) computeCandidates(c[k], true, kPaths[k]);
            expectSameState(c[0], c[1]);
        }
        if (HasFailure()) return;

        Board probe = start;
        reached["placing"] += !a.empty();
        reached["6+ passes"] += passes[0] >= 6;
        reached["conflicting"] += !checkRules(probe);
        reached["errors zeroed"] += start.errorCount != 0 && out[0].errorCount == 0;
        reached["errors counted"] += out[0].errorCount > start.errorCount;
        reached["dead ends"] += !hasNoDeadEnd(probe);
        reached["entry above 9"] += std::any_of(start.board.begin(), start.board.end(), [](int v) { return v > 9; });
        reached[hidden && out[0].noSolution ? "hidden solve incomplete"
                : hidden                    ? "hidden solve complete"
                                            : "passes only"]++;
    }
    ASSERT_EQ(reached.size(), 11u);
    for (const auto& [what, n] : reached) EXPECT_GT(n, 100) << what;
}

} // namespace
} // namespace quintaro
