// Where the main window opens, and what a fresh game shows: title, menu check marks, clock label, first screen.
#include "game_fixture.h"

#include "app/window_position.h"

namespace quintaro {
namespace {

using platform::Rgb;
using platform::WindowGeometry;

TEST(WindowPositionTest, CentredThirtyTwoPixelsHighNeverAboveTheTopHalvesToEven) {
    struct Case {
        int width, height, x, y;
    };
    for (const Case k : {Case{1024, 768, -14, 0},
                         {1920, 1080, 434, 90},
                         {1280, 1024, 114, 62},
                         {1053, 900, 0, 0},
                         {1055, 902, 2, 2},
                         {1051, 900, 0, 0},
                         {1049, 835, -2, 0}})
        EXPECT_EQ(windowPosition(k.width, k.height), (WindowGeometry{k.x, k.y, 1052, 835}))
            << k.width << 'x' << k.height;
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
