// The field: four empty 9 x 9 grids in a cross, its recesses and frame, and the side panels around it.
#pragma once

#include "engine/grid_cell.h"
#include "ui/display.h"
#include "ui/layout.h"
#include "ui/panel_context.h"

#include <optional>

namespace quintaro {

// The cell under pixel p, in the lowest-numbered grid that holds it (the copy input writes); none
// between and outside the grids, and none before drawField has laid the field out. The one place
// where a position becomes a cell: clicks and the keyboard cursor both go through it.
std::optional<GridCell> cellAtPixel(const ScreenState& screen, Pixel p);

// One empty grid whose top-left cell corner is (x, y): white paper with a black border, black cell
// lines and dark-blue box lines of width 2. Leaves line width 1.
void drawGrid(Display& display, int x, int y);

// The middle and button-bar recesses, the raised frame of the cross, the four grids, the dark-red
// outlines of the shared boxes, then the statistics (with status), difficulty and clock panels.
// Sets the field origin to (15, 15) and the cell size to 33.
void drawField(Display& display, const PanelContext& panels);

} // namespace quintaro
