// The help panel: a one-line hint for the player.
#pragma once

#include "ui/display.h"

#include <string>

namespace quintaro {

// The panel frame, then the hint.
void drawHelpPanel(Display& display, const std::string& hintText);

// Writes the hint into the help panel, black on white, in font 8.
void drawHint(Display& display, const std::string& hintText);

} // namespace quintaro
