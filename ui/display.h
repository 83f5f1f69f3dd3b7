// What the screen routines draw with: the window's surface, the colour table and the screen's own state.
#pragma once

#include "platform/surface.h"
#include "ui/colour_table.h"

#include <array>

namespace quintaro {

// Screen values that the drawing routines set and later ones read.
struct ScreenState {
    int fieldOriginX = 0, fieldOriginY = 0; // top-left pixel of the 21 x 21-cell field; set by drawField
    int cellWidth = 0, cellHeight = 0;      // 33 once drawField has run
    int currentFont = 0;                    // id of the font selectFont made current last
    bool fontCreated = false;               // selectFont has run
    bool largeFontMode = false;             // font 8 fell back to Arial for large system fonts; never cleared
    int highlightSymbol = 0;                // the symbol 1..9 whose cells are tinted; 0 for none
};

struct Display {
    platform::Surface& surface;
    const ColourTable& colourTable;
    ScreenState& screen;
    int largeFontMetric; // the platform's large-font metric; above 16 means large system fonts

    void foreground(int index) { surface.setForeground(colourTable.at(std::size_t(index))); }
    void background(int index) { surface.setBackground(colourTable.at(std::size_t(index))); }
};

} // namespace quintaro
