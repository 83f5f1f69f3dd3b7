// Scripted sessions: events fed to the headless platform reach the game's handlers.
#include "app/game.h"
#include "platform/headless_platform.h"
#include "platform/rgb_printer.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using platform::Event;

class SessionTest : public ::testing::Test {
protected:
    SessionTest()
    {
        platform.setEventHandler(&game);
        game.startUp();
    }
    platform::HeadlessPlatform platform{1, {1280, 1024}};
    Game game{platform};
    platform::HeadlessMainWindow& window = platform.window();
};

TEST_F(SessionTest, LevelCommandsMoveTheCheckMark)
{
    platform.inject(Event::menu(32));
    EXPECT_EQ(platform.run(), 0);
    EXPECT_EQ(game.state.level, 2);
    EXPECT_TRUE(window.menuChecked(32));
    EXPECT_FALSE(window.menuChecked(30));
    platform.inject(Event::menu(33));
    platform.inject(Event::menu(30));
    platform.deliverPending();
    EXPECT_EQ(game.state.level, 0);
    EXPECT_TRUE(window.menuChecked(30));
    EXPECT_FALSE(window.menuChecked(33));
}

TEST_F(SessionTest, SymmetryCommandTogglesItsCheckMark)
{
    platform.inject(Event::menu(45));
    platform.deliverPending();
    EXPECT_FALSE(game.state.puzzleSymmetry);
    EXPECT_FALSE(window.menuChecked(45));
    platform.inject(Event::menu(45));
    platform.deliverPending();
    EXPECT_TRUE(window.menuChecked(45));
}

TEST_F(SessionTest, EveryCommandEndsIdleWhateverItWas)
{
    game.state.escapeConsumed = true;
    game.state.gameRunning = true;
    window.setBusyPointer(true);
    platform::Surface& s = window.surface();
    s.setForeground({0, 0, 0});
    s.filledRectangle(18, 727, 707, 752); // something where the button bar stands
    game.state.hintText = "Rechte Taste löscht Feld!";
    platform.inject(Event::menu(8)); // a command that does not exist yet does nothing else
    platform.deliverPending();
    EXPECT_FALSE(game.state.escapeConsumed);
    EXPECT_FALSE(game.state.gameRunning);
    EXPECT_FALSE(window.busyPointer());
    EXPECT_TRUE(window.menuBarEnabled());
    EXPECT_EQ(game.state.hintText, "Bitte Menupunkt auswählen!");
    EXPECT_EQ(s.pixel(18, 727), (platform::Rgb{180, 201, 208}));
    EXPECT_EQ(s.pixel(707, 752), (platform::Rgb{180, 201, 208}));
    EXPECT_EQ(s.pixel(17, 740), (platform::Rgb{64, 64, 64})) << "the recess stays";
}

TEST_F(SessionTest, MenuChoicesWhileTheBarIsOffAreIgnored)
{
    window.setMenuBarEnabled(false);
    platform.inject(Event::menu(31));
    platform.deliverPending();
    EXPECT_EQ(game.state.level, 0);
}

TEST_F(SessionTest, PointerPositionIsKeptRoundedHalfToEven)
{
    platform.inject(Event::moved(10.5, 11.5));
    platform.deliverPending();
    EXPECT_EQ(game.state.mouseX, 10);
    EXPECT_EQ(game.state.mouseY, 12);
    platform.click(platform::MouseButton::Left, 300, 40);
    platform.inject(Event::keyReleased('A'));
    platform.inject(Event::character(27));
    platform.deliverPending();
    EXPECT_EQ(game.state.mouseX, 300);
    EXPECT_EQ(game.state.level, 0);
}

TEST_F(SessionTest, ClosingOrQuittingEndsTheIdleLoop)
{
    platform.inject(Event::closeRequested());
    platform.inject(Event::menu(32));
    EXPECT_EQ(platform.run(), 0);
    EXPECT_FALSE(window.isOpen());
    EXPECT_EQ(game.state.level, 0) << "nothing is handled after the window closed";

    platform::HeadlessPlatform other;
    Game quitting(other);
    other.setEventHandler(&quitting);
    quitting.startUp();
    other.inject(Event::menu(99));
    other.deliverPending();
    EXPECT_FALSE(other.window().isOpen());
}

TEST_F(SessionTest, EngineRandomSourceDrawsFromThePlatform)
{
    platform::HeadlessPlatform same{1};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(game.randomSource.random(4), same.random(4));
}

} // namespace
} // namespace quintaro
