// The player's steps on the board, kept so that they can be taken back and done again.
#pragma once

#include "engine/board.h"

#include <cstddef>
#include <deque>

namespace quintaro {

// What a step of the player can change: the symbols, the givens (of an own puzzle), the candidate
// marks and whether all candidates are shown. The error count is left out on purpose: a wrong entry
// taken back still counted.
struct BoardLayers {
    CellLayer board{};
    CellLayer givens{};
    CandidateFlags candidates{};
    bool showCandidates = false;

    friend bool operator==(const BoardLayers&, const BoardLayers&) = default;
};

BoardLayers layersOf(const Board& b, bool showCandidates);
void restoreLayers(const BoardLayers& layers, Board& b, bool& showCandidates);

// The layers before each step (newest last) and those undone since (the next to redo last).
struct UndoHistory {
    static constexpr std::size_t kMaxSteps = 1000; // the oldest steps go beyond this
    std::deque<BoardLayers> undo;
    std::deque<BoardLayers> redo;
};

// Keeps the change from `before` to the board as it stands as one step and forgets what was undone;
// nothing when the board did not change.
void recordStep(UndoHistory& history, const BoardLayers& before, const BoardLayers& now);
// Both lists emptied: a new game, a load, a shuffle or a cleared board starts a history of its own.
void startAfresh(UndoHistory& history);
// The board goes back to the layers before its last step (undo) or forward to those after the step
// last undone (redo); false, with the board untouched, when there is no such step.
bool undoStep(UndoHistory& history, Board& b, bool& showCandidates);
bool redoStep(UndoHistory& history, Board& b, bool& showCandidates);

} // namespace quintaro
