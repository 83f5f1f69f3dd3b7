// Judging a symbol placed in a cell, shared by the solvers and the cell renderer.
#pragma once

#include "engine/board.h"
#include "engine/board_view.h"

namespace quintaro {

// Whether drawing a cell counts a wrong symbol: a symbol just placed does, a redraw of one that stands does not.
enum class Judging { Placed, Redraw };

// The engine half of drawPlayerCell for cell (c, r) of grid b.activeGrid, whose board entry already
// holds s: sets boardChanged; for s != 0 where the solution is known and differs from board, the
// symbol is wrong and, when Placed, counts an error; a silent solve sets errorCount to 0 instead;
// the count reaching exactly 3 calls view.stopTiming(). Unless silentSolve, view.showPlayerCell paints
// the cell (a wrong symbol in red however it was judged). Ends with syncSharedBoxes.
void drawPlayerCell(Board& b, BoardView& view, int c, int r, int s, Judging judging = Judging::Placed);

} // namespace quintaro
