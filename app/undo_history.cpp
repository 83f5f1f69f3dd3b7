// Undo and redo as two lists of whole board layers: a few kilobytes a step, and never out of step
// with the board, whatever path changed it.
#include "app/undo_history.h"

namespace quintaro {

namespace {

// Moves the board to the newest layers of `from`, keeping the board's present layers on `to`.
bool moveStep(std::deque<BoardLayers>& from, std::deque<BoardLayers>& to, Board& b, bool& showCandidates) {
    if (from.empty()) return false;
    to.push_back(layersOf(b, showCandidates));
    restoreLayers(from.back(), b, showCandidates);
    from.pop_back();
    return true;
}

} // namespace

BoardLayers layersOf(const Board& b, bool showCandidates) { return {b.board, b.givens, b.candidates, showCandidates}; }

void restoreLayers(const BoardLayers& layers, Board& b, bool& showCandidates) {
    b.board = layers.board;
    b.givens = layers.givens;
    b.candidates = layers.candidates;
    showCandidates = layers.showCandidates;
}

void recordStep(UndoHistory& history, const BoardLayers& before, const BoardLayers& now) {
    if (before == now) return;
    history.undo.push_back(before);
    if (history.undo.size() > UndoHistory::kMaxSteps) history.undo.pop_front();
    history.redo.clear();
}

void startAfresh(UndoHistory& history) {
    history.undo.clear();
    history.redo.clear();
}

bool undoStep(UndoHistory& history, Board& b, bool& showCandidates) {
    return moveStep(history.undo, history.redo, b, showCandidates);
}

bool redoStep(UndoHistory& history, Board& b, bool& showCandidates) {
    return moveStep(history.redo, history.undo, b, showCandidates);
}

} // namespace quintaro
