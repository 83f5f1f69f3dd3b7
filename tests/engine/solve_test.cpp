// The deduction passes, the hidden solve and the solve command.
#include <gtest/gtest.h>

#include <vector>

#include "engine/candidates.h"
#include "engine/full_field.h"
#include "engine/player_cell.h"
#include "engine/random_source.h"
#include "engine/solution.h"
#include "engine/solver.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::RecordingView;

struct Trace : PlacementObserver {
    std::vector<Placement> placements;
    void placed(const Placement& p) override { placements.push_back(p); }
};

// A full field with `gaps` random distinct cells emptied (both copies), all the rest givens.
Board puzzleWithGaps(std::uint64_t seed, int gaps) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    while (gaps > 0) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.board, c, r, g) == 0) continue;
        cellAt(b.board, c, r, g) = 0;
        int tc = 0, tr = 0, tg = 0;
        if (sharedTwin(c, r, g, tc, tr, tg)) cellAt(b.board, tc, tr, tg) = 0;
        --gaps;
    }
    b.givens = b.board;
    return b;
}

class SolvePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(SolvePaths, ConflictAnywherePlacesNothingInOnePass) {
    Board b = puzzleWithGaps(5, 80);
    // A repeat in grid 3, far from most gaps.
    cellAt(b.board, 9, 9, 3) = 0;
    cellAt(b.board, 8, 9, 3) = 0;
    cellAt(b.board, 9, 9, 3) = cellAt(b.board, 9, 8, 3);
    const CellLayer before = b.board;
    RecordingView view;
    EXPECT_EQ(runSolvePasses(b, view, nullptr, GetParam()), 1);
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.boardChanged);
    EXPECT_TRUE(view.shown.empty());
}

TEST_P(SolvePaths, PuzzleWithScatteredGapsIsSolvedToItsField) {
    SeededRandom rnd(7);
    Board full;
    generateFullField(full.board, rnd);
    Board b = puzzleWithGaps(7, 70);
    RecordingView view;
    const int passes = runSolvePasses(b, view, nullptr, GetParam());
    EXPECT_GE(passes, 2);
    EXPECT_EQ(b.board, full.board);
    EXPECT_EQ(view.shown.size(), 70u);
}

TEST_P(SolvePaths, HiddenSolveLeavesBoardByteIdentical) {
    Board b = puzzleWithGaps(11, 60);
    b.board[0] = 17; // index-0 entries are never copied, so they must survive untouched
    b.board[cellIndex(0, 5, 2)] = 3;
    b.board[cellIndex(4, 0, 1)] = 8;
    const CellLayer before = b.board;
    RecordingView view;
    computeSolution(b, view, GetParam());
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.noSolution);
    EXPECT_FALSE(b.silentSolve);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(b.solution[0], 0);
    Board solved;
    solved.board = b.solution;
    EXPECT_TRUE(isFieldFull(solved));
    EXPECT_TRUE(checkRules(solved));
}

INSTANTIATE_TEST_SUITE_P(Engine, SolvePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast),
                         [](const auto& info) { return info.param == SolverPath::Fast ? "Fast" : "Literal"; });

} // namespace
} // namespace quintaro
