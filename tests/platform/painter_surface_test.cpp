// The printer's page surface keeps the pixel rules: drawn on an image it matches the window's surface.
#include "platform/headless/headless_platform.h"
#include "platform/image_surface.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt_image_surface.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quintaro::platform {
namespace {

// The same drawing on any surface: lines of several widths, outlines, fills and opaque text.
void draw(Surface& s) {
    s.setForeground({0, 0, 160});
    s.setBackground({255, 255, 0});
    for (int w = 1; w <= 5; ++w) {
        s.setLineWidth(w);
        s.line(10, 10 * w, 60, 10 * w);
        s.line(70 + 10 * w, 5, 70 + 10 * w, 45);
        s.rectangle(10 + 25 * w, 60, 25 + 25 * w, 80);
    }
    s.setLineWidth(2);
    s.filledRectangle(10, 90, 40, 110);
    s.setFill(false);
    s.filledRectangle(50, 90, 80, 110);
    s.setFont(FontRequest::pixels("ARIAL", 16, 0, 700));
    s.text(90, 90, "Zeit 12");
}

TEST(PainterSurfaceTest, DrawsTheSamePixelsAsTheImageSurface) {
    HeadlessPlatform platform; // the GUI application that text needs
    ImageSurface expected(160, 120);
    draw(expected);

    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterSurface page(painter, image.width(), image.height());
        draw(page);
        EXPECT_TRUE(page.saveRectangle(0, 0, 9, 9).empty());
        EXPECT_THROW((void)page.pixel(0, 0), std::logic_error);
    }
    EXPECT_TRUE(image == imageOf(expected)) << "the page differs from the window's surface";
}

} // namespace
} // namespace quintaro::platform
