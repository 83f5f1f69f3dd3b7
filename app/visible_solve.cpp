// The visible solve of key K then O and of the solve command: the engine's placements drawn as they come.
#include "app/game.h"

#include "engine/candidates.h"
#include "engine/solution.h"

namespace quintaro {

namespace {

// Shows each placement as the solver makes it and judges it.
class PlacementPainter final : public PlacementObserver {
public:
    explicit PlacementPainter(Game& game) : game_(game) {}
    void placed(const Placement& p) override { game_.showJudgedCell({p.grid, p.column, p.row}, p.symbol, p.judged); }

private:
    Game& game_;
};

} // namespace

bool Game::solveBoard() {
    mainWindow->setBusyPointer(true);
    PlacementPainter painter(*this);
    runSolvePasses(board, &painter);
    const bool solved = countSymbols().solved();
    if (!solved)
        platform.alertBox(platform::AlertIcon::None, "Das Brett läßt sich nicht eindeutig lösen?", "&Schade", 1);
    if (choices.showCandidates) refreshCandidates();
    mainWindow->setBusyPointer(false);
    return solved;
}

void Game::solveCommand(bool restartFollowUp) {
    solveBoard();
    if (restartFollowUp && solveRanIntoDeadEnd(board)) {
        restartBoard(board);
        solveBoard();
    }
}

} // namespace quintaro
