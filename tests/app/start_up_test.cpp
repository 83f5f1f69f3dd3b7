// A fresh game started on the headless platform: window, state, menu, clock label, first screen.
#include "app/game.h"
#include "platform/headless_platform.h"
#include "platform/rgb_printer.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    StartUpTest() { game.startUp(); }
    platform::HeadlessPlatform platform{1, {1920, 1080}};
    Game game{platform};
    platform::HeadlessMainWindow& window = platform.window();
};

TEST_F(StartUpTest, WindowOpensCentredWithItsTitleAndClientArea)
{
    EXPECT_TRUE(window.isOpen());
    EXPECT_EQ(window.title(), "Quintaro V6.0 by Norvik");
    EXPECT_EQ(window.geometry(), (platform::WindowGeometry{434, 90, 1052, 835}));
    EXPECT_GE(window.surface().width(), 1052);
    EXPECT_GE(window.surface().height(), 787);
    EXPECT_EQ(window.activations(), 1);
    EXPECT_EQ(game.mainForm, &window);
    EXPECT_EQ(window.background(), (platform::Rgb{180, 201, 208}));
}

TEST_F(StartUpTest, StateStartsFromItsDefaults)
{
    const GameState& s = game.state;
    EXPECT_EQ(s.level, 0);
    EXPECT_TRUE(s.digitMode);
    EXPECT_TRUE(s.puzzleSymmetry);
    EXPECT_FALSE(s.showCandidates);
    EXPECT_FALSE(s.gameRunning);
    EXPECT_FALSE(s.gameSolved);
    EXPECT_FALSE(s.escapeConsumed);
    EXPECT_FALSE(s.htmlHelp);
    EXPECT_EQ(s.hintText, "Bitte Menupunkt auswählen!");
    EXPECT_EQ(game.board.errorCount, 0);
    EXPECT_EQ(game.levelNames, (std::array<std::string, 4>{" Leicht ", " Mittel ", "Schwer ", "Extrem "}));
    EXPECT_EQ(game.gridOriginX, (std::array<std::int16_t, 4>{213, 15, 411, 213}));
    EXPECT_EQ(game.gridOriginY, (std::array<std::int16_t, 4>{15, 213, 213, 411}));
    EXPECT_EQ(game.colourTable[12], (platform::Rgb{180, 201, 208}));
    EXPECT_EQ(game.colourTable[3], game.colourTable[11]);
    EXPECT_EQ(game.screen.cellWidth, 33);
    EXPECT_EQ(game.screen.cellHeight, 33);
    EXPECT_EQ(game.screen.currentFont, 16);
}

TEST_F(StartUpTest, MenuBarIsBuiltOnceWithCheckMarksFromTheState)
{
    EXPECT_EQ(window.menuBarsBuilt(), 1);
    ASSERT_EQ(window.menus().size(), 4u);
    EXPECT_EQ(window.menus()[2].text, "Sch&wierigkeit");
    EXPECT_TRUE(window.menuBarEnabled());
    for (int id : {30, 40, 45})
        EXPECT_TRUE(window.menuChecked(id)) << id;
    for (int id : {31, 32, 33, 41, 44, 8, 99})
        EXPECT_FALSE(window.menuChecked(id)) << id;
}

TEST_F(StartUpTest, ClockLabelShowsNoTime)
{
    platform::HeadlessLabel* uhr = window.label("uhr");
    ASSERT_NE(uhr, nullptr);
    EXPECT_EQ(game.clockDisplay, uhr);
    EXPECT_EQ(uhr->caption(), " 99:99:99");
    EXPECT_EQ((std::array{uhr->x(), uhr->y(), uhr->width(), uhr->height()}), (std::array{804, 662, 160, 30}));
    EXPECT_EQ(uhr->background(), (platform::Rgb{255, 255, 255}));
    EXPECT_EQ(uhr->font(), platform::FontRequest::points("ARIAL", 24));
}

TEST_F(StartUpTest, ButtonBarBackgroundIsTheBlankStripUnderTheField)
{
    const platform::SavedRectangle& strip = game.buttonBarBackground;
    EXPECT_EQ(strip.width(), 690);
    EXPECT_EQ(strip.height(), 26);
    for (std::uint32_t p : strip.pixels())
        ASSERT_EQ(p, 0xB4C9D0u);
}

TEST_F(StartUpTest, FirstScreenIsDrawn)
{
    platform::Surface& s = window.surface();
    EXPECT_EQ(s.pixel(500, 764), (platform::Rgb{255, 255, 255})); // bottom bar
    EXPECT_EQ(s.pixel(250, 213), (platform::Rgb{208, 0, 0}));     // a shared box
    EXPECT_EQ(s.pixel(246, 30), (platform::Rgb{0, 0, 0}));        // a cell line
    EXPECT_EQ(s.pixel(768, 559), (platform::Rgb{0, 0, 0}));       // the help panel's writing area
    EXPECT_EQ(s.pixel(100, 100), (platform::Rgb{180, 201, 208}));
}

} // namespace
} // namespace quintaro
