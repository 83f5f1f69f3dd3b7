// The keyboard cursor: a place among the cells of the four grids, moved along field rows and columns.
#pragma once

#include "engine/grid_cell.h"

#include <optional>

namespace quintaro {

// The next place from `from` in the direction (dx, dy), one of them 0 and the other -1 or 1, that
// belongs to a grid, jumping the places of none; `from` itself when no such place lies that way.
FieldPlace stepCursor(FieldPlace from, int dx, int dy);

// The chooser's square 1..9 after an arrow step (dx, dy) from square `from`: along its 3 x 3 rows and
// columns, staying at the edge; the middle square when none was highlighted yet.
int stepChooserSquare(int from, int dx, int dy);

// The cursor of one run: where it stands and whether its frame is on the screen.
struct KeyboardCursor {
    FieldPlace place{10, 4}; // the top grid's centre cell at first; then the last cell clicked or moved to
    bool shown = false;      // the arrow keys show the frame; the next mouse click takes it away
};

// The cell under the cursor.
inline GridCell cursorCell(const KeyboardCursor& cursor) {
    return gridCellAt(cursor.place).value_or(GridCell{0, 5, 5});
}

} // namespace quintaro
