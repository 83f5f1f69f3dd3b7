// The field: four empty 9 x 9 grids in a cross, its recesses and frame, and the side panels around it.
#pragma once

#include "ui/display.h"
#include "ui/panel_context.h"

namespace quintaro {

constexpr int kCellSize = 33;
constexpr int kFieldOrigin = 15;

// One empty grid whose top-left cell corner is (x, y): white paper with a black border, black cell
// lines and dark-blue box lines of width 2. Leaves line width 1.
void drawGrid(Display& display, int x, int y);

// The middle and button-bar recesses, the raised frame of the cross, the four grids, the dark-red
// outlines of the shared boxes, then the statistics (with status), difficulty and clock panels.
// Sets the field origin to (15, 15) and the cell size to 33.
void drawField(Display& display, const PanelContext& panels);

} // namespace quintaro
