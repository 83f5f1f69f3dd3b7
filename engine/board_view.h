// What the engine asks of the screen and the game around it; the defaults do nothing.
#pragma once

#include "engine/board.h"

namespace quintaro {

class BoardView {
public:
    virtual ~BoardView() = default;

    // Cell (c, r) of grid g now shows player symbol s (0 = empty); wrong: it contradicts the
    // solution known at that moment. Never called while silentSolve is set.
    virtual void showPlayerCell(const Board&, int /*c*/, int /*r*/, int /*g*/, int /*s*/, bool /*wrong*/) {}

    // The game stops being timed: clear the running flag and show the stopped clock.
    virtual void stopTiming() {}

    // Draw the candidate marks of every empty cell as they stand in b.candidates.
    virtual void showCandidates(const Board&) {}

    // Recount the symbols and update the status panel; true when the status is the solved-board message.
    virtual bool countSymbols(Board&) { return false; }

    // Busy pointer on (true) or back to the arrow (false) around a visible solve.
    virtual void setBusy(bool) {}

    // The visible solve could not finish the board: tell the player.
    virtual void showNotSolvableMessage() {}
};

} // namespace quintaro
