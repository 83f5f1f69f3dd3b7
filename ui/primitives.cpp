// Bevelled frames and shadowed text.
#include "ui/primitives.h"

#include "ui/fonts.h"

namespace quintaro {

void drawBevel(Display& display, bool sunken, int width, int x1, int y1, int x2, int y2) {
    platform::Surface& s = display.surface;
    s.setFill(false);
    s.setLineWidth(1);
    s.setMixMode(platform::MixMode::Copy);
    const int last = width - (sunken ? 1 : 0);
    display.foreground(sunken ? colour::DarkGrey : colour::White);
    for (int i = 0; i <= last; ++i) {
        s.line(x1 + i, y1 + i, x2, y1 + i);
        s.line(x1 + i, y1 + i, x1 + i, y2);
    }
    display.foreground(sunken ? colour::White : colour::DarkGrey);
    for (int i = 0; i <= last; ++i) {
        s.line(x1 + i, y2 - i, x2 + 1, y2 - i);
        s.line(x2 - i, y1 + i, x2 - i, y2);
    }
    display.foreground(colour::Black);
}

void drawTextWithShadow(Display& display, int colourIndex, int x, int y, const std::string& text) {
    platform::Surface& s = display.surface;
    display.foreground(colour::White);
    display.background(colour::LightGrey);
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Transparent);
    s.text(x, y, text);
    // The mix mode does not act on text: the second copy lands plainly on top of the white one.
    display.foreground(colourIndex);
    display.background(colour::Black);
    s.setMixMode(platform::MixMode::Xor);
    s.text(x - 1, y - 1, text);
}

void drawShadowText(Display& display, int fontId, int colourIndex, int x, int y, const std::string& text) {
    platform::Surface& s = display.surface;
    selectFont(display, fontId);
    if (fontId == font::Accelerator && display.screen.largeFontMode) x += 31;
    drawTextWithShadow(display, colourIndex, x, y - 14, text);
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(colour::Black);
    display.background(colour::LightGrey);
    selectFont(display, font::Body);
}

} // namespace quintaro
