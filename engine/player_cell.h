// Judging a symbol placed in a cell against the solution, shared by the solvers and the game's cell drawing.
#pragma once

#include "engine/board.h"
#include "engine/grid_cell.h"

namespace quintaro {

// Whether judging a cell counts a wrong symbol: a symbol just placed does, a redraw of one that stands does not.
enum class Judging { Placed, Redraw };

// What judging a symbol found.
struct CellJudgement {
    bool wrong = false;      // it contradicts the solution known at that moment
    bool thirdError = false; // its error was counted and was the third: the timing of the game stops
    friend bool operator==(const CellJudgement&, const CellJudgement&) = default;
};

// Judges symbol s in cell, whose board entry already holds s: sets boardChanged; for s != 0 where the
// solution is known and differs from board, the symbol is wrong and, when Placed, counts an error; a
// silent solve sets errorCount to 0 instead. Ends with syncSharedBoxes.
CellJudgement judgePlayerCell(Board& b, GridCell cell, int s, Judging judging = Judging::Placed);

} // namespace quintaro
