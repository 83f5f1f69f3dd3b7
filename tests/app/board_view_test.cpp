// Boards drawn and judged on the game's window: entries, redraws, the error count, silent solves, the visible solve.
#include "game_fixture.h"

#include "app/board_records.h"
#include "engine/player_cell.h"
#include "engine/solution.h"
#include "ui/cells.h"

namespace quintaro {
namespace {

class BoardViewTest : public GameTest {
protected:
    BoardViewTest() {
        game.state.boardFile = "schwer.qbr";
        EXPECT_EQ(loadBoardRecord(game, 1), ReadStatus::Loaded);
        computeSolution(game.board, game.view);
        game.drawBoard();
    }
    // Places s in cell (c, r) of grid g as the input does: stored, then drawn and judged.
    void enter(int c, int r, int g, int s) {
        game.board.activeGrid = std::int16_t(g);
        cellAt(game.board.board, c, r, g) = std::uint8_t(s);
        drawPlayerCell(game.board, game.view, c, r, s);
    }
    int right(int c, int r, int g) const { return cellAt(game.board.solution, c, r, g); }
    int wrong(int c, int r, int g) const { return right(c, r, g) % 9 + 1; }
    // Pixels of the program colour in the inside of cell (c, r) of grid g.
    int inCell(int colourIndex, int c, int r, int g) {
        const CellCorner p = cellCorner(game.screen, c, r, g);
        int n = 0;
        for (int y = p.y; y <= p.y + 30; ++y)
            for (int x = p.x; x <= p.x + 30; ++x)
                n += window.surface().pixel(x, y) == kProgramColours[std::size_t(colourIndex)];
        return n;
    }
    // The empty cells of grid g, column by column.
    std::vector<std::pair<int, int>> emptyCells(int g) const {
        std::vector<std::pair<int, int>> cells;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (cellAt(game.board.givens, c, r, g) == 0) cells.push_back({c, r});
        return cells;
    }
};

TEST_F(BoardViewTest, GivensAreBlackEntriesBlueOrRedAndAWrongEntryCountsOnceHoweverOftenItIsRedrawn) {
    EXPECT_EQ(game.panelState.statusText, "Keine Fehler! ");
    for (int c = 1; c <= 9; ++c) {
        if (cellAt(game.board.givens, c, 1, 0) != 0) {
            EXPECT_GT(inCell(colour::Black, c, 1, 0), 20) << c;
        }
    }
    const auto [c, r] = emptyCells(0)[0];
    enter(c, r, 0, right(c, r, 0));
    EXPECT_GT(inCell(colour::DarkBlue, c, r, 0), 20);
    EXPECT_EQ(game.board.errorCount, 0);

    // A wrong entry in the box grids 0 and 1 share, where the redraw paints the cell for both grids.
    cellAt(game.board.givens, 1, 7, 0) = cellAt(game.board.givens, 7, 1, 1) = 0;
    enter(1, 7, 0, wrong(1, 7, 0));
    for (int i = 0; i < 3; ++i) game.drawBoard();
    EXPECT_EQ(game.board.errorCount, 1);
    EXPECT_GT(inCell(colour::Red, 1, 7, 0), 20);
    EXPECT_EQ(game.panelState.statusText, "Falsche Zahl! ");
    EXPECT_EQ(cellAt(game.board.board, 7, 1, 1), wrong(1, 7, 0)) << "the second copy follows";

    // A silent placement draws nothing and zeroes the count.
    const platform::SavedRectangle before = window.surface().saveRectangle(0, 0, 1051, 786);
    game.board.silentSolve = true;
    enter(1, 7, 0, wrong(1, 7, 0));
    game.board.silentSolve = false;
    EXPECT_EQ(game.board.errorCount, 0);
    EXPECT_EQ(window.surface().saveRectangle(0, 0, 1051, 786).pixels(), before.pixels());
}

TEST_F(BoardViewTest, AVisibleSolveDrawsEveryPlacementAndEndsSolved) {
    solveCommand(game.board, game.view, false, true);
    EXPECT_EQ(game.panelState.statusText, "Brett gelöst!!! ");
    for (int g = 0; g < 4; ++g)
        for (const auto& [c, r] : emptyCells(g))
            ASSERT_GT(inCell(colour::DarkBlue, c, r, g), 20) << "grid " << g << " cell " << c << ',' << r;
    EXPECT_TRUE(platform.alerts().empty()) << "no not-solvable message";
}

TEST(BoardViewStartTest, AnEmptyFieldIsNotSolvableAndTheStartScreenHasNoErrors) {
    HeadlessGame fresh;
    EXPECT_EQ(fresh.game.panelState.statusText, "Keine Fehler! ");
    fresh.game.board = Board{};
    computeSolution(fresh.game.board, fresh.game.view);
    fresh.game.drawBoard();
    EXPECT_EQ(fresh.game.panelState.statusText, "Nicht lösbar!!!");
    EXPECT_EQ(fresh.platform.beeps(), 0);
}

} // namespace
} // namespace quintaro
