// The player's settings between runs: the choices and the window taken from them and put into them.
#include "app/settings_memory.h"

#include "app/window_position.h"
#include "platform/window_scale.h"

#include <algorithm>

namespace quintaro {

namespace {

// How much of the caption must lie on the screen for the player to grab it.
constexpr int kReachableWidth = 100;

bool fitsFreeArea(const platform::WindowGeometry& g, const platform::ScreenSize& free) {
    const auto [width, height] = outerSizeAt(g.zoom);
    if (width > free.width || height > free.height) return false;
    const int top = free.top, bottom = free.top + free.height - platform::MainWindow::kFrameAllowance;
    if (g.y < top || g.y > bottom) return false;
    const int overlap = std::min(g.x + width, free.left + free.width) - std::max(g.x, free.left);
    return overlap >= std::min(width, kReachableWidth);
}

} // namespace

PlayerChoices choicesOf(const PlayerSettings& settings) {
    PlayerChoices c;
    c.level = std::int16_t(std::clamp(settings.level, 0, 3));
    c.digitMode = settings.digitMode;
    c.showCandidates = settings.showCandidates;
    c.puzzleSymmetry = settings.puzzleSymmetry;
    c.freshPuzzles = settings.freshPuzzles;
    return c;
}

PlayerSettings withChoices(PlayerSettings settings, const PlayerChoices& choices) {
    settings.level = choices.level;
    settings.digitMode = choices.digitMode;
    settings.showCandidates = choices.showCandidates;
    settings.puzzleSymmetry = choices.puzzleSymmetry;
    settings.freshPuzzles = choices.freshPuzzles;
    return settings;
}

platform::WindowGeometry openingGeometry(const PlayerSettings& settings, const platform::ScreenSize& free) {
    platform::WindowGeometry first = windowPosition(free);
    first.fullScreen = settings.fullScreen;
    if (!settings.window || !settings.scaleFactor) return first;
    platform::WindowGeometry kept = first;
    kept.x = settings.window->x;
    kept.y = settings.window->y;
    kept.zoom = *settings.scaleFactor;
    return fitsFreeArea(kept, free) ? kept : first;
}

PlayerSettings withWindow(PlayerSettings settings, const platform::WindowGeometry& geometry) {
    const double zoom = std::clamp(geometry.zoom, kMinScaleFactor, kMaxScaleFactor);
    settings.window = WindowPlace{geometry.x, geometry.y, platform::windowSizeFor(kWindowWidth, zoom),
                                  platform::windowSizeFor(kClientHeight, zoom)};
    settings.scaleFactor = zoom;
    settings.fullScreen = geometry.fullScreen;
    return settings;
}

std::string rememberSettings(SettingsMemory& memory, const PlayerSettings& settings) {
    if (settings == memory.attempted) return {};
    memory.attempted = settings;
    const std::string failure = writePlayerSettings(memory.path, settings);
    if (failure.empty() || memory.failureTold) return {};
    memory.failureTold = true;
    return "Die Einstellungen werden nicht gespeichert: " + failure;
}

} // namespace quintaro
