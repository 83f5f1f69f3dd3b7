// The drawing surface over a QPainter on a device that cannot be read back, such as a printer page.
#pragma once

#include "platform/surface.h"

class QPainter;

namespace quintaro::platform {

// Lines, rectangles and text follow the pixel rules of Surface in device pixels; fonts in points are
// converted at the device's resolution. What a page cannot do: the mix mode is ignored (everything is
// drawn as with Copy), pixel() throws std::logic_error, saveRectangle() returns an empty rectangle.
class PainterSurface final : public Surface {
public:
    // Draws through `painter`, which must stay active on its device while drawing goes on, over an
    // area of width x height device pixels.
    PainterSurface(QPainter& painter, int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void filledRectangle(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& utf8) override;
    int textWidth(const std::string& utf8) const override;
    SavedRectangle saveRectangle(int x1, int y1, int x2, int y2) const override;
    void paintRectangle(const SavedRectangle& saved, int x, int y) override;
    Rgb pixel(int x, int y) const override;
    void clear(Rgb c) override;

private:
    QPainter& painter_;
    int width_, height_;
    int dotsPerInch_;
};

} // namespace quintaro::platform
