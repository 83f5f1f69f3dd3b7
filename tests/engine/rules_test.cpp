// The rule check over every grid and the upkeep of the shared boxes' copies.
#include <gtest/gtest.h>

#include "engine/full_field.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::sharedCopiesEqual;

Board fullBoard(std::uint64_t seed) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    return b;
}

TEST(RuleCheck, EmptyAndFullFieldsPass) {
    Board empty;
    EXPECT_TRUE(checkRules(empty));
    Board full = fullBoard(1);
    EXPECT_TRUE(checkRules(full));
}

TEST(RuleCheck, RepeatInAnyColumnRowOrBoxOfAnyGridFails) {
    for (int g = 0; g < kGridCount; ++g) {
        SCOPED_TRACE(g);
        Board col;
        cellAt(col.board, 4, 1, g) = 5;
        cellAt(col.board, 4, 9, g) = 5; // same column, different boxes
        EXPECT_FALSE(checkRules(col));
        Board row;
        cellAt(row.board, 2, 5, g) = 7;
        cellAt(row.board, 8, 5, g) = 7;
        EXPECT_FALSE(checkRules(row));
        Board box;
        cellAt(box.board, 7, 7, g) = 3;
        cellAt(box.board, 9, 9, g) = 3; // different row and column, same box
        EXPECT_FALSE(checkRules(box));
        EXPECT_FALSE(checkBox(box, g, 7, 7));
        EXPECT_TRUE(checkBox(box, g, 1, 1));
    }
}

TEST(RuleCheck, SharedBoxIsCheckedThroughEachGridsCopy) {
    // Grid 1's copy of the upper-left shared box repeats a symbol that its own row already holds,
    // while grid 0's copy of that cell is empty: only grid 1 sees the conflict.
    Board b;
    cellAt(b.board, 7, 2, 1) = 6;
    cellAt(b.board, 1, 2, 1) = 6;
    EXPECT_FALSE(checkRules(b));
    // The same symbol through both copies meeting a repeat in grid 0's column.
    Board c;
    cellAt(c.board, 2, 8, 0) = 4;
    cellAt(c.board, 8, 2, 1) = 4;
    cellAt(c.board, 2, 1, 0) = 4;
    EXPECT_FALSE(checkRules(c));
}

TEST(RuleCheck, SameSymbolInNeighbouringGridsOnOneFieldRowIsNoConflict) {
    // Grids 1 and 2 lie side by side on field rows 6..14: their row 5 is the same field row.
    Board b;
    cellAt(b.board, 2, 5, 1) = 9;
    cellAt(b.board, 8, 5, 2) = 9;
    // Grids 0 and 3 share field columns 6..14.
    cellAt(b.board, 5, 2, 0) = 8;
    cellAt(b.board, 5, 8, 3) = 8;
    EXPECT_TRUE(checkRules(b));
}

TEST(RuleCheck, ReadsOnlyTheBoard) {
    Board b = fullBoard(2);
    b.givens.fill(9);
    b.candidates.fill(true);
    EXPECT_TRUE(checkRules(b));
}

TEST(RuleCheck, EntryAboveNineCountsAsConflict) {
    Board b;
    cellAt(b.board, 3, 3, 2) = 200;
    EXPECT_FALSE(checkRules(b));
}

TEST(SharedBoxes, TwinMapsEachSharedCellBothWays) {
    int shared = 0;
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                int tc = 0, tr = 0, tg = 0;
                if (!sharedTwin(c, r, g, tc, tr, tg)) continue;
                ++shared;
                EXPECT_NE(tg, g);
                // Both copies lie on the same field cell.
                EXPECT_EQ(kGridFieldColumn[g] + c, kGridFieldColumn[tg] + tc);
                EXPECT_EQ(kGridFieldRow[g] + r, kGridFieldRow[tg] + tr);
                int bc = 0, br = 0, bg = 0;
                ASSERT_TRUE(sharedTwin(tc, tr, tg, bc, br, bg));
                EXPECT_EQ(bc, c);
                EXPECT_EQ(br, r);
                EXPECT_EQ(bg, g);
            }
        }
    }
    EXPECT_EQ(shared, 4 * 9 * 2);
    int tc = 0, tr = 0, tg = 0;
    EXPECT_FALSE(sharedTwin(5, 5, 0, tc, tr, tg));
    EXPECT_FALSE(sharedTwin(4, 7, 0, tc, tr, tg));
}

