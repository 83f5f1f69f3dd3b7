// The bottom bar.
#include "ui/bottom_bar.h"

#include "ui/fonts.h"
#include "ui/primitives.h"

namespace quintaro {

void drawBottomBar(Display& display) {
    drawBevel(display, false, 2, 0, 764, 1051, 786);
    drawShadowText(display, font::Titles, colour::Black, 10, 782, "Quintaro V6.0");
}

} // namespace quintaro
