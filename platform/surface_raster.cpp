// The image surface's rasteriser: Bresenham lines of any width, fills, and the mixing of device pixels.
#include "platform/surface_raster.h"

#include <algorithm>
#include <cstdlib>

namespace quintaro::platform {

namespace {

std::uint32_t mixed(std::uint32_t dst, std::uint32_t src, MixMode mode) {
    switch (mode) {
    case MixMode::Merge:
        return (dst | src) & kRgbMask;
    case MixMode::Xor:
        return (dst ^ src) & kRgbMask;
    case MixMode::Copy:
        break;
    }
    return src;
}

// Below 100 % a device pixel remembers the game pixel of the line last drawn on it (0 for none): a fill
// beside that line shares the device pixel with it but must not wipe the line out.
std::uint32_t lineMark(int x, int y) { return std::uint32_t(x + 1) | (std::uint32_t(y + 1) << 16); }
bool markInside(std::uint32_t mark, const Box& b) { return b.contains(int(mark & 0xFFFF) - 1, int(mark >> 16) - 1); }

} // namespace

void Coverage::addLine(int x1, int y1, int x2, int y2, int width, std::uint32_t colour) {
    const int before = width / 2;
    const int after = (width - 1) / 2;
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (int x = x1, y = y1;;) {
        for (int oy = -before; oy <= after; ++oy)
            for (int ox = -before; ox <= after; ++ox) points_.push_back({x + ox, y + oy, colour});
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Coverage::addOutline(int x1, int y1, int x2, int y2, int width, std::uint32_t colour) {
    addLine(x1, y1, x2, y1, width, colour);
    addLine(x2, y1, x2, y2, width, colour);
    addLine(x2, y2, x1, y2, width, colour);
    addLine(x1, y2, x1, y1, width, colour);
}

Box Coverage::apply(QImage& image, std::vector<std::uint32_t>& marks, Box clip, PixelScale scale, MixMode mode) {
    Box box{clip.right + 1, clip.bottom + 1, clip.left - 1, clip.top - 1};
    for (const Point& p : points_) {
        box.left = std::min(box.left, p.x), box.right = std::max(box.right, p.x);
        box.top = std::min(box.top, p.y), box.bottom = std::max(box.bottom, p.y);
    }
    if (hasFill_) {
        box.left = std::min(box.left, fill_.left), box.right = std::max(box.right, fill_.right);
        box.top = std::min(box.top, fill_.top), box.bottom = std::max(box.bottom, fill_.bottom);
    }
    box = box.cut(clip);
    if (box.empty()) return kNoBox;
    // The device pixels of the box, each with the colour it gets and, for a line, its mark.
    const int left = scale.edge(box.left), top = scale.edge(box.top);
    const int right = std::min(scale.end(box.right), image.width());
    const int bottom = std::min(scale.end(box.bottom), image.height());
    if (left >= right || top >= bottom) return kNoBox;
    const int w = right - left;
    slots_.assign(std::size_t(w) * std::size_t(bottom - top), Slot{});
    for (const Point& p : points_) {
        if (!box.contains(p.x, p.y)) continue;
        const std::uint32_t mark = lineMark(p.x, p.y);
        for (int y = scale.edge(p.y); y < std::min(scale.end(p.y), bottom); ++y)
            for (int x = scale.edge(p.x); x < std::min(scale.end(p.x), right); ++x)
                slots_[std::size_t(y - top) * w + std::size_t(x - left)] = {p.colour, mark, true};
    }
    if (hasFill_) {
        const Box f = fill_.cut(box);
        const int fillBottom = std::min(scale.edge(f.bottom + 1), bottom);
        const int fillRight = std::min(scale.edge(f.right + 1), right);
        for (int y = scale.edge(f.top); y < fillBottom; ++y)
            for (int x = scale.edge(f.left); x < fillRight; ++x) {
                Slot& s = slots_[std::size_t(y - top) * w + std::size_t(x - left)];
                if (s.used) continue;
                // A line beside the fill that shares this device pixel keeps it.
                if (!marks.empty() && marks[std::size_t(y) * image.width() + x] != 0 &&
                    !markInside(marks[std::size_t(y) * image.width() + x], fill_))
                    continue;
                s = {fillColour_, 0, true};
            }
    }
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Slot* from = &slots_[std::size_t(y - top) * w];
        for (int x = left; x < right; ++x, ++from) {
            if (!from->used) continue;
            row[x] = 0xFF000000u | mixed(row[x] & kRgbMask, from->colour, mode);
            if (!marks.empty()) marks[std::size_t(y) * image.width() + x] = from->mark;
        }
    }
    return box;
}

} // namespace quintaro::platform
