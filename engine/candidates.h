// Restarting and clearing a board, and computing the candidates shown to the player.
#pragma once

#include "engine/board.h"
#include "engine/solver.h"

namespace quintaro {

// Clears every candidate and every non-given cell; givens, solution and noSolution stay.
void restartBoard(Board& b);

// Clears noSolution, board, givens and candidates; solution stays. The caller redraws.
void clearBoard(Board& b);

// When showCandidates: sets each empty cell's flag of s when s alone in that one copy leaves the whole
// field free of conflicts. In every case merges the shared copies. The caller draws them.
void computeCandidates(Board& b, bool showCandidates, SolverPath path = SolverPath::Fast);

// Both copies of every shared cell keep a candidate only where both grids admit it.
void mergeSharedCandidates(Board& b);

} // namespace quintaro
