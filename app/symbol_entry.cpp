// Entering a symbol into a cell: the chooser over the cell.
#include "app/game.h"

#include "ui/help_panel.h"

namespace quintaro {

void Game::drawEntryPopup(int c, int r)
{
    state.clockHold = true;
    state.hintText = state.rightClick ? "Bitte Kandidaten notieren!" : "Rechte Taste löscht Feld!";
    Display d = display();
    drawHint(d, state.hintText);
    quintaro::drawEntryPopup(d, popup, c, r, board.activeGrid, state.digitMode);
    state.clockHold = false;
}

} // namespace quintaro
