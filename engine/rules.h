// The rule check over all four grids and the upkeep of the shared boxes' two copies.
#pragma once

#include "engine/board.h"

namespace quintaro {

// True when no row, column or box of any grid holds a symbol twice; empty cells never conflict.
// Reads only b.board (every entry must lie in 0..9); uses b.ruleTally as scratch. Checks columns,
// then rows, then boxes, grid by grid, stopping at the first conflict.
bool checkRules(Board& b);

// The box part of the rule check for the box of grid g whose first column and row are c0, r0 (1, 4 or 7).
bool checkBox(Board& b, int g, int c0, int r0);

// Copies every cell of each master copy into its second copy, in board and givens.
void syncSharedBoxes(Board& b);

// Copies the candidate flags of each master copy into its second copy.
void syncSharedCandidates(Board& b);

// Empties every cell of the four second copies, in board and givens, so that counts see each cell once.
void clearSharedCopies(Board& b);

// The other copy of cell (c, r, g) when it lies in a shared box: returns false when it has none,
// otherwise stores the twin's column, row and grid.
bool sharedTwin(int c, int r, int g, int& tc, int& tr, int& tg);

// Writes v into cell (c, r, g) of layer and, when the cell lies in a shared box, into its twin too.
void setCellAndTwin(CellLayer& layer, int c, int r, int g, std::uint8_t v);

} // namespace quintaro
