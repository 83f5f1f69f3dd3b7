// The player's settings between runs: what start-up takes from them, and their writing when they change.
#pragma once

#include "app/player_choices.h"
#include "platform/main_window.h"
#include "platform/platform.h"
#include "storage/player_settings.h"

#include <string>

namespace quintaro {

// The settings file of this run and what was last written to it (or tried).
struct SettingsMemory {
    std::string path;         // found once at start-up, so that the whole run writes to one file
    PlayerSettings attempted; // what the file held at start-up, or what was last tried to write into it
    bool failureTold = false; // a failed write is told once per run, not on every change
};

// The choices the settings hold, and settings holding choices (the window's values unchanged).
PlayerChoices choicesOf(const PlayerSettings& settings);
PlayerSettings withChoices(PlayerSettings settings, const PlayerChoices& choices);

// Where the main window opens: the kept place, factor and full screen where they still fit the free area
// of today's screen, else the first opening (windowPosition) in or out of full screen as kept. The kept
// place fits when the window at the kept factor is no larger than the free area, its top edge lies inside
// the free area with room for the caption, and at least 100 pixels of its width (all of a narrower one)
// lie inside it: the player can reach the caption to move it.
platform::WindowGeometry openingGeometry(const PlayerSettings& settings, const platform::ScreenSize& free);

// settings with the window as geometry reports it: its corner, the client area at its factor, the
// factor and full screen.
PlayerSettings withWindow(PlayerSettings settings, const platform::WindowGeometry& geometry);

// Writes settings to memory.path unless they are what was last written or tried. Returns the German
// message for the player when the write failed and no failure was told this run yet, else "".
std::string rememberSettings(SettingsMemory& memory, const PlayerSettings& settings);

} // namespace quintaro
