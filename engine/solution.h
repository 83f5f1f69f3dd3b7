// The hidden solve that defines a board's solution, the symbol counts, the full-field and dead-end tests.
#pragma once

#include "engine/board.h"
#include "engine/solver.h"

namespace quintaro {

// Hidden solve: runs the passes silently on a copy of board, leaves the result in solution and sets
// noSolution when the field is not full. board (index-0 entries included) is unchanged afterwards.
// Returns the number of passes run.
int computeSolution(Board& b, SolverPath path = SolverPath::Fast, PlacementObserver* observer = nullptr);

// Recounts b.symbolCounts over the distinct cells of the field (each shared cell once); index 0
// counts the empty cells. The second copies are blanked for the count and restored from the masters.
void recountSymbols(Board& b);

// The number of distinct given cells of the field, each cell of a shared box once.
int countGivenCells(Board& b);

// True when b.symbolCounts holds 32 for each symbol 1..9, as it stands (no recount).
bool allSymbolsComplete(const Board& b);

// The hidden solve of a loaded game: from the givens alone when they determine the whole field, so a
// wrong entry of the player's never becomes part of the solution; otherwise from the board as it stands.
// board is unchanged afterwards.
void computeGameSolution(Board& b);

// True when each symbol 1..9 stands in exactly 32 distinct cells (that is, no cell is empty).
// Recounts b.symbolCounts; does not check the rules.
bool isFieldFull(Board& b);

// True when every empty cell, each copy of a shared cell on its own, still admits at least one symbol
// under the whole-field rule check. A full field is always true.
bool hasNoDeadEnd(Board& b, SolverPath path = SolverPath::Fast);

// After a visible solve: true when the field is not both full and rule-abiding and some empty cell
// admits no symbol, so that only a restarted board can be solved. Recounts b.symbolCounts.
bool solveRanIntoDeadEnd(Board& b, SolverPath path = SolverPath::Fast);

} // namespace quintaro
