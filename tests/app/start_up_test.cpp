// Where the main window opens, and what a fresh game shows: title, menu check marks, clock label, first screen.
#include "game_fixture.h"

#include "app/window_position.h"

#include <cmath>

namespace quintaro {
namespace {

using platform::Rgb;
using platform::WindowGeometry;

TEST(WindowPositionTest, FactorOneWhereItFitsCentredThirtyTwoPixelsHighNeverAboveTheTopHalvesToEven) {
    struct Case {
        platform::ScreenSize free;
        int x, y;
    };
    for (const Case k : {Case{{1920, 1080}, 434, 90},
                         {{1280, 1024}, 114, 62},
                         {{1053, 900}, 0, 0},
                         {{1055, 902}, 2, 2},
                         {{1052, 835}, 0, 0},
                         {{1280, 990, 0, 34}, 114, 34 + 46}}) // a panel above
        EXPECT_EQ(windowPosition(k.free), (WindowGeometry{k.x, k.y, 1052, 835}))
            << k.free.width << 'x' << k.free.height;
}

TEST(WindowPositionTest, AScreenTooSmallGetsTheLargestFactorThatFitsAndTheWholeWindowOnIt) {
    struct Case {
        platform::ScreenSize free;
        int x, y;
        double zoom;
    };
    // The frame allowance of 48 pixels does not scale; the client area of 1052 x 787 does.
    for (const Case k : {Case{{1024, 768}, 30, 0, 720.0 / 787},
                         {{1366, 741, 0, 27}, 220, 27, 693.0 / 787}, // a 1366 x 768 laptop with a top panel
                         {{1536, 832}, 244, 0, 784.0 / 787},         // 1920 x 1080 at 125 %, a bottom panel
                         {{1051, 900}, 0, 0, 1051.0 / 1052},
                         {{1049, 835}, 0, 0, 1049.0 / 1052},
                         {{0, 0, 5, 6}, 5 - 132, 6, 0.25}}) {
        const WindowGeometry g = windowPosition(k.free);
        EXPECT_EQ(g, (WindowGeometry{k.x, k.y, 1052, 835, k.zoom})) << k.free.width << 'x' << k.free.height;
        if (k.free.width == 0) continue;
        // The scaled window lies within the free area.
        EXPECT_LE(g.x + std::ceil(1052 * g.zoom - 1e-6), k.free.left + k.free.width);
        EXPECT_LE(g.y + std::ceil(787 * g.zoom - 1e-6) + 48, k.free.top + k.free.height);
        EXPECT_GE(g.x, k.free.left);
    }
}

using StartUpTest = GameTest;

TEST_F(StartUpTest, WindowOpensOnceAtItsPlaceWithTitleMenusClockLabelAndFirstScreen) {
    EXPECT_TRUE(window.isOpen());
    EXPECT_EQ(window.activations(), 1);
    EXPECT_EQ(window.title(), "Quintaro V6.0 by Norvik");
    EXPECT_EQ(window.geometry(), (WindowGeometry{114, 62, 1052, 835}));
    platform::HeadlessLabel* clockLabel = window.label("clock");
    ASSERT_NE(clockLabel, nullptr);
    EXPECT_EQ(game.play.clockLabel, clockLabel);
    EXPECT_EQ(clockLabel->caption(), " 99:99:99");
    EXPECT_EQ((std::array{clockLabel->x(), clockLabel->y(), clockLabel->width(), clockLabel->height()}),
              (std::array{804, 662, 160, 30}));

    EXPECT_EQ((std::pair{window.menuBarsBuilt(), window.menus().size()}), (std::pair{1, std::size_t(4)}));
    EXPECT_TRUE(window.menuBarEnabled());
    using enum MenuCommand;
    for (const MenuCommand c :
         {LevelEasy, LevelMedium, LevelHard, LevelExtreme, Digits, Letters, ShowCandidates, PuzzleSymmetry})
        EXPECT_EQ(menuChecked(window, c), c == LevelEasy || c == Digits || c == PuzzleSymmetry) << menuId(c);
    // The bottom bar, a shared box and the help panel's writing area.
    platform::Surface& s = window.surface();
    EXPECT_EQ((std::array{s.pixel(500, 764), s.pixel(250, 213), s.pixel(768, 559)}),
              (std::array{Rgb{255, 255, 255}, Rgb{208, 0, 0}, Rgb{0, 0, 0}}));
}

} // namespace
} // namespace quintaro
