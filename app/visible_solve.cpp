// The visible solve of key K then O and of the solve command: the engine's placements drawn as they come.
#include "app/game.h"

#include "engine/candidates.h"
#include "engine/solution.h"
#include "ui/cells.h"

namespace quintaro {

namespace {

// Paints each placement as the solver makes it, red when it contradicts the known solution; the
// placement that makes the third error stops the timing first.
class PlacementPainter final : public PlacementObserver {
public:
    explicit PlacementPainter(Game& game) : game_(game) {}
    void placed(const Placement& p) override {
        if (p.judged.thirdError) game_.stopTiming();
        Display d = game_.display();
        paintPlayerCell(d, p.column, p.row, p.grid, p.symbol, p.judged.wrong, game_.state.digitMode);
    }

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
    if (state.showCandidates) refreshCandidates();
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
