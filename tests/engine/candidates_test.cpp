// Candidates, the dead-end test, the full-field count, restarting and clearing.
#include <gtest/gtest.h>

#include "engine/candidates.h"
#include "engine/full_field.h"
#include "engine/random_source.h"
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

Board fullBoard(std::uint64_t seed) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    return b;
}

class CandidatePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(CandidatePaths, CellSurroundedByEightSymbolsHasOneCandidate) {
    Board b = fullBoard(31);
    const int v = cellAt(b.board, 5, 5, 2);
    cellAt(b.board, 5, 5, 2) = 0;
    cellAt(b.board, 1, 1, 0) = 0; // a second gap elsewhere changes nothing here
    RecordingView view;
    computeCandidates(b, view, true, GetParam());
    EXPECT_EQ(candidatesOf(b, 5, 5, 2), std::vector<int>{v});
    EXPECT_TRUE(candidatesOf(b, 4, 4, 2).empty()); // filled cells have none
    EXPECT_EQ(view.stopTimingCalls, 1);
    EXPECT_EQ(view.candidateDraws, 1);
}

TEST_P(CandidatePaths, SharedCellKeepsOnlyWhatBothGridsAdmit) {
    // Upper-right shared cell: grid 0's (7, 7) is grid 2's (1, 1). Grid 0's row 7 holds 1 and 2,
    // grid 2's row 1 holds 3 and its column 1 holds 4.
    Board b;
    cellAt(b.board, 1, 7, 0) = 1;
    cellAt(b.board, 4, 7, 0) = 2;
    cellAt(b.board, 5, 1, 2) = 3;
    cellAt(b.board, 1, 9, 2) = 4;
    syncSharedBoxes(b);
    RecordingView view;
    computeCandidates(b, view, true, GetParam());
    const std::vector<int> both{5, 6, 7, 8, 9};
    EXPECT_EQ(candidatesOf(b, 7, 7, 0), both);
    EXPECT_EQ(candidatesOf(b, 1, 1, 2), both);
    // Its neighbour in both rows lies in another column of grid 2, which holds no 4.
    EXPECT_EQ(candidatesOf(b, 8, 7, 0), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(candidatesOf(b, 2, 1, 2), (std::vector<int>{4, 5, 6, 7, 8, 9}));
}

TEST_P(CandidatePaths, ConflictAnywhereLeavesNoCandidate) {
    Board b;
    cellAt(b.board, 9, 9, 3) = 4;
    cellAt(b.board, 9, 1, 3) = 4;
    b.candidates.fill(true);
    RecordingView view;
    computeCandidates(b, view, true, GetParam());
    EXPECT_EQ(b.candidates, CandidateFlags{});
}

TEST_P(CandidatePaths, HiddenCandidatesAreOnlyMergedAndDrawn) {
    Board b;
    b.candidates[candidateIndex(1, 7, 2, 0)] = true; // master flag without its twin's
    b.candidates[candidateIndex(5, 5, 3, 0)] = true;
    RecordingView view;
    computeCandidates(b, view, false, GetParam());
    EXPECT_FALSE(b.candidates[candidateIndex(1, 7, 2, 0)]);
    EXPECT_TRUE(b.candidates[candidateIndex(5, 5, 3, 0)]);
    EXPECT_EQ(view.stopTimingCalls, 0);
    EXPECT_EQ(view.candidateDraws, 1);
}

TEST_P(CandidatePaths, DeadEndTest) {
    Board full = fullBoard(37);
    EXPECT_TRUE(hasNoDeadEnd(full, GetParam()));
    // A full field passes whatever conflicts it holds; a conflict with any gap fails.
    std::swap(cellAt(full.board, 4, 4, 0), cellAt(full.board, 4, 5, 0));
    EXPECT_TRUE(hasNoDeadEnd(full, GetParam()));
    cellAt(full.board, 9, 9, 3) = 0;
    EXPECT_FALSE(hasNoDeadEnd(full, GetParam()));

    Board empty;
    EXPECT_TRUE(hasNoDeadEnd(empty, GetParam()));
    // Each copy of a shared cell is tried on its own: grid 0 leaves its copy of (7, 7) only 9,
    // grid 2 leaves its copy, (1, 1), only 8. No symbol fits both, yet neither copy is a dead end.
    Board split;
    for (int c = 1; c <= 6; ++c) {
        cellAt(split.board, c, 7, 0) = static_cast<std::uint8_t>(c);
        cellAt(split.board, c + 3, 1, 2) = static_cast<std::uint8_t>(c);
    }
    cellAt(split.board, 7, 1, 0) = 7;
    cellAt(split.board, 7, 2, 0) = 8;
    cellAt(split.board, 1, 4, 2) = 7;
    cellAt(split.board, 1, 5, 2) = 9;
    syncSharedBoxes(split);
    ASSERT_TRUE(checkRules(split));
    EXPECT_TRUE(hasNoDeadEnd(split, GetParam()));
    cellAt(split.board, 1, 6, 2) = 8; // now grid 2's copy admits nothing
    EXPECT_FALSE(hasNoDeadEnd(split, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Engine, CandidatePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast),
                         [](const auto& info) { return info.param == SolverPath::Fast ? "Fast" : "Literal"; });

TEST(FieldFull, CountsDistinctCellsNotRules) {
    Board b = fullBoard(41);
    EXPECT_TRUE(isFieldFull(b));
    EXPECT_EQ(b.symbolCounts[5], kSymbolTotal);
    std::swap(cellAt(b.board, 1, 4, 0), cellAt(b.board, 2, 4, 0)); // still full, now wrong
    EXPECT_TRUE(isFieldFull(b));
    cellAt(b.board, 2, 2, 3) = 0; // the second copy of a shared cell: counts restore it from the master
    EXPECT_TRUE(isFieldFull(b));
    EXPECT_NE(cellAt(b.board, 2, 2, 3), 0);
    cellAt(b.board, 8, 8, 1) = 0; // its master copy
    EXPECT_FALSE(isFieldFull(b));
}

TEST(RestartAndClear, RestartKeepsExactlyTheGivens) {
    Board b = fullBoard(43);
    b.givens = b.board;
    for (int c = 1; c <= 9; ++c) {
        cellAt(b.givens, c, 3, 0) = 0; // a row of grid 0 entered by the player
        cellAt(b.givens, c, 5, 1) = 0;
    }
    b.candidates.fill(true);
    b.solution = b.board;
    b.noSolution = true;
    restartBoard(b);
    for (int i = 0; i < kCellLayerSize; ++i) {
        if (i / 40 != 0 && i / 4 % 10 != 0) {
            ASSERT_EQ(b.board[i], b.givens[i]) << i;
        }
    }
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_TRUE(b.noSolution);
    EXPECT_EQ(test::filledCells(b.solution), 4 * 81);
}

TEST(RestartAndClear, ClearEmptiesTheFieldButKeepsTheSolution) {
    Board b = fullBoard(47);
    b.givens = b.board;
    b.solution = b.board;
    b.candidates.fill(true);
    b.noSolution = true;
    clearBoard(b);
    EXPECT_FALSE(b.noSolution);
    EXPECT_EQ(b.board, CellLayer{});
    EXPECT_EQ(b.givens, CellLayer{});
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_EQ(test::filledCells(b.solution), 4 * 81);
}

} // namespace
} // namespace quintaro
