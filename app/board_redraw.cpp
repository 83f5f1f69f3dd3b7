// The full redraw of the board: every cell, the counts and status, the candidates.
#include "app/game.h"

#include "engine/candidates.h"
#include "engine/player_cell.h"
#include "ui/cells.h"
#include "ui/field.h"

namespace quintaro {

void Game::drawBoard()
{
    screen.cellWidth = screen.cellHeight = kCellSize;
    Display d = display();
    for (int g = 0; g < kGridCount; ++g) {
        board.activeGrid = std::int16_t(g);
        for (int c = 1; c <= 9; ++c) {
            state.curColumn = std::int16_t(c);
            for (int r = 1; r <= 9; ++r) {
                state.curRow = std::int16_t(r);
                if (const int given = cellAt(board.givens, c, r, g); given != 0)
                    drawGivenCell(d, board, c, r, given, state.digitMode);
                else
                    drawPlayerCell(board, view, c, r, cellAt(board.board, c, r, g), Judging::Redraw);
            }
        }
    }
    countSymbols();
    computeCandidates(board, view, state.showCandidates);
}

} // namespace quintaro
