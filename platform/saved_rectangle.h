// A screen rectangle saved as a bitmap, to be painted back later; plain pixels, freed with the object.
#pragma once

#include <cstdint>
#include <vector>

namespace quintaro::platform {

class SavedRectangle {
public:
    SavedRectangle() = default;
    SavedRectangle(int width, int height, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    // Row-major 0xRRGGBB values; pixels that lay outside the surface hold 0.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace quintaro::platform
