// The drawing primitives every screen element is built from: bevelled frames and shadowed text.
#pragma once

#include "ui/display.h"

#include <string>

namespace quintaro {

// A 3-D frame from (x1, y1) to (x2, y2): raised (light top and left) with width + 1 lines per edge,
// or sunken (dark top and left) with width lines. Leaves fill off, width 1, mix copy, foreground black.
void drawBevel(Display& display, bool sunken, int width, int x1, int y1, int x2, int y2);

// Text with its top-left at (x, y) in the current font: a white copy, then one in colour `colourIndex` a
// pixel up and left. Leaves xor mode and transparent text.
void drawTextWithShadow(Display& display, int colourIndex, int x, int y, const std::string& text);

// Text in colour `colourIndex` with a white copy one pixel to its lower right; y is 14 pixels below the
// text's top. Leaves mix copy, opaque text, foreground black, background light grey and font 8 current.
void drawShadowText(Display& display, int fontId, int colourIndex, int x, int y, const std::string& text);

} // namespace quintaro
