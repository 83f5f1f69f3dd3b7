// What the player sees beyond the board itself: colours, level names, the screen's layout values, the
// panels' figures, the chooser, the keyboard cursor, a standing hint and where the pointer is.
#pragma once

#include "app/hint.h"
#include "app/keyboard_cursor.h"
#include "platform/saved_rectangle.h"
#include "ui/cell_frame.h"
#include "ui/colour_table.h"
#include "ui/display.h"
#include "ui/entry_popup.h"
#include "ui/layout.h"
#include "ui/panel_context.h"

#include <array>
#include <string>

namespace quintaro {

// Plain parts; the game's handlers change them and draw.
struct PlayerView {
    ColourTable colourTable{};
    std::array<std::string, 4> levelNames;        // the difficulty panel's names of the four levels
    platform::SavedRectangle buttonBarBackground; // what the button bar of a game loop covers
    ScreenState screen;
    PanelState panelState;
    EntryPopup popup;
    HintMark hint;         // key T's hint while it stands (hint.cpp)
    KeyboardCursor cursor; // keyboard play (keyboard_play.cpp)
    CellFrame cursorFrame;
    std::string hintText; // the prompt of the help panel
    Pixel pointer;        // where the pointer was last reported; the chooser a key opens highlights the square under it
};

} // namespace quintaro
