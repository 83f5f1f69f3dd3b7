// The menu bar of the main window and its check marks.
#pragma once

#include "app/player_choices.h"
#include "platform/platform.h"

namespace quintaro {

// Builds the menu bar from the menu text and attaches it to window, replacing the one before.
void buildMenuBar(platform::MainWindow& window);

// Sets the check marks of levels, digits/letters, candidates and symmetry from what the player chose.
void refreshCheckMarks(platform::MainWindow& window, const PlayerChoices& choices);

} // namespace quintaro
