// The highlighted symbol: chosen on the statistics panel, shown by repainting only what changes.
#include "app/symbol_highlight.h"

#include "engine/grid_cell.h"
#include "engine/player_cell.h"
#include "ui/cells.h"
#include "ui/symbol_highlight.h"

namespace quintaro {

namespace {

// Repaints every cell that holds s as the full redraw would, given or player's, without judging anew.
void repaintCellsOf(Display& d, const Board& b, bool digitMode, int s) {
    if (s == 0) return;
    forEachCell([&](GridCell cell) {
        const auto [g, c, r] = cell;
        if (const int given = cellAt(b.givens, c, r, g); given != 0) {
            if (given == s) drawGivenCell(d, c, r, g, s, digitMode);
        } else if (cellAt(b.board, c, r, g) == s) {
            paintPlayerCell(d, c, r, g, s, contradictsSolution(b, cell), digitMode);
        }
    });
}

bool marksOf(const Board& b, int s) {
    if (s == 0) return false;
    return anyCell([&](GridCell k) {
        return cellAt(b.board, k.column, k.row, k.grid) == 0 &&
               b.candidates[std::size_t(candidateIndex(k.column, k.row, s, k.grid))];
    });
}

} // namespace

bool clickStatistics(Display& display, const Board& board, bool digitMode, Pixel at) {
    const std::optional<int> column = statisticsColumnAt(at.x, at.y);
    if (!column) return false;
    highlightSymbol(display, board, digitMode, *column == display.screen.highlightSymbol ? 0 : *column);
    return true;
}

void highlightSymbol(Display& display, const Board& board, bool digitMode, int s) {
    const int before = display.screen.highlightSymbol;
    if (s < 0 || s > 9 || s == before) return;
    display.screen.highlightSymbol = s;
    drawStatisticsMark(display, before, false, digitMode);
    drawStatisticsMark(display, s, true, digitMode);
    repaintCellsOf(display, board, digitMode, before);
    repaintCellsOf(display, board, digitMode, s);
    if (marksOf(board, before) || marksOf(board, s)) drawCandidates(display, board, digitMode);
}

void redrawStatisticsMark(Display& display, bool digitMode) {
    drawStatisticsMark(display, display.screen.highlightSymbol, true, digitMode);
}

} // namespace quintaro
