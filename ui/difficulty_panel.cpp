// The difficulty panel.
#include "ui/difficulty_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

void drawDifficultyPanel(Display& display, const PanelContext& panels) {
    drawPanel(display, kDifficultyPanel);
    selectFont(display, font::Body);
    display.surface.text(790, 455, "Vorgegebene Zahlen: " + rightAligned(panels.state.givenCount, 2));
    drawGivenCount(display, panels);
}

void drawGivenCount(Display& display, const PanelContext& panels) {
    platform::Surface& s = display.surface;
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    // The Arial fallback is wider: blank the old count before writing the new one.
    if (display.screen.largeFontMode) s.text(953, 455, "       ");
    s.text(953, 455, rightAligned(panels.state.givenCount, 2) + " ");
    selectFont(display, font::Symbols);
    s.text(816, 468, panels.levelName + "  ");
}

} // namespace quintaro
