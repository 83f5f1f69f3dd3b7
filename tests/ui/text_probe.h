// Whether a text stands at a place on a surface, pixel for pixel, in a given colour.
#pragma once

#include "platform/image_surface.h"
#include "platform/rgb_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quintaro {

// A rectangle, both corners included.
struct Box {
    int x1, y1, x2, y2;
};

// Renders `text` in `font` at (x, y) on a blank surface and compares the text's box (advance width x
// font height), cut to `clip` when given: where the rendering has ink the surface must show `ink`, and
// nowhere else. The clip keeps out lines that cross the box.
inline ::testing::AssertionResult showsText(const platform::Surface& surface, int x, int y, const std::string& text,
                                            const platform::FontRequest& font, platform::Rgb ink,
                                            Box clip = {0, 0, 1 << 20, 1 << 20}) {
    platform::ImageSurface reference(surface.width(), surface.height());
    reference.setFont(font);
    reference.setForeground({0, 0, 0});
    reference.text(x, y, text);
    const int width = reference.textWidth(text);
    for (int py = std::max(y, clip.y1); py < y + font.height && py <= clip.y2; ++py)
        for (int px = std::max(x, clip.x1); px < x + width && px <= clip.x2; ++px) {
            const bool inked = reference.pixel(px, py) == platform::Rgb{0, 0, 0};
            if (inked != (surface.pixel(px, py) == ink))
                return ::testing::AssertionFailure() << '"' << text << "\" differs at " << px << ',' << py << ": "
                                                     << ::testing::PrintToString(surface.pixel(px, py));
        }
    return ::testing::AssertionSuccess();
}

} // namespace quintaro
