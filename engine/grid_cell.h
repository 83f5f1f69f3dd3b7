// One cell of the four grids as a value, and the walk over every cell of every grid.
#pragma once

#include "engine/board.h"

namespace quintaro {

// Cell (column, row) 1..9 of grid 0..3. A cell of a shared box has a copy in each of its two grids.
struct GridCell {
    int grid = 0, column = 0, row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Calls f(GridCell) for every cell of the four grids, grid by grid, column by column, row by row; the
// cells of a shared box come once per grid.
template <typename F>
void forEachCell(F&& f) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) f(GridCell{g, c, r});
        }
    }
}

} // namespace quintaro
