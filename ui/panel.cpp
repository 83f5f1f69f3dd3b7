// The panel pattern shared by all side panels.
#include "ui/panel.h"

#include "ui/fonts.h"
#include "ui/primitives.h"

namespace quintaro {

void drawPanel(Display& display, const PanelFrame& p) {
    drawBevel(display, false, 2, p.x, p.y, p.x + p.width, p.y + p.height);
    drawBevel(display, true, 2, p.x + 6, p.y + 22, p.x + p.width - 6, p.y + p.height - 6);
    drawShadowText(display, font::Titles, colour::Black, p.x + p.titleDx, p.y + p.titleDy, p.title);
    display.surface.setFill(true);
    display.foreground(colour::Black);
    display.background(colour::White);
    display.surface.filledRectangle(p.x + 6, p.y + 22, p.x + p.width - 7, p.y + p.height - 7);
}

std::string rightAligned(int value, int width) {
    std::string text = std::to_string(value);
    if (int(text.size()) < width) text.insert(0, std::size_t(width) - text.size(), ' ');
    return text;
}

} // namespace quintaro
