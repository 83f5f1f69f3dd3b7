// Judging a player's cell: the symbol against the solution, the error count, the shared copies kept equal.
#include "engine/player_cell.h"

#include "engine/rules.h"

namespace quintaro {

CellJudgement judgePlayerCell(Board& b, GridCell cell, int s, Judging judging) {
    const int c = cell.column, r = cell.row, g = cell.grid;
    b.boardChanged = true;
    CellJudgement judged;
    if (s != 0) {
        const std::uint8_t known = cellAt(b.solution, c, r, g);
        if (known != 0) {
            bool counted = false;
            if (known != cellAt(b.board, c, r, g)) {
                judged.wrong = true;
                // A redraw shows the mistake again but it was counted when it was made.
                counted = judging == Judging::Placed;
                if (counted) ++b.errorCount;
            }
            // The hidden solve judges its own placements against the previous solution; whatever it
            // counted there is no mistake of the player's.
            if (b.silentSolve) b.errorCount = 0;
            // Only the step to the third error stops the timing.
            judged.thirdError = counted && b.errorCount == 3;
        }
    }
    syncSharedBoxes(b);
    return judged;
}

} // namespace quintaro
