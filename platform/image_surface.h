// The drawing surface over an in-memory image: the window's client area, and the page of tests.
#pragma once

#include "platform/surface.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace quintaro::platform {

class ImageSurface final : public Surface {
public:
    // A surface of width x height pixels, white at first. Needs a running Qt GUI application (fonts).
    // Backed at pixelRatio device pixels per pixel (kept within 0.5..8): the coordinates stay the game's,
    // lines and rectangles cover whole device pixels (every line at least one), text is drawn at that size.
    ImageSurface(int width, int height, double pixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    int width() const override;
    int height() const override;
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void filledRectangle(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& utf8) override;
    int textWidth(const std::string& utf8) const override;
    SavedRectangle saveRectangle(int x1, int y1, int x2, int y2) const override;
    void paintRectangle(const SavedRectangle& saved, int x, int y) override;
    // Above 100 %: the first device pixel of the block of (x, y).
    Rgb pixel(int x, int y) const override;
    void clear(Rgb c) override;

    double pixelRatio() const;
    // Backs the surface at another ratio (kept within 0.5..8; the window was resized or moved to another
    // screen) and draws everything kept again at it.
    void setPixelRatio(double pixelRatio);
    // How many drawing steps the surface keeps for drawing again; bounded however long it is drawn on.
    std::size_t keptSteps() const;

    // Called on the drawing thread after every change with the bounding box (x, y, w, h) it touched;
    // the window uses it to schedule a repaint without waiting for it.
    void setChangeListener(std::function<void(int, int, int, int)> listener);

    struct Impl;
    Impl& impl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace quintaro::platform
