// The board's verdict: against the rule check and the solution it replaces, and where a rule breaks.
#include <gtest/gtest.h>

#include "engine/board_verdict.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

// Some filled cell that is not a given holds another symbol than the solution.
bool hasWrongEntry(const Board& b) {
    return anyCell([&](GridCell k) {
        const std::uint8_t v = cellAt(b.board, k.column, k.row, k.grid);
        return cellAt(b.givens, k.column, k.row, k.grid) == 0 && v != 0 &&
               cellAt(b.solution, k.column, k.row, k.grid) != v;
    });
}

// The verdict as the separate checks give it on a board whose shared copies were synced.
BoardStatus statusByTheChecks(Board b) {
    if (b.noSolution) return BoardStatus::NotSolvable;
    syncSharedBoxes(b);
    const bool rules = checkRules(b), full = isFieldFull(b);
    if (full && rules) return BoardStatus::Solved;
    if (hasWrongEntry(b)) return BoardStatus::WrongEntry;
    return rules ? BoardStatus::NoErrors : BoardStatus::RuleBroken;
}

TEST(BoardVerdict, AgreesWithTheRuleCheckAndTheSolutionOnRandomPlay) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom rnd(seed);
        Board b = test::puzzleWithGaps(seed, static_cast<int>(seed % 40));
        b.solution = test::fullBoard(seed).board;
        // Empty some cells the player filled, write some symbols, a few of them into second copies only.
        for (int n = rnd.random(6); n > 0; --n) {
            const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
            cellAt(b.givens, c, r, g) = 0;
            cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(rnd.random(10));
        }
        b.noSolution = seed % 50 == 0;
        const Board before = b;
        const BoardVerdict v = judgeBoard(b);
        ASSERT_EQ(v.status, statusByTheChecks(b)) << "seed " << seed;
        ASSERT_EQ(v.solved(), v.status == BoardStatus::Solved) << "seed " << seed;
        if (!b.noSolution) {
            Board synced = b;
            syncSharedBoxes(synced);
            ASSERT_EQ(v.conflict.has_value(), !checkRules(synced)) << "seed " << seed;
        }
        ASSERT_EQ(b.board, before.board) << "seed " << seed << ": judging changed the board";
    }
}

TEST(BoardVerdict, NamesTheFirstBrokenUnitAndReadsSharedCellsFromTheirMaster) {
    Board b;
    cellAt(b.board, 2, 5, 2) = cellAt(b.board, 8, 5, 2) = 4; // row 5 of grid 2
    EXPECT_EQ(findRuleConflict(b.board), (RuleConflict{2, UnitKind::Row, 5}));
    cellAt(b.board, 5, 1, 3) = cellAt(b.board, 5, 9, 3) = 7; // a column comes before any row
    EXPECT_EQ(findRuleConflict(b.board), (RuleConflict{3, UnitKind::Column, 5}));

    Board box;
    cellAt(box.board, 4, 7, 1) = cellAt(box.board, 6, 9, 1) = 2; // box 8 (middle of the bottom row of boxes)
    EXPECT_EQ(findRuleConflict(box.board), (RuleConflict{1, UnitKind::Box, 8}));

    // Grid 1's copy of the upper-left shared box repeats a symbol of its row; its master in grid 0 is
    // empty, so the board as the player sees it breaks nothing.
    Board twin;
    cellAt(twin.board, 7, 2, 1) = cellAt(twin.board, 1, 2, 1) = 6;
    EXPECT_FALSE(findRuleConflict(twin.board));
    cellAt(twin.board, 1, 8, 0) = 6; // the master of (7, 2, 1): now both copies hold it
    EXPECT_EQ(findRuleConflict(twin.board), (RuleConflict{1, UnitKind::Row, 2}));
    Board junk;
    cellAt(junk.board, 9, 9, 3) = 200; // no symbol at all
    EXPECT_EQ(findRuleConflict(junk.board), (RuleConflict{3, UnitKind::Column, 9}));
}

TEST(BoardVerdict, SolvedNeedsEveryCellAndNoBrokenRuleWhateverTheSolutionSays) {
    Board b = test::fullBoard(7);
    b.solution = b.board;
    BoardVerdict v = judgeBoard(b);
    EXPECT_TRUE(v.solved() && v.complete && !v.wrongEntry && !v.conflict);

    b.givens.fill(0);
    b.solution = test::fullBoard(8).board; // another full field: every entry wrong, the board still solved
    v = judgeBoard(b);
    EXPECT_TRUE(v.solved() && v.wrongEntry);

    cellAt(b.board, 5, 5, 0) = 0;
    v = judgeBoard(b);
    EXPECT_EQ(v.status, BoardStatus::WrongEntry);
    EXPECT_FALSE(v.complete);

    b.noSolution = true;
    v = judgeBoard(b);
    EXPECT_EQ(v.status, BoardStatus::NotSolvable);
    EXPECT_FALSE(v.wrongEntry || v.conflict || v.complete);
}

} // namespace
} // namespace quintaro
