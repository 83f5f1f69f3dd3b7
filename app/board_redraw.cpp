// The full redraw of the board: every cell, the counts and status, the candidates.
#include "app/game.h"

#include "engine/candidates.h"
#include "ui/cells.h"
#include "ui/field.h"

namespace quintaro {

void Game::drawBoard()
{
    screen.cellWidth = screen.cellHeight = kCellSize;
    Display d = display();
    forEachCell([&](const GridCell& cell) {
        if (const int given = cellAt(board.givens, cell.column, cell.row, cell.grid); given != 0)
            drawGivenCell(d, cell.column, cell.row, cell.grid, given, state.digitMode);
        else
            judgeAndDrawCell(cell, cellAt(board.board, cell.column, cell.row, cell.grid), Judging::Redraw);
    });
    countSymbols();
    refreshCandidates();
}

void Game::judgeAndDrawCell(GridCell cell, int s, Judging judging)
{
    const CellJudgement judged = judgePlayerCell(board, cell, s, judging);
    if (judged.thirdError)
        stopTiming();
    Display d = display();
    paintPlayerCell(d, cell.column, cell.row, cell.grid, s, judged.wrong, state.digitMode);
}

void Game::stopTiming()
{
    state.gameRunning = false;
    refreshClock();
}

void Game::refreshCandidates()
{
    // Candidates shown are help: the game is no longer timed.
    if (state.showCandidates)
        stopTiming();
    computeCandidates(board, state.showCandidates);
    Display d = display();
    drawCandidates(d, board, state.digitMode);
}

} // namespace quintaro
