// A screen rectangle saved as a bitmap, to be painted back later; plain pixels, freed with the object.
#pragma once

#include <cstdint>
#include <vector>

namespace quintaro::platform {

// The size is in the game's pixels; the pixels themselves are kept at the resolution of the surface
// they came from (twice as many each way on a surface backed at 200 %).
class SavedRectangle {
public:
    SavedRectangle() = default;
    // Pixels at the game's own resolution, one per game pixel.
    SavedRectangle(int width, int height, std::vector<std::uint32_t> pixels)
        : SavedRectangle(width, height, width, height, std::move(pixels)) {}
    // A width x height rectangle held as deviceWidth x deviceHeight pixels.
    SavedRectangle(int width, int height, int deviceWidth, int deviceHeight, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), deviceWidth_(deviceWidth), deviceHeight_(deviceHeight),
          pixels_(std::move(pixels)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return deviceHeight_; }
    bool empty() const { return pixels_.empty(); }
    // Row-major 0xRRGGBB values, deviceWidth per row; pixels that lay outside the surface hold 0.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    int deviceWidth_ = 0;
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace quintaro::platform
