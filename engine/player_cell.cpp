// Judging a player's cell: the symbol against the solution, the error count, the shared copies kept equal.
#include "engine/player_cell.h"

#include "engine/rules.h"

namespace quintaro {

bool contradictsSolution(const Board& b, GridCell cell) {
    const std::uint8_t known = cellAt(b.solution, cell.column, cell.row, cell.grid);
    const std::uint8_t entry = cellAt(b.board, cell.column, cell.row, cell.grid);
    return entry != 0 && known != 0 && known != entry;
}

CellJudgement judgePlayerCell(Board& b, GridCell cell, int s) {
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
