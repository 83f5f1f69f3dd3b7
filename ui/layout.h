// Where the field lies on the screen: the cell size, the field's corner and each grid's, from the engine's layout.
#pragma once

#include "engine/board.h"

#include <cstddef>

namespace quintaro {

constexpr int kCellSize = 33;    // from one cell line to the next, in game pixels
constexpr int kFieldOrigin = 15; // top-left pixel of the 21 x 21-cell field

// A position in the game's pixels, as the pointer reports it.
struct Pixel {
    int x = 0, y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

// Top-left cell corner of grid g (0..3): top, left, right, bottom.
constexpr Pixel gridOrigin(int g) {
    return {kFieldOrigin + kGridFieldColumn[std::size_t(g)] * kCellSize,
            kFieldOrigin + kGridFieldRow[std::size_t(g)] * kCellSize};
}

} // namespace quintaro
