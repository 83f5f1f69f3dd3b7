// The deduction solver: single candidates and single places, box by box, row by row, column by column.
#pragma once

#include "engine/board.h"
#include "engine/placement_trace.h"

namespace quintaro {

// Literal: every trial placement runs the whole-field checkRules, exactly as the game describes it;
// the reference. Fast: per-grid bitmasks that give the same placements in the same order.
enum class SolverPath { Fast, Literal };

// Literal deduction steps over grid g; each judges its placements with judgePlayerCell.
// observer may be null; pass is reported with each placement.
void solveBlock(Board& b, int g, int c0, int r0, PlacementObserver* observer = nullptr, int pass = 1);
void solveRow(Board& b, int g, int r, PlacementObserver* observer = nullptr, int pass = 1);
void solveColumn(Board& b, int g, int c, PlacementObserver* observer = nullptr, int pass = 1);

constexpr int kMaxSolvePasses = 15;

// Runs passes over all grids until one places nothing or after the fifteenth.
// Returns the number of passes run (1..15). Each placement is judged (judgePlayerCell, honouring
// silentSolve) and, when observer is set, reported to it in order with its judgement.
int runSolvePasses(Board& b, PlacementObserver* observer = nullptr, SolverPath path = SolverPath::Fast);

} // namespace quintaro
