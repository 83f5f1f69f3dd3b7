// The common pattern of the five side panels: raised frame, sunken writing area, shadowed title.
#pragma once

#include "ui/display.h"

#include <string>

namespace quintaro {

// Outer rectangle (x, y)-(x + width, y + height); the title sits at (x + titleDx, y + titleDy).
struct PanelFrame {
    const char* title;
    int x, y, width, height, titleDx, titleDy;
};

constexpr PanelFrame kStatisticsPanel{"STATISTIK:", 732, 222, 300, 78, 118, 20};
constexpr PanelFrame kStatusPanel{"STATUSMELDUNG:", 732, 323, 300, 78, 92, 20};
constexpr PanelFrame kDifficultyPanel{"SCHWIERIGKEITSGRAD:", 762, 425, 234, 88, 38, 20};
constexpr PanelFrame kHelpPanel{"HILFEFENSTER:", 762, 537, 234, 72, 64, 20};
constexpr PanelFrame kClockPanel{"ZEITMESSUNG:", 762, 634, 234, 68, 65, 18};

// Draws the frame, the title and the white writing area (x + 6, y + 22)-(x + width - 7, y + height - 7)
// with its black outline. Leaves font 8, black on white, opaque text, fill on.
void drawPanel(Display& display, const PanelFrame& panel);

// value right-aligned in a field of `width` characters (wider values are not cut).
std::string rightAligned(int value, int width);

} // namespace quintaro
