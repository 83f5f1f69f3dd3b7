// The engine's placements shown on the main window.
#include "app/game_view.h"

#include "app/game.h"
#include "ui/cells.h"

namespace quintaro {

void GameView::showPlayerCell(const Board&, int c, int r, int g, int s, bool wrong)
{
    Display d = game_.display();
    paintPlayerCell(d, c, r, g, s, wrong, game_.state.digitMode);
}

void GameView::stopTiming()
{
    game_.state.gameRunning = false;
    game_.refreshClock();
}

void GameView::showCandidates(const Board& b)
{
    Display d = game_.display();
    drawCandidates(d, b, game_.state.digitMode);
}

bool GameView::countSymbols(Board&) { return game_.countSymbols().solved(); }

void GameView::setBusy(bool busy) { game_.mainForm->setBusyPointer(busy); }

void GameView::showNotSolvableMessage()
{
    game_.platform.alertBox(platform::AlertIcon::None, "Das Brett läßt sich nicht eindeutig lösen?", "&Schade", 1);
}

} // namespace quintaro
