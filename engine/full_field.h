// Random complete valid fields of all four grids, for tests and for making puzzles.
#pragma once

#include "engine/board.h"
#include "engine/random_source.h"

namespace quintaro {

// Fills layer with a random complete field that obeys the rules in every grid, both copies of each
// shared box equal (randomised backtracking over the 288 distinct cells). Index-0 entries are 0.
void generateFullField(CellLayer& layer, RandomSource& rnd);

} // namespace quintaro
