// Moving the keyboard cursor over the field and over the chooser's squares.
#include "app/keyboard_cursor.h"

#include "engine/board.h"

namespace quintaro {

FieldPlace stepCursor(FieldPlace from, int dx, int dy) {
    if (dx == 0 && dy == 0) return from;
    for (FieldPlace p{from.x + dx, from.y + dy}; p.x >= 0 && p.y >= 0 && p.x < kFieldSide && p.y < kFieldSide;
         p = {p.x + dx, p.y + dy}) {
        if (gridCellAt(p)) return p;
    }
    return from;
}

int stepChooserSquare(int from, int dx, int dy) {
    if (from < 1 || from > 9) return 5;
    const int col = (from - 1) % 3 + dx, row = (from - 1) / 3 + dy;
    if (col < 0 || col > 2 || row < 0 || row > 2) return from;
    return 3 * row + col + 1;
}

} // namespace quintaro
