// The engine's placements and the status check shown on the main window.
#include "app/game_view.h"

#include "app/game.h"
#include "ui/cells.h"
#include "ui/statistics_panel.h"

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

bool GameView::countSymbols(Board&)
{
    Display d = game_.display();
    PanelContext panels = game_.panels();
    quintaro::countSymbols(d, panels);
    return game_.panelState.statusText.front() == 'B';
}

void GameView::setBusy(bool busy) { game_.mainWindow->setBusyPointer(busy); }

void GameView::showNotSolvableMessage()
{
    game_.platform.alertBox(platform::AlertIcon::None, "Das Brett läßt sich nicht eindeutig lösen?", "&Schade", 1);
}

void GameView::ruleBroken() { game_.platform.beep(); }

void GameView::boardSolved()
{
    GameState& state = game_.state;
    if (!state.gameRunning)
        return;
    state.gameSolved = true;
    game_.refreshClock();
    state.gameRunning = false;
    state.gameSolved = false;
}

} // namespace quintaro
