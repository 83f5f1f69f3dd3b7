// The visible solve of key K then O and of the solve command: the engine's placements drawn as they come.
#include "app/game.h"

#include "engine/candidates.h"
#include "engine/solution.h"

#include <functional>

namespace quintaro {

namespace {

// Hands each placement to show as the solver makes it.
class PlacementPainter final : public PlacementObserver {
public:
    explicit PlacementPainter(std::function<void(const Placement&)> show) : show_(std::move(show)) {}
    void placed(const Placement& p) override { show_(p); }

private:
    std::function<void(const Placement&)> show_;
};

} // namespace

void Game::solveCommand(bool restartFollowUp) {
    PlacementPainter painter([this](const Placement& p) {
        showJudgedCell({p.grid, p.column, p.row}, p.symbol, p.judged);
    });
    const auto solve = [&] {
        mainWindow->setBusyPointer(true);
        runSolvePasses(board, &painter);
        if (!countSymbols().solved())
            platform.alertBox(platform::AlertIcon::None, "Das Brett läßt sich nicht eindeutig lösen?", "&Schade", 1);
        if (choices.showCandidates) refreshCandidates();
        mainWindow->setBusyPointer(false);
    };
    solve();
    if (restartFollowUp && solveRanIntoDeadEnd(board)) {
        restartBoard(board);
        solve();
    }
}

} // namespace quintaro
