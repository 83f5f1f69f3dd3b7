// The settings between runs: where the window opens from them and what quitting puts into them.
#include "app/settings_memory.h"
#include "app/window_position.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using platform::WindowGeometry;

PlayerSettings keptWindow(int x, int y, double factor, bool fullScreen = false) {
    PlayerSettings s;
    s.window = WindowPlace{x, y, 1, 1}; // the size follows from the factor
    s.scaleFactor = factor;
    s.fullScreen = fullScreen;
    return s;
}

TEST(SettingsMemoryTest, TheKeptWindowOpensWhereItStillFitsTodaysScreenElseTheFirstOpening) {
    const platform::ScreenSize free{1280, 990, 0, 34};
    WindowGeometry first = windowPosition(free);
    EXPECT_EQ(openingGeometry(PlayerSettings{}, free), first) << "no settings: the classic start";
    EXPECT_EQ(openingGeometry(keptWindow(300, 34, 0.75, true), free), (WindowGeometry{300, 34, 1052, 835, 0.75, true}));
    // The caption reachable: 100 pixels of it on the screen, its top edge below the panel.
    EXPECT_EQ(openingGeometry(keptWindow(1180, 100, 1), free).x, 1180);
    EXPECT_EQ(openingGeometry(keptWindow(-952, 100, 1), free).x, -952);
    for (const PlayerSettings& away : {keptWindow(1181, 100, 1), keptWindow(-953, 100, 1), keptWindow(300, 33, 1),
                                       keptWindow(300, 990 + 34 - 47, 1), keptWindow(0, 34, 1.5)})
        EXPECT_EQ(openingGeometry(away, free), first) << away.window->x << ',' << away.window->y;
    first.fullScreen = true;
    EXPECT_EQ(openingGeometry(keptWindow(5000, 5000, 1, true), free), first) << "full screen stays";

    // What quitting writes opens the window where it was.
    const WindowGeometry at{200, 50, 1052, 835, 0.5, false};
    const PlayerSettings written = withWindow(PlayerSettings{}, at);
    EXPECT_EQ(written.window, (WindowPlace{200, 50, 526, 394}));
    EXPECT_EQ(openingGeometry(written, free), at);
}

} // namespace
} // namespace quintaro
