// The contents of single cells: given and player symbols, and the candidate marks of empty cells.
#pragma once

#include "engine/board.h"
#include "engine/grid_cell.h"
#include "ui/display.h"

namespace quintaro {

// Top-left pixel inside a cell, one pixel inside the cell's lines.
struct CellCorner {
    int x, y;
};
CellCorner cellCorner(GridCell cell);

// Erases cell (c, r) of grid g and writes the given s (0: nothing) in black.
void drawGivenCell(Display& display, int c, int r, int g, int s, bool digitMode);

// The screen half of drawing a player's cell: erases cell (c, r) of grid g and writes s (0: nothing)
// in dark blue, or in red when wrong.
void paintPlayerCell(Display& display, int c, int r, int g, int s, bool wrong, bool digitMode);

// The nine candidate places of every empty cell of the four grids: each erased, and marked with its
// symbol where b.candidates holds it (1 top left, 9 bottom right, 10 pixels apart). Filled cells are
// not touched.
void drawCandidates(Display& display, const Board& b, bool digitMode);

} // namespace quintaro
