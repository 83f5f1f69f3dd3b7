// Scripted sessions: events fed to the headless platform reach the dispatcher and the window's handlers.
#include "game_fixture.h"

namespace quintaro {
namespace {

using platform::Event;
using platform::Rgb;
using SessionTest = GameTest;

TEST_F(SessionTest, EveryCommandEndsIdleWithTheButtonBarWiped) {
    game.play.escapeConsumed = true;
    game.play.gameRunning = true;
    window.setBusyPointer(true);
    platform::Surface& s = window.surface();
    s.setForeground({0, 0, 0});
    s.filledRectangle(18, 727, 707, 752);
    game.view.hintText = "Rechte Taste löscht Feld!";
    constexpr int kNoCommand = 13; // no item carries this id: only the opening and closing steps run
    platform.inject(Event::menu(kNoCommand));
    platform.deliverPending();
    EXPECT_FALSE(game.play.escapeConsumed);
    EXPECT_FALSE(game.play.gameRunning);
    EXPECT_FALSE(window.busyPointer());
    EXPECT_TRUE(window.menuBarEnabled());
    EXPECT_EQ(game.view.hintText, "Bitte Menupunkt auswählen!");
    for (int y = 727; y <= 752; ++y)
        for (int x = 18; x <= 707; ++x) ASSERT_EQ(s.pixel(x, y), (Rgb{180, 201, 208})) << x << ',' << y;
    EXPECT_EQ(s.pixel(17, 740), (Rgb{64, 64, 64})) << "the recess stays";
}

TEST_F(SessionTest, MenusOffIgnoreChoicesThePointerRoundsHalfToEvenAndDrawsComeFromThePlatform) {
    game.choices.freshPuzzles = false; // no fresh puzzle's number drawn ahead
    window.setMenuBarEnabled(false);
    platform.inject(menuEvent(MenuCommand::LevelMedium));
    platform.inject(Event::moved(10.5, 11.5));
    platform.deliverPending();
    EXPECT_EQ(game.choices.level, 0);
    EXPECT_EQ((std::pair{game.view.pointer.x, game.view.pointer.y}), (std::pair{10, 12}));
    platform::HeadlessPlatform same{1}; // the engine draws from the platform's seeded source
    for (int i = 0; i < 20; ++i) EXPECT_EQ(game.randomSource.random(4), same.random(4));
}

TEST(SessionEndTest, ClosingTheWindowOrQuittingEndsTheIdleLoop) {
    for (const Event end : {Event::closeRequested(), menuEvent(MenuCommand::Quit)}) {
        HeadlessGame g;
        g.platform.scriptAlertAnswer(1); // "&JA"
        g.platform.inject(end);
        g.platform.inject(menuEvent(MenuCommand::LevelHard));
        g.platform.run();
        EXPECT_FALSE(g.window.isOpen());
        EXPECT_EQ(g.game.choices.level, 0) << "nothing is handled after the window closed";
        ASSERT_EQ(g.platform.alerts().size(), 1u);
        EXPECT_EQ(g.platform.alerts()[0].text, "Spiel beenden?");
        EXPECT_EQ(g.platform.alerts()[0].buttons, "&JA|&NEIN");
        EXPECT_EQ(g.platform.alerts()[0].defaultButton, 2);
    }
}

TEST(SessionEndTest, DecliningToQuitKeepsTheGameAndItsLoop) {
    HeadlessGame g;
    g.platform.inject(menuEvent(MenuCommand::NewGame));
    g.platform.deliverPending();
    ASSERT_EQ(g.game.play.mode, GameMode::PlayLoop);
    // Unscripted, the question takes its default answer, "&NEIN", as Enter and Escape do.
    g.platform.inject(Event::closeRequested());
    g.platform.inject(Event::keyPressed(platform::VirtualKey::Escape));
    g.platform.inject(Event::keyReleased(platform::VirtualKey::Escape));
    g.platform.deliverPending();
    EXPECT_TRUE(g.window.isOpen());
    EXPECT_EQ(g.game.play.mode, GameMode::PlayLoop) << "the Escape that answered must not abort the game";
    EXPECT_TRUE(g.game.play.gameRunning);
}

} // namespace
} // namespace quintaro
