// The screen and clock behind the engine's placements, for one game.
#pragma once

#include "engine/board_view.h"

namespace quintaro {

class Game;

class GameView final : public BoardView {
public:
    explicit GameView(Game& game) : game_(game) {}

    // BoardView: cells, candidates and the status panel of the main window.
    void showPlayerCell(const Board& b, int c, int r, int g, int s, bool wrong) override;
    void stopTiming() override;
    void showCandidates(const Board& b) override;
    bool countSymbols(Board& b) override;
    void setBusy(bool busy) override;
    void showNotSolvableMessage() override;

private:
    Game& game_;
};

} // namespace quintaro
