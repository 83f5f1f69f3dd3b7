// Judging a symbol placed in a cell against the solution, shared by the solvers and the game's input.
#pragma once

#include "engine/board.h"
#include "engine/grid_cell.h"
#include "engine/rules.h"

namespace quintaro {

// What judging a placed symbol found.
struct CellJudgement {
    bool wrong = false;      // it contradicts the solution known at that moment
    bool thirdError = false; // its error was the third of the game: the timing stops
    friend bool operator==(const CellJudgement&, const CellJudgement&) = default;
};

// True when the cell holds a symbol that differs from the solution known for it; false while none is known.
inline bool contradictsSolution(const Board& b, GridCell cell) {
    const std::uint8_t known = cellAt(b.solution, cell.column, cell.row, cell.grid);
    const std::uint8_t entry = cellAt(b.board, cell.column, cell.row, cell.grid);
    return entry != 0 && known != 0 && known != entry;
}

// Judges symbol s just placed in cell, whose board entry already holds it: sets boardChanged; a wrong
// symbol (contradictsSolution) counts an error, but a silent solve sets errorCount to 0 wherever a
// solution is known. Ends with syncSharedBoxes. Inline: the solvers call it for every placement.
inline CellJudgement judgePlayerCell(Board& b, GridCell cell, int s) {
    b.boardChanged = true;
    CellJudgement judged;
    if (s != 0 && cellAt(b.solution, cell.column, cell.row, cell.grid) != 0) {
        judged.wrong = contradictsSolution(b, cell);
        if (judged.wrong) ++b.errorCount;
        // The hidden solve judges its own placements against the previous solution; whatever it
        // counted there is no mistake of the player's.
        if (b.silentSolve) b.errorCount = 0;
        // Only the step to the third error stops the timing.
        judged.thirdError = judged.wrong && b.errorCount == 3;
    }
    syncSharedBoxes(b);
    return judged;
}

} // namespace quintaro
