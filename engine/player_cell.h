// Judging a symbol placed in a cell against the solution, shared by the solvers and the game's input.
#pragma once

#include "engine/board.h"
#include "engine/grid_cell.h"

namespace quintaro {

// What judging a placed symbol found.
struct CellJudgement {
    bool wrong = false;      // it contradicts the solution known at that moment
    bool thirdError = false; // its error was the third of the game: the timing stops
    friend bool operator==(const CellJudgement&, const CellJudgement&) = default;
};

// True when the cell holds a symbol that differs from the solution known for it; false while none is known.
bool contradictsSolution(const Board& b, GridCell cell);

// Judges symbol s just placed in cell, whose board entry already holds it: sets boardChanged; a wrong
// symbol (contradictsSolution) counts an error, but a silent solve sets errorCount to 0 wherever a
// solution is known. Ends with syncSharedBoxes.
CellJudgement judgePlayerCell(Board& b, GridCell cell, int s);

} // namespace quintaro
