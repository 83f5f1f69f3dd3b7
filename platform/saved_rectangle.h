// A screen rectangle saved as a bitmap, to be painted back later; plain pixels, freed with the object.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace quintaro::platform {

// What a surface drew in a rectangle, kept so that it can be painted back sharp at another resolution.
struct SavedDrawing;

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
    // The same, with what was drawn there (may be null: then only the pixels are known).
    SavedRectangle(int width, int height, int deviceWidth, int deviceHeight, std::vector<std::uint32_t> pixels,
                   std::shared_ptr<const SavedDrawing> drawing)
        : SavedRectangle(width, height, deviceWidth, deviceHeight, std::move(pixels)) {
        drawing_ = std::move(drawing);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return deviceHeight_; }
    bool empty() const { return pixels_.empty(); }
    // Row-major 0xRRGGBB values, deviceWidth per row; pixels that lay outside the surface hold 0.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    const std::shared_ptr<const SavedDrawing>& drawing() const { return drawing_; }

private:
    int width_ = 0;
    int height_ = 0;
    int deviceWidth_ = 0;
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::shared_ptr<const SavedDrawing> drawing_;
};

} // namespace quintaro::platform
