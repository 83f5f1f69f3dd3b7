// The player's choices and the window's place, kept between runs in the desktop's settings file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// Bounds of a kept window; a value outside them is damage and reads as absent.
constexpr int kMinWindowSide = 100;     // width and height of the client area, in logical pixels
constexpr int kMaxWindowSide = 16384;   // the same, upper bound
constexpr int kMaxWindowOffset = 16384; // |x| and |y| of the frame's top-left corner
constexpr double kMinScaleFactor = 0.25;
constexpr double kMaxScaleFactor = 8.0;

// The window as the last run left it, in the desktop's logical pixels.
struct WindowPlace {
    int x = 0, y = 0;          // the frame's top-left corner
    int width = 0, height = 0; // the client area
    bool operator==(const WindowPlace&) const = default;
};

// What one run remembers for the next. The defaults are the classic start of a first run.
struct PlayerSettings {
    int level = 0;         // 0..3
    bool digitMode = true; // digits, else the letters A–I
    bool showCandidates = false;
    bool puzzleSymmetry = true;
    bool freshPuzzles = true;          // new games are freshly made puzzles, else the collections' records
    std::optional<WindowPlace> window; // none: the game chooses the opening place as on a first start
    std::optional<double> scaleFactor; // kMinScaleFactor..kMaxScaleFactor; none: chosen as on a first start
    bool fullScreen = false;
    bool operator==(const PlayerSettings&) const = default;
};

struct SettingsReading {
    enum class Status {
        Loaded,  // the file was read; values it lacks or holds damaged are defaults (see reset)
        Missing, // no file: every value is its default
        Unusable // no regular file, larger than kSettingsReadLimit, or not readable as settings: all defaults
    };
    PlayerSettings settings;
    Status status = Status::Missing;
    std::vector<std::string> reset; // Loaded: the keys present in the file whose values were unusable
};

// A settings file longer than this is not the game's: it is never read (a few hundred bytes are written).
constexpr long long kSettingsReadLimit = 64 * 1024;

// The settings file: quintaro/quintaro.conf in $XDG_CONFIG_HOME, or in ~/.config where that variable is
// unset, empty or relative (which the desktop's rules say to ignore). Absolute, for the about box and
// the help page to name. Looks at the environment on every call.
std::string settingsFilePath();

// Reads the settings at path through QSettings (INI format). Each value is checked on its own: a value
// of the wrong form (not a plain number, not "true" or "false") or out of range gives that value's
// default and its key in reset; the window's place is taken only when all four of its values are good.
// A path that is no regular file (a FIFO is never opened) or a file QSettings cannot parse gives all
// defaults. Never fails.
SettingsReading readPlayerSettings(const std::string& path);

// Writes every value of settings to path through QSettings, making the folder where it is missing;
// keys the game does not know stay. An existing file that readPlayerSettings finds Unusable is first
// renamed to path + ".defekt" (or ".defekt-2", …), never overwritten, so that nothing of it is lost.
// Returns "" when the file now holds settings, else why not, in German ("… lässt sich nicht
// schreiben"), for example in a folder the player may not write; path is then as it was.
std::string writePlayerSettings(const std::string& path, const PlayerSettings& settings);

} // namespace quintaro
