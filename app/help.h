// The help pages of the menu and of a running game, which help system shows them, and the about box.
#pragma once

#include "app/game_folders.h"
#include "platform/platform.h"

namespace quintaro {

// Found once at start-up.
struct HelpPages {
    bool html = false; // the HTML help can show the pages; otherwise the older help goes by keyword
};

// The help of the menu (overview) or of a running game (the explanation), from the game's folders. The
// HTML help tells the player which page is missing or unreadable and where it was looked for.
void showHelp(platform::Platform& platform, const GameFolders& folders, HelpPages help, bool fromGame);

// The about box, placed over window; it names where the settings and the kept games are stored.
void showAboutBox(platform::Platform& platform, const platform::MainWindow& window, const GameFolders& folders);

} // namespace quintaro
