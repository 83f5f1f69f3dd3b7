// The rule check, the full-field generator and count, candidates, restarting and clearing.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine_test_support.h"

namespace quintaro {
namespace {

TEST(RuleCheck, RepeatInAnyColumnRowOrBoxOfAnyGridFails) {
    Board empty;
    EXPECT_TRUE(checkRules(empty));
    // Same column in two boxes, same row, same box only; then an entry above 9, which is no symbol.
    const int repeats[][5] = {{4, 1, 4, 9, 5}, {2, 5, 8, 5, 7}, {7, 7, 9, 9, 3}, {3, 3, 3, 3, 200}};
    for (int g = 0; g < kGridCount; ++g) {
        for (const auto& [c1, r1, c2, r2, v] : repeats) {
            Board b;
            cellAt(b.board, c1, r1, g) = cellAt(b.board, c2, r2, g) = static_cast<std::uint8_t>(v);
            EXPECT_FALSE(checkRules(b)) << "grid " << g << ": " << v << " at " << c1 << "," << r1 << " and " << c2
                                        << "," << r2;
        }
    }
    Board b; // only grid 1's copy of the upper-left box holds the 6 that its row repeats
    cellAt(b.board, 7, 2, 1) = cellAt(b.board, 1, 2, 1) = 6;
    EXPECT_FALSE(checkRules(b));
    Board side; // grids 1 and 2 share field rows, grids 0 and 3 field columns: no conflict between them
    cellAt(side.board, 2, 5, 1) = cellAt(side.board, 8, 5, 2) = 9;
    cellAt(side.board, 5, 2, 0) = cellAt(side.board, 5, 8, 3) = 8;
    EXPECT_TRUE(checkRules(side));
}

// Validity over many seeds is checked with every shuffled field.
TEST(FullField, DrawsFromItsSourceAndEndsEvenWithADegenerateOne) {
    EXPECT_NE(test::fullBoard(42).board, test::fullBoard(43).board);
    struct ConstantRandom : RandomSource {
        int random(int) override { return 0; }
    } constant;
    Board b;
    generateFullField(b.board, constant);
    EXPECT_TRUE(checkRules(b) && isFieldFull(b) && test::sharedCopiesEqual(b.board));
    EXPECT_EQ(std::count(b.board.begin(), b.board.end(), 0), kCellLayerSize - 4 * 81); // index 0 stays empty
}

TEST(FieldFull, CountsEachDistinctCellOnceAndNotTheRules) {
    Board b = test::fullBoard(41);
    std::swap(cellAt(b.board, 1, 4, 0), cellAt(b.board, 2, 4, 0));
    cellAt(b.board, 2, 2, 3) = 0; // a second copy: the count restores it from its master
    EXPECT_TRUE(isFieldFull(b) && cellAt(b.board, 2, 2, 3) != 0);
    clearSharedCopies(b);
    EXPECT_TRUE(test::filledCells(b.board) == kDistinctCells && test::filledCells(b.givens) == kDistinctCells);
    cellAt(b.board, 8, 8, 1) = 0; // that master
    EXPECT_FALSE(isFieldFull(b));
}

std::vector<int> candidatesOf(const Board& b, int c, int r, int g) {
    std::vector<int> out;
    for (int s = 1; s <= 9; ++s)
        if (b.candidates[candidateIndex(c, r, s, g)]) out.push_back(s);
    return out;
}

class CandidatePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(CandidatePaths, EmptyCellsGetWhatTheirUnitsLeaveAndAConflictLeavesNone) {
    Board b = test::fullBoard(31);
    const int v = cellAt(b.board, 5, 5, 2);
    cellAt(b.board, 5, 5, 2) = cellAt(b.board, 1, 1, 0) = 0;
    computeCandidates(b, true, GetParam());
    EXPECT_EQ(candidatesOf(b, 5, 5, 2), std::vector<int>{v});
    EXPECT_TRUE(candidatesOf(b, 4, 4, 2).empty()); // filled cells have none
    cellAt(b.board, 9, 9, 3) = cellAt(b.board, 9, 1, 3);
    computeCandidates(b, true, GetParam());
    EXPECT_EQ(b.candidates, CandidateFlags{});

    // Hidden candidates are only merged (the twin of grid 0's (1, 7) has no flag).
    b.candidates[candidateIndex(1, 7, 2, 0)] = b.candidates[candidateIndex(5, 5, 3, 0)] = true;
    computeCandidates(b, false, GetParam());
    EXPECT_TRUE(!b.candidates[candidateIndex(1, 7, 2, 0)] && b.candidates[candidateIndex(5, 5, 3, 0)]);
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
    computeCandidates(b, true, GetParam());
    EXPECT_EQ(candidatesOf(b, 7, 7, 0), (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(candidatesOf(b, 1, 1, 2), (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(candidatesOf(b, 2, 1, 2), (std::vector<int>{4, 5, 6, 7, 8, 9}));
}

INSTANTIATE_TEST_SUITE_P(Engine, CandidatePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast),
                         test::pathName);

TEST(MergeSharedCandidates, EachCopyOfEveryCellOfAllFourSharedBoxesVetoesItsTwin) {
    // First cell of each copy, from the cross's geometry: upper left, upper right, lower left, lower right.
    const int twins[][6] = {{1, 7, 0, 7, 1, 1}, {7, 7, 0, 1, 1, 2}, {7, 7, 1, 1, 1, 3}, {1, 7, 2, 7, 1, 3}};
    Board b;
    b.candidates.fill(true);
    int cleared = 0;
    for (const auto& [c1, r1, g1, c2, r2, g2] : twins) {
        for (int d = 0; d < 9; ++d) { // the symbol d + 1 is vetoed by one copy of cell d, alternating sides
            const bool first = d % 2 == 0;
            b.candidates[candidateIndex((first ? c1 : c2) + d % 3, (first ? r1 : r2) + d / 3, d + 1, first ? g1 : g2)] =
                false;
            ++cleared;
        }
    }
    mergeSharedCandidates(b);
    for (const auto& [c1, r1, g1, c2, r2, g2] : twins) {
        for (int d = 0; d < 9; ++d) {
            const int s = d + 1;
            EXPECT_FALSE(b.candidates[candidateIndex(c1 + d % 3, r1 + d / 3, s, g1)] ||
                         b.candidates[candidateIndex(c2 + d % 3, r2 + d / 3, s, g2)])
                << "symbol " << s << " at " << c1 + d % 3 << "," << r1 + d / 3 << " of grid " << g1;
        }
    }
    EXPECT_EQ(std::count(b.candidates.begin(), b.candidates.end(), false), 2 * cleared); // nothing else touched
}

TEST(RestartAndClear, RestartKeepsExactlyTheGivensClearOnlyTheSolution) {
    Board b = test::fullBoard(43);
    for (int c = 1; c <= 9; ++c) cellAt(b.givens, c, 3, 0) = cellAt(b.givens, c, 5, 1) = 0;
    b.candidates.fill(true);
    b.solution = b.board;
    b.noSolution = true;
    restartBoard(b);
    EXPECT_EQ(b.board, b.givens);
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_TRUE(b.noSolution && test::filledCells(b.solution) == 4 * 81);
    b.candidates.fill(true);
    clearBoard(b);
    EXPECT_TRUE(!b.noSolution && b.board == CellLayer{} && b.givens == CellLayer{} && b.candidates == CandidateFlags{});
    EXPECT_EQ(test::filledCells(b.solution), 4 * 81);
}

} // namespace
} // namespace quintaro
