// Judging a symbol drawn in a player's cell: errors, the stopped clock, the silent solve, shared copies.
#include <gtest/gtest.h>

#include "engine/player_cell.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

// Stores s in cell (c, r) of grid g and draws it, as the input and the solvers do.
void enter(Board& b, BoardView& view, int c, int r, int g, int s) {
    b.activeGrid = static_cast<std::int16_t>(g);
    cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(s);
    drawPlayerCell(b, view, c, r, s);
}

TEST(PlayerCell, WrongSymbolsCountAndTheThirdStopsTheTiming) {
    Board b;
    cellAt(b.solution, 2, 2, 1) = 4;
    test::RecordingView view;
    enter(b, view, 2, 2, 1, 4);
    enter(b, view, 7, 7, 2, 9); // no solution known here
    enter(b, view, 2, 2, 1, 0); // erasing
    EXPECT_EQ(b.errorCount, 0);
    EXPECT_TRUE(b.boardChanged);
    for (int i = 1; i <= 4; ++i) {
        enter(b, view, 2, 2, 1, 5);
        EXPECT_EQ(b.errorCount, i);
        EXPECT_EQ(view.stopTimingCalls, i >= 3 ? 1 : 0);
    }
    ASSERT_EQ(view.shown.size(), 7u);
    EXPECT_FALSE(view.shown[0].wrong || view.shown[1].wrong || view.shown[2].wrong);
    EXPECT_TRUE(view.shown[6].wrong);
    EXPECT_EQ(view.shown[6].g, 1);
}

TEST(PlayerCell, SilentDrawShowsNothingAndZeroesErrorsWhereTheSolutionIsKnown) {
    Board b;
    b.silentSolve = true;
    b.errorCount = 2;
    cellAt(b.solution, 4, 4, 3) = 1;
    test::RecordingView view;
    enter(b, view, 5, 5, 3, 8); // no solution here: the count stays
    EXPECT_EQ(b.errorCount, 2);
    enter(b, view, 4, 4, 3, 2); // wrong, yet the silent solve leaves no error
    EXPECT_EQ(b.errorCount, 0);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(view.stopTimingCalls, 0);
}

TEST(PlayerCell, EntryInAMasterCopyReachesTheSecondCopy) {
    Board b;
    test::RecordingView view;
    enter(b, view, 8, 8, 1, 3); // lower-left shared box, master in grid 1
    EXPECT_EQ(cellAt(b.board, 2, 2, 3), 3);
}

} // namespace
} // namespace quintaro
