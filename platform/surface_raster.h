// The image surface's rasteriser: which device pixels a line or rectangle covers, and how they are mixed.
#pragma once

#include "platform/rgb.h"
#include "platform/surface.h"
#include "platform/surface_geometry.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace quintaro::platform {

inline constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// The colour as a 0xRRGGBB pixel value.
inline std::uint32_t packed(Rgb c) { return (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b; }

// The pixels one primitive covers, each device pixel mixed exactly once: outline points first, then the
// fill for every device pixel of the fill box that no outline point claimed. Reused from one primitive to
// the next, so that drawing allocates nothing once it has warmed up.
class Coverage {
public:
    // Forgets the primitive gathered so far.
    void reset() {
        points_.clear();
        hasFill_ = false;
    }

    // Adds the points of a line `width` pixels wide from (x1, y1) to (x2, y2), both ends included.
    void addLine(int x1, int y1, int x2, int y2, int width, std::uint32_t colour);
    // Adds the four sides of the rectangle with corners (x1, y1) and (x2, y2), `width` pixels wide.
    void addOutline(int x1, int y1, int x2, int y2, int width, std::uint32_t colour);

    // Fills the box with corners (x1, y1) and (x2, y2) wherever no point of the outline lies.
    void setFill(int x1, int y1, int x2, int y2, std::uint32_t colour) {
        fill_ = spanning(x1, y1, x2, y2);
        fillColour_ = colour;
        hasFill_ = true;
    }

    // Applies the covered pixels that lie inside the clip (within the surface) to the image; `marks` is
    // the line mark of every device pixel, or empty at 100 % and above. Returns the touched game box.
    Box apply(QImage& image, std::vector<std::uint32_t>& marks, Box clip, PixelScale scale, MixMode mode);

private:
    struct Point {
        int x, y;
        std::uint32_t colour;
    };
    struct Slot {
        std::uint32_t colour = 0;
        std::uint32_t mark = 0;
        bool used = false;
    };
    std::vector<Point> points_;
    std::vector<Slot> slots_;
    Box fill_{};
    std::uint32_t fillColour_ = 0;
    bool hasFill_ = false;
};

} // namespace quintaro::platform
