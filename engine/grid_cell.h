// One cell of the four grids as a value, and the walk over every cell of every grid.
#pragma once

#include "engine/board.h"

#include <optional>

namespace quintaro {

// Cell (column, row) 1..9 of grid 0..3. A cell of a shared box has a copy in each of its two grids.
struct GridCell {
    int grid = 0, column = 0, row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

constexpr int kFieldSide = 21; // cells along each side of the field

// A place on the field: column x and row y, 0..20 from the top left.
struct FieldPlace {
    int x = 0, y = 0;
    friend bool operator==(const FieldPlace&, const FieldPlace&) = default;
};

// The cell at a place, in the lowest-numbered grid that holds it (the copy that input writes); none
// for the places of no grid (the four corners and the middle) and off the field.
inline std::optional<GridCell> gridCellAt(FieldPlace place) {
    for (int g = 0; g < kGridCount; ++g) {
        const int c = place.x - kGridFieldColumn[std::size_t(g)] + 1;
        const int r = place.y - kGridFieldRow[std::size_t(g)] + 1;
        if (c >= 1 && c <= 9 && r >= 1 && r <= 9) return GridCell{g, c, r};
    }
    return std::nullopt;
}

// Where a cell of a grid lies on the field; both copies of a shared cell lie on the same place.
inline FieldPlace fieldPlaceOf(const GridCell& cell) {
    return {kGridFieldColumn[std::size_t(cell.grid)] + cell.column - 1,
            kGridFieldRow[std::size_t(cell.grid)] + cell.row - 1};
}

// Calls f(GridCell) for every cell of the four grids, grid by grid, column by column, row by row; the
// cells of a shared box come once per grid.
template <typename F>
constexpr void forEachCell(F&& f) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) f(GridCell{g, c, r});
        }
    }
}

// Whether pred(GridCell) holds for some cell, asked in forEachCell's order up to the first that does.
template <typename F>
constexpr bool anyCell(F&& pred) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (pred(GridCell{g, c, r})) return true;
            }
        }
    }
    return false;
}

} // namespace quintaro
