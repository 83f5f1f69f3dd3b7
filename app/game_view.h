// The screen and clock behind the engine's placements and the status check, for one game.
#pragma once

#include "engine/board_view.h"
#include "ui/panel_context.h"

namespace quintaro {

class Game;

class GameView final : public BoardView, public StatusListener {
public:
    explicit GameView(Game& game) : game_(game) {}

    // BoardView: cells, candidates and the status panel of the main window.
    void showPlayerCell(const Board& b, int c, int r, int g, int s, bool wrong) override;
    void stopTiming() override;
    void showCandidates(const Board& b) override;
    bool countSymbols(Board& b) override;
    void setBusy(bool busy) override;
    void showNotSolvableMessage() override;

    // StatusListener: the alert sound, and a solved timed game handed to the clock.
    void ruleBroken() override;
    void boardSolved() override;

private:
    Game& game_;
};

} // namespace quintaro
