// The difficulty panel.
#include "ui/difficulty_panel.h"

#include "engine/rules.h"
#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

void drawDifficultyPanel(Display& display, const PanelValues& values)
{
    drawPanel(display, kDifficultyPanel);
    selectFont(display, font::Body);
    display.surface.text(790, 455, "Vorgegebene Zahlen: " + rightAligned(values.givenCount, 2));
    drawGivenCount(display, values.givenCount, values.levelName);
}

void drawGivenCount(Display& display, int givenCount, const std::string& levelName)
{
    platform::Surface& s = display.surface;
    selectFont(display, font::Body);
    // The Arial fallback is wider: blank the old count before writing the new one.
    if (display.screen.largeFontMode)
        s.text(953, 455, "       ");
    s.text(953, 455, rightAligned(givenCount, 2) + " ");
    selectFont(display, font::Symbols);
    s.text(816, 468, levelName + "  ");
}

int countGivens(Display& display, Board& b, const std::string& levelName)
{
    clearSharedCopies(b);
    int count = 0;
    for (int g = 0; g < kGridCount; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                count += cellAt(b.givens, c, r, g) != 0;
    syncSharedBoxes(b);
    drawGivenCount(display, count, levelName);
    return count;
}

} // namespace quintaro
