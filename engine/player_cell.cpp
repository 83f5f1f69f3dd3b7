// The engine half of drawing a player's cell: judging the symbol and keeping the shared copies equal.
#include "engine/player_cell.h"

#include "engine/rules.h"

namespace quintaro {

void drawPlayerCell(Board& b, BoardView& view, int c, int r, int s, Judging judging) {
    const int g = b.activeGrid;
    b.boardChanged = true;
    bool wrong = false;
    if (s != 0) {
        const std::uint8_t known = cellAt(b.solution, c, r, g);
        if (known != 0) {
            bool counted = false;
            if (known != cellAt(b.board, c, r, g)) {
                wrong = true;
                // A redraw shows the mistake again but it was counted when it was made.
                counted = judging == Judging::Placed;
                if (counted) ++b.errorCount;
            }
            // The hidden solve judges its own placements against the previous solution; whatever it
            // counted there is no mistake of the player's.
            if (b.silentSolve) b.errorCount = 0;
            // Only the step to the third error stops the timing.
            if (counted && b.errorCount == 3) view.stopTiming();
        }
    }
    if (!b.silentSolve) view.showPlayerCell(b, c, r, g, s, wrong);
    syncSharedBoxes(b);
}

} // namespace quintaro
