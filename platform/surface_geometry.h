// Boxes of game pixels on the image surface, and the device pixels that back each game pixel.
#pragma once

#include "platform/window_scale.h"

#include <algorithm>

namespace quintaro::platform {

// Game pixels to device pixels.
struct PixelScale {
    double ratio = 1.0;
    // The first device pixel of game pixel v; the block of v ends where the block of v + 1 begins.
    int edge(int v) const { return deviceEdge(v, ratio); }
    // Past the last device pixel a line through v covers: at least one, below 100 % too.
    int end(int v) const { return deviceEnd(v, ratio); }
};

// A box of game pixels, both corners included; empty when left > right or top > bottom.
struct Box {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool contains(const Box& b) const { return contains(b.left, b.top) && contains(b.right, b.bottom); }
    bool meets(const Box& b) const { return left <= b.right && b.left <= right && top <= b.bottom && b.top <= bottom; }
    bool empty() const { return left > right || top > bottom; }
    Box shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Box cut(const Box& b) const {
        return {std::max(left, b.left), std::max(top, b.top), std::min(right, b.right), std::min(bottom, b.bottom)};
    }
};

inline constexpr Box kNoBox{0, 0, -1, -1};
inline constexpr Box kEverywhere{-(1 << 29), -(1 << 29), 1 << 29, 1 << 29};

// The box with corners (x1, y1) and (x2, y2), in either order.
inline Box spanning(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace quintaro::platform
