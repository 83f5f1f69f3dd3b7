// Candidates, the dead-end test, the full-field count, restarting and clearing.
#include <gtest/gtest.h>

#include "engine/candidates.h"
#include "engine/solution.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::RecordingView;

std::vector<int> candidatesOf(const Board& b, int c, int r, int g) {
    std::vector<int> out;
    for (int s = 1; s <= 9; ++s) {
        if (b.candidates[candidateIndex(c, r, s, g)]) out.push_back(s);
    }
    return out;
}

class CandidatePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(CandidatePaths, EmptyCellsGetWhatTheirUnitsLeave) {
    Board b = test::fullBoard(31);
    const int v = cellAt(b.board, 5, 5, 2);
    cellAt(b.board, 5, 5, 2) = cellAt(b.board, 1, 1, 0) = 0;
    RecordingView view;
    computeCandidates(b, view, true, GetParam());
    EXPECT_EQ(candidatesOf(b, 5, 5, 2), std::vector<int>{v});
    EXPECT_TRUE(candidatesOf(b, 4, 4, 2).empty()); // filled cells have none
    EXPECT_EQ(view.stopTimingCalls, 1);
    EXPECT_EQ(view.candidateDraws, 1);

    cellAt(b.board, 9, 9, 3) = cellAt(b.board, 9, 1, 3); // a conflict anywhere: no candidate at all
    computeCandidates(b, view, true, GetParam());
    EXPECT_EQ(b.candidates, CandidateFlags{});
}

TEST_P(CandidatePaths, SharedCellKeepsOnlyWhatBothGridsAdmit) {
    // Grid 0's (7, 7) is grid 2's (1, 1): grid 0's row 7 holds 1 and 2, grid 2's row 1 holds 3 and
    // its column 1 holds 4. The neighbour (8, 7) lies in grid 2's column 2, which holds no 4.
    Board b;
    cellAt(b.board, 1, 7, 0) = 1;
    cellAt(b.board, 4, 7, 0) = 2;
    cellAt(b.board, 5, 1, 2) = 3;
    cellAt(b.board, 1, 9, 2) = 4;
    syncSharedBoxes(b);
    RecordingView view;
    computeCandidates(b, view, true, GetParam());
    EXPECT_EQ(candidatesOf(b, 7, 7, 0), (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(candidatesOf(b, 1, 1, 2), (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(candidatesOf(b, 2, 1, 2), (std::vector<int>{4, 5, 6, 7, 8, 9}));
}

TEST_P(CandidatePaths, DeadEndTestTriesEachCopyOnItsOwn) {
    Board full = test::fullBoard(37);
    std::swap(cellAt(full.board, 4, 4, 0), cellAt(full.board, 4, 5, 0));
    EXPECT_TRUE(hasNoDeadEnd(full, GetParam())); // full, whatever its conflicts
    cellAt(full.board, 9, 9, 3) = 0;
    EXPECT_FALSE(hasNoDeadEnd(full, GetParam())); // a conflict and a gap
    // Grid 0 leaves its copy of (7, 7) only 9, grid 2 leaves its copy, (1, 1), only 8. No symbol
    // fits both, yet neither copy on its own is a dead end.
    Board split;
    for (int c = 1; c <= 6; ++c) {
        cellAt(split.board, c, 7, 0) = static_cast<std::uint8_t>(c);
        cellAt(split.board, c + 3, 1, 2) = static_cast<std::uint8_t>(c);
    }
    cellAt(split.board, 7, 1, 0) = cellAt(split.board, 1, 4, 2) = 7;
    cellAt(split.board, 7, 2, 0) = 8;
    cellAt(split.board, 1, 5, 2) = 9;
    syncSharedBoxes(split);
    ASSERT_TRUE(checkRules(split));
    EXPECT_TRUE(hasNoDeadEnd(split, GetParam()));
    cellAt(split.board, 1, 6, 2) = 8; // now grid 2's copy admits nothing
    EXPECT_FALSE(hasNoDeadEnd(split, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Engine, CandidatePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast), test::pathName);

TEST(Candidates, HiddenCandidatesAreOnlyMergedAndDrawn) {
    Board b;
    b.candidates[candidateIndex(1, 7, 2, 0)] = true; // master flag without its twin's
    b.candidates[candidateIndex(5, 5, 3, 0)] = true;
    RecordingView view;
    computeCandidates(b, view, false);
    EXPECT_FALSE(b.candidates[candidateIndex(1, 7, 2, 0)]);
    EXPECT_TRUE(b.candidates[candidateIndex(5, 5, 3, 0)]);
    EXPECT_EQ(view.stopTimingCalls, 0);
    EXPECT_EQ(view.candidateDraws, 1);
}

TEST(FieldFull, CountsDistinctCellsNotRules) {
    Board b = test::fullBoard(41);
    std::swap(cellAt(b.board, 1, 4, 0), cellAt(b.board, 2, 4, 0));
    EXPECT_TRUE(isFieldFull(b));
    cellAt(b.board, 2, 2, 3) = 0; // a second copy: the count restores it from its master
    EXPECT_TRUE(isFieldFull(b));
    EXPECT_NE(cellAt(b.board, 2, 2, 3), 0);
    cellAt(b.board, 8, 8, 1) = 0; // that master
    EXPECT_FALSE(isFieldFull(b));
}

TEST(RestartAndClear, RestartKeepsTheGivensClearKeepsOnlyTheSolution) {
    Board b = test::fullBoard(43);
    b.givens = b.solution = b.board;
    for (int c = 1; c <= 9; ++c) cellAt(b.givens, c, 3, 0) = cellAt(b.givens, c, 5, 1) = 0;
    b.candidates.fill(true);
    b.noSolution = true;
    restartBoard(b);
    EXPECT_EQ(b.board, b.givens);
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_TRUE(b.noSolution);
    EXPECT_EQ(test::filledCells(b.solution), 4 * 81);
    b.candidates.fill(true);
    clearBoard(b);
    EXPECT_FALSE(b.noSolution);
    EXPECT_EQ(b.board, CellLayer{});
    EXPECT_EQ(b.givens, CellLayer{});
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_EQ(test::filledCells(b.solution), 4 * 81);
}

} // namespace
} // namespace quintaro
