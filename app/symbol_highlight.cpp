// The highlighted symbol: chosen on the statistics panel, shown by repainting only what changes.
#include "app/symbol_highlight.h"

#include "app/game.h"
#include "engine/grid_cell.h"
#include "ui/cells.h"
#include "ui/symbol_highlight.h"

namespace quintaro {

namespace {

// Repaints every cell that holds s as the full redraw would, given or player's, without judging anew.
void repaintCellsOf(Game& game, Display& d, int s)
{
    if (s == 0)
        return;
    const Board& b = game.board;
    forEachCell([&](GridCell cell) {
        const auto [g, c, r] = cell;
        if (const int given = cellAt(b.givens, c, r, g); given != 0) {
            if (given == s)
                drawGivenCell(d, c, r, g, s, game.state.digitMode);
        } else if (cellAt(b.board, c, r, g) == s) {
            paintPlayerCell(d, c, r, g, s, contradictsSolution(b, cell), game.state.digitMode);
        }
    });
}

bool marksOf(const Board& b, int s)
{
    if (s == 0)
        return false;
    return anyCell([&](GridCell k) {
        return cellAt(b.board, k.column, k.row, k.grid) == 0 &&
               b.candidates[std::size_t(candidateIndex(k.column, k.row, s, k.grid))];
    });
}

} // namespace

bool clickStatistics(Game& game, int x, int y)
{
    const std::optional<int> column = statisticsColumnAt(x, y);
    if (!column)
        return false;
    highlightSymbol(game, *column == game.screen.highlightSymbol ? 0 : *column);
    return true;
}

void highlightSymbol(Game& game, int s)
{
    const int before = game.screen.highlightSymbol;
    if (s < 0 || s > 9 || s == before)
        return;
    game.screen.highlightSymbol = s;
    Display d = game.display();
    drawStatisticsMark(d, before, false, game.state.digitMode);
    drawStatisticsMark(d, s, true, game.state.digitMode);
    repaintCellsOf(game, d, before);
    repaintCellsOf(game, d, s);
    if (marksOf(game.board, before) || marksOf(game.board, s))
        drawCandidates(d, game.board, game.state.digitMode);
}

void redrawStatisticsMark(Game& game)
{
    Display d = game.display();
    drawStatisticsMark(d, game.screen.highlightSymbol, true, game.state.digitMode);
}

} // namespace quintaro
