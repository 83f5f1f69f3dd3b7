// Boards drawn and judged on the game's window: entries, redraws, the error count, the visible solve and the solve
// command.
#include "game_fixture.h"

#include "app/board_records.h"
#include "engine/engine_test_support.h"
#include "engine/solution.h"
#include "ui/cells.h"

namespace quintaro {
namespace {

class BoardScreenTest : public GameTest {
protected:
    BoardScreenTest() {
        game.records.boardFile = "schwer.qbr";
        EXPECT_EQ(game.loadRecord(1), ReadStatus::Loaded);
        computeSolution(game.board);
        game.drawBoard();
    }
    // Places s in cell (c, r) of grid g as the input does: stored, then drawn and judged.
    void enter(int c, int r, int g, int s) {
        cellAt(game.board.board, c, r, g) = std::uint8_t(s);
        game.judgeAndDrawCell({g, c, r}, s);
    }
    int right(int c, int r, int g) const { return cellAt(game.board.solution, c, r, g); }
    int wrong(int c, int r, int g) const { return right(c, r, g) % 9 + 1; }
    // Pixels of the program colour in the inside of cell (c, r) of grid g.
    int inCell(int colourIndex, int c, int r, int g) {
        const CellCorner p = cellCorner({g, c, r});
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

TEST_F(BoardScreenTest, GivensAreBlackEntriesBlueOrRedAndAWrongEntryCountsOnceHoweverOftenItIsRedrawn) {
    EXPECT_EQ(game.view.panelState.statusText, "Keine Fehler! ");
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
    EXPECT_EQ(game.view.panelState.statusText, "Falsche Zahl! ");
    EXPECT_EQ(cellAt(game.board.board, 7, 1, 1), wrong(1, 7, 0)) << "the second copy follows";
}

TEST_F(BoardScreenTest, AVisibleSolveDrawsEveryPlacementAndEndsSolved) {
    game.solveCommand(true);
    EXPECT_EQ(game.view.panelState.statusText, "Brett gelöst!!! ");
    for (int g = 0; g < 4; ++g)
        for (const auto& [c, r] : emptyCells(g))
            ASSERT_GT(inCell(colour::DarkBlue, c, r, g), 20) << "grid " << g << " cell " << c << ',' << r;
    EXPECT_TRUE(platform.alerts().empty()) << "no not-solvable message";
}

TEST(BoardScreenStartTest, AnEmptyFieldIsNotSolvableAndTheStartScreenHasNoErrors) {
    HeadlessGame fresh;
    EXPECT_EQ(fresh.game.view.panelState.statusText, "Keine Fehler! ");
    fresh.game.board = Board{};
    computeSolution(fresh.game.board);
    fresh.game.drawBoard();
    EXPECT_EQ(fresh.game.view.panelState.statusText, "Nicht lösbar!!!");
    EXPECT_EQ(fresh.platform.beeps(), 0);
}

TEST(SolveCommandTest, RestartsOnlyABoardLeftInADeadEndAndTellsOfEachSolveThatDidNotFinish) {
    HeadlessGame fresh;
    Game& game = fresh.game;
    const auto alerts = [&] { return fresh.platform.alerts().size(); };
    game.board = test::deadEndBoard();
    game.solveCommand(false);
    EXPECT_EQ(cellAt(game.board.board, 5, 5, 0), 0); // without the follow-up the entry stays
    EXPECT_EQ(alerts(), 1u);
    game.solveCommand(true);
    EXPECT_EQ(game.board.board, test::fullBoard(23).board);
    EXPECT_EQ(alerts(), 2u) << "the stuck solve tells, the solve of the restarted board does not";
    EXPECT_EQ(game.view.panelState.status, BoardStatus::Solved);

    // Shown candidates are recomputed after the solve; the pointer is an arrow again.
    game.board = test::puzzleWithGaps(19, 50);
    game.board.candidates.fill(true);
    game.choices.showCandidates = true;
    game.solveCommand(true);
    EXPECT_EQ(alerts(), 2u);
    EXPECT_EQ(game.board.candidates, CandidateFlags{}); // a full field has none
    EXPECT_FALSE(fresh.window.busyPointer());
}

} // namespace
} // namespace quintaro
