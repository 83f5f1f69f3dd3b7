// The rule check over every grid, the shared boxes' copies and the full-field generator.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/rules.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::fullBoard;

TEST(RuleCheck, RepeatInAnyColumnRowOrBoxOfAnyGridFails) {
    Board empty;
    EXPECT_TRUE(checkRules(empty));
    for (int g = 0; g < kGridCount; ++g) {
        SCOPED_TRACE(g);
        Board col, row, box;
        cellAt(col.board, 4, 1, g) = cellAt(col.board, 4, 9, g) = 5; // one column, two boxes
        cellAt(row.board, 2, 5, g) = cellAt(row.board, 8, 5, g) = 7;
        cellAt(box.board, 7, 7, g) = cellAt(box.board, 9, 9, g) = 3;  // one box only
        EXPECT_FALSE(checkRules(col));
        EXPECT_FALSE(checkRules(row));
        EXPECT_FALSE(checkRules(box));
        EXPECT_FALSE(checkBox(box, g, 7, 7));
        EXPECT_TRUE(checkBox(box, g, 1, 1));
    }
    Board damaged; // an entry above 9 is no symbol: taken for a conflict
    cellAt(damaged.board, 3, 3, 2) = 200;
    EXPECT_FALSE(checkRules(damaged));
}

TEST(RuleCheck, SharedBoxIsCheckedThroughEachGridsCopy) {
    Board b; // only grid 1's copy of the upper-left box holds the 6 that its row repeats
    cellAt(b.board, 7, 2, 1) = cellAt(b.board, 1, 2, 1) = 6;
    EXPECT_FALSE(checkRules(b));
    Board side; // grids 1 and 2 share field rows, grids 0 and 3 field columns: no conflict between them
    cellAt(side.board, 2, 5, 1) = cellAt(side.board, 8, 5, 2) = 9;
    cellAt(side.board, 5, 2, 0) = cellAt(side.board, 5, 8, 3) = 8;
    EXPECT_TRUE(checkRules(side));
}

TEST(SharedBoxes, TwinsLieOnTheSameFieldCellBothWays) {
    int shared = 0;
    for (int i = 0; i < kCellLayerSize; ++i) {
        const int c = i / 40, r = i / 4 % 10, g = i % 4;
        int tc = 0, tr = 0, tg = 0, bc = 0, br = 0, bg = 0;
        if (c == 0 || r == 0 || !sharedTwin(c, r, g, tc, tr, tg)) continue;
        ++shared;
        EXPECT_EQ(kGridFieldColumn[g] + c, kGridFieldColumn[tg] + tc);
        EXPECT_EQ(kGridFieldRow[g] + r, kGridFieldRow[tg] + tr);
        ASSERT_TRUE(sharedTwin(tc, tr, tg, bc, br, bg));
        EXPECT_EQ(bc * 40 + br * 4 + bg, i);
    }
    EXPECT_EQ(shared, 72);
}

TEST(SharedBoxes, CopiesFollowTheMasterAndClearThenSyncRestores) {
    Board b;
    cellAt(b.givens, 3, 9, 0) = cellAt(b.board, 3, 9, 0) = 5; // upper-left master
    cellAt(b.board, 1, 3, 3) = 7;                              // lower-left second copy, master empty
    b.candidates[candidateIndex(8, 8, 4, 1)] = true;           // lower-left master flag
    b.candidates[candidateIndex(2, 2, 5, 3)] = true;
    syncSharedBoxes(b);
    syncSharedCandidates(b);
    EXPECT_EQ(cellAt(b.board, 9, 3, 1), 5);
    EXPECT_EQ(cellAt(b.givens, 9, 3, 1), 5);
    EXPECT_EQ(cellAt(b.board, 1, 3, 3), 0);
    EXPECT_TRUE(b.candidates[candidateIndex(2, 2, 4, 3)]);
    EXPECT_FALSE(b.candidates[candidateIndex(2, 2, 5, 3)]);

    Board full = fullBoard(3);
    full.givens = full.board;
    const Board before = full;
    clearSharedCopies(full);
    EXPECT_EQ(test::filledCells(full.board), kDistinctCells);
    EXPECT_EQ(test::filledCells(full.givens), kDistinctCells);
    syncSharedBoxes(full);
    EXPECT_EQ(full.board, before.board);
    EXPECT_EQ(full.givens, before.givens);
}

TEST(FullField, IsCompleteValidAndSharedCopiesAgree) {
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        Board b = fullBoard(seed);
        ASSERT_TRUE(checkRules(b));
        ASSERT_TRUE(test::sharedCopiesEqual(b.board));
        ASSERT_TRUE(isFieldFull(b));
        ASSERT_EQ(test::filledCells(b.board), 4 * 81); // and nothing in the index-0 entries
        ASSERT_EQ(std::count(b.board.begin(), b.board.end(), 0), kCellLayerSize - 4 * 81);
    }
    EXPECT_EQ(fullBoard(42).board, fullBoard(42).board);
    EXPECT_NE(fullBoard(42).board, fullBoard(43).board);
}

struct ConstantRandom : RandomSource {
    int random(int) override { return 0; }
};

TEST(FullField, EndsEvenWithADegenerateSource) {
    ConstantRandom rnd;
    Board b;
    generateFullField(b.board, rnd);
    EXPECT_TRUE(checkRules(b));
    EXPECT_TRUE(isFieldFull(b));
}

} // namespace
} // namespace quintaro
