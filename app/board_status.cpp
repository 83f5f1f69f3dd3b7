// The board judged after a change, its counts and status drawn, and what the verdict sets off.
#include "app/game.h"

#include "engine/solution.h"
#include "ui/statistics_panel.h"
#include "ui/status_panel.h"

namespace quintaro {

BoardVerdict Game::judgeBoardNow() {
    recountSymbols(board);
    const BoardVerdict verdict = judgeBoard(board);
    view.panelState.status = verdict.status;
    view.panelState.statusText = statusMessage(verdict.status);
    return verdict;
}

BoardVerdict Game::countSymbols() {
    const BoardVerdict verdict = judgeBoardNow();
    Display d = display();
    drawSymbolCounts(d, panels());
    actOnVerdict(verdict);
    return verdict;
}

void Game::actOnVerdict(const BoardVerdict& verdict) {
    if (verdict.status == BoardStatus::RuleBroken) {
        platform.beep();
        return;
    }
    if (!verdict.solved() || !play.gameRunning) return;
    // The clock takes this moment's time as the record and hands it to the hall of fame (the record handler made in
    // startUp).
    play.gameSolved = true;
    play.clock->refreshClock();
    play.gameRunning = false;
    play.gameSolved = false;
}

} // namespace quintaro