TEST(SharedBoxes, SyncCopiesMasterIntoSecondInBoardAndGivens) {
    Board b;
    cellAt(b.board, 3, 9, 0) = 5;  // upper left, master
    cellAt(b.givens, 3, 9, 0) = 5;
    cellAt(b.board, 1, 3, 3) = 7;  // lower left, second copy only: overwritten by the master's 0
    cellAt(b.board, 1, 7, 2) = 2;  // lower right, master
    syncSharedBoxes(b);
    EXPECT_EQ(cellAt(b.board, 9, 3, 1), 5);
    EXPECT_EQ(cellAt(b.givens, 9, 3, 1), 5);
    EXPECT_EQ(cellAt(b.board, 1, 3, 3), 0);
    EXPECT_EQ(cellAt(b.board, 7, 1, 3), 2);
}

TEST(SharedBoxes, ClearThenSyncRestoresEqualCopies) {
    Board b = fullBoard(3);
    b.givens = b.board;
    const Board before = b;
    clearSharedCopies(b);
    EXPECT_EQ(cellAt(b.board, 7, 1, 1), 0);
    EXPECT_EQ(cellAt(b.givens, 1, 1, 2), 0);
    EXPECT_EQ(cellAt(b.board, 1, 7, 0), before.board[cellIndex(1, 7, 0)]);
    EXPECT_EQ(test::filledCells(b.board), kDistinctCells);
    syncSharedBoxes(b);
    EXPECT_EQ(b.board, before.board);
    EXPECT_EQ(b.givens, before.givens);
}

TEST(SharedBoxes, SyncCandidatesCopiesEachSymbolFlag) {
    Board b;
    b.candidates[candidateIndex(8, 8, 4, 1)] = true;  // lower left master
    b.candidates[candidateIndex(2, 2, 5, 3)] = true;  // its second copy, cleared by the sync
    syncSharedCandidates(b);
    EXPECT_TRUE(b.candidates[candidateIndex(2, 2, 4, 3)]);
    EXPECT_FALSE(b.candidates[candidateIndex(2, 2, 5, 3)]);
}

TEST(FullField, IsCompleteValidAndSharedCopiesAgree) {
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        Board b = fullBoard(seed);
        ASSERT_TRUE(checkRules(b));
        ASSERT_TRUE(sharedCopiesEqual(b.board));
        ASSERT_TRUE(isFieldFull(b));
        for (int i = 0; i < kCellLayerSize; ++i) {
            if (i / 40 == 0 || i / 4 % 10 == 0) {
                ASSERT_EQ(b.board[i], 0) << i;
            }
        }
    }
}

// A source without any randomness still yields a field: the search cannot loop on a barren start.
struct ConstantRandom : RandomSource {
    int random(int) override { return 0; }
};

TEST(FullField, EndsEvenWithADegenerateSource) {
    ConstantRandom rnd;
    Board b;
    generateFullField(b.board, rnd);
    EXPECT_TRUE(checkRules(b));
    EXPECT_TRUE(isFieldFull(b));
    EXPECT_TRUE(sharedCopiesEqual(b.board));
}

TEST(FullField, DependsOnlyOnTheRandomSource) {
    EXPECT_EQ(fullBoard(42).board, fullBoard(42).board);
    EXPECT_NE(fullBoard(42).board, fullBoard(43).board);
}

} // namespace
} // namespace quintaro
