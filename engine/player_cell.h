// Judging a symbol placed in a cell, shared by the solvers and the cell renderer.
#pragma once

#include "engine/board.h"
#include "engine/board_view.h"

namespace quintaro {

// The engine half of drawPlayerCell for cell (c, r) of grid b.activeGrid, whose board entry already
// holds s: sets boardChanged; for s != 0 where the solution is known and differs from board, counts
// an error; a silent solve sets errorCount to 0 instead; reaching exactly 3 errors calls
// view.stopTiming(). Unless silentSolve, view.showPlayerCell paints the cell. Ends with syncSharedBoxes.
void drawPlayerCell(Board& b, BoardView& view, int c, int r, int s);

} // namespace quintaro
