// Scripted sessions: events fed to the headless platform reach the dispatcher and the window's handlers.
#include "game_fixture.h"

namespace quintaro {
namespace {

using platform::Event;
using platform::Rgb;
using SessionTest = GameTest;

TEST_F(SessionTest, EveryCommandEndsIdleWithTheButtonBarWiped)
{
    game.state.escapeConsumed = true;
    game.state.gameRunning = true;
    window.setBusyPointer(true);
    platform::Surface& s = window.surface();
    s.setForeground({0, 0, 0});
    s.filledRectangle(18, 727, 707, 752);
    game.state.hintText = "Rechte Taste löscht Feld!";
    platform.inject(Event::menu(12)); // a command that does nothing else yet
    platform.deliverPending();
    EXPECT_FALSE(game.state.escapeConsumed);
    EXPECT_FALSE(game.state.gameRunning);
    EXPECT_FALSE(window.busyPointer());
    EXPECT_TRUE(window.menuBarEnabled());
    EXPECT_EQ(game.state.hintText, "Bitte Menupunkt auswählen!");
    for (int y = 727; y <= 752; ++y)
        for (int x = 18; x <= 707; ++x)
            ASSERT_EQ(s.pixel(x, y), (Rgb{180, 201, 208})) << x << ',' << y;
    EXPECT_EQ(s.pixel(17, 740), (Rgb{64, 64, 64})) << "the recess stays";
}

TEST_F(SessionTest, MenuChoicesWhileTheBarIsOffAreIgnored)
{
    window.setMenuBarEnabled(false);
    platform.inject(Event::menu(31));
    platform.deliverPending();
    EXPECT_EQ(game.state.level, 0);
}

TEST_F(SessionTest, PointerPositionIsRoundedHalfToEven)
{
    platform.inject(Event::moved(10.5, 11.5));
    platform.deliverPending();
    EXPECT_EQ((std::pair{game.state.mouseX, game.state.mouseY}), (std::pair{10, 12}));
}

TEST(SessionEndTest, ClosingTheWindowOrQuittingEndsTheIdleLoop)
{
    for (const Event end : {Event::closeRequested(), Event::menu(99)}) {
        HeadlessGame g;
        g.platform.inject(end);
        g.platform.inject(Event::menu(32));
        g.platform.run();
        EXPECT_FALSE(g.window.isOpen());
        EXPECT_EQ(g.game.state.level, 0) << "nothing is handled after the window closed";
    }
}

TEST_F(SessionTest, EngineRandomSourceDrawsFromThePlatform)
{
    platform::HeadlessPlatform same{1};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(game.randomSource.random(4), same.random(4));
}

} // namespace
} // namespace quintaro
