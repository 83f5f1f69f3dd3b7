// The full redraw of the board: every cell, the counts and status, the candidates.
#include "app/game.h"

#include "engine/candidates.h"
#include "engine/rules.h"
#include "ui/cells.h"
#include "ui/field.h"

namespace quintaro {

void Game::drawBoard() {
    view.screen.cellWidth = view.screen.cellHeight = kCellSize;
    // Both copies of a shared cell show what its master holds.
    syncSharedBoxes(board);
    Display d = display();
    forEachCell([&](const GridCell& cell) {
        const int c = cell.column, r = cell.row, g = cell.grid;
        if (const int given = cellAt(board.givens, c, r, g); given != 0)
            drawGivenCell(d, c, r, g, given, choices.digitMode);
        else
            paintPlayerCell(d, c, r, g, cellAt(board.board, c, r, g), contradictsSolution(board, cell),
                            choices.digitMode);
    });
    countSymbols();
    refreshCandidates();
}

void Game::judgeAndDrawCell(GridCell cell, int s) { showJudgedCell(cell, s, judgePlayerCell(board, cell, s)); }

void Game::showJudgedCell(GridCell cell, int s, CellJudgement judged) {
    if (judged.thirdError) stopTiming();
    Display d = display();
    paintPlayerCell(d, cell.column, cell.row, cell.grid, s, judged.wrong, choices.digitMode);
}

void Game::stopTiming() {
    play.gameRunning = false;
    play.clock->refreshClock();
}

void Game::refreshCandidates() {
    // Candidates shown are help: the game is no longer timed.
    if (choices.showCandidates) stopTiming();
    computeCandidates(board, choices.showCandidates);
    Display d = display();
    drawCandidates(d, board, choices.digitMode);
}

} // namespace quintaro
