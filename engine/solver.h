// The deduction solver: single candidates and single places, box by box, row by row, column by column.
#pragma once

#include "engine/board.h"
#include "engine/board_view.h"
#include "engine/placement_trace.h"

namespace quintaro {

// Literal: every trial placement runs the whole-field checkRules, exactly as the game describes it;
// the reference. Fast: per-grid bitmasks that give the same placements in the same order.
enum class SolverPath { Fast, Literal };

// Literal deduction steps; each sets b.activeGrid and places through drawPlayerCell.
// observer may be null; pass is reported with each placement.
void solveBlock(Board& b, BoardView& view, int g, int c0, int r0, PlacementObserver* observer = nullptr, int pass = 1);
void solveRow(Board& b, BoardView& view, int g, int r, PlacementObserver* observer = nullptr, int pass = 1);
void solveColumn(Board& b, BoardView& view, int g, int c, PlacementObserver* observer = nullptr, int pass = 1);

constexpr int kMaxSolvePasses = 15;

// Runs passes over all grids until one places nothing or after the fifteenth.
// Returns the number of passes run (1..15). Placements go through drawPlayerCell (honouring
// silentSolve) and, when observer is set, to observer in order.
int runSolvePasses(Board& b, BoardView& view, PlacementObserver* observer = nullptr, SolverPath path = SolverPath::Fast);

} // namespace quintaro
