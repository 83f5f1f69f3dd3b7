// A minimised window stops the clock of a timed game: the time away is never charged.
#include "play_fixture.h"

#include "storage/kept_game_file.h"

namespace quintaro {
namespace {

using WindowPauseTest = PlayTest;

TEST_F(WindowPauseTest, AMinimisedHourIsNotCountedInTheLabelOrTheRecord) {
    platform.setTime(1000.0);
    command(MenuCommand::NewGame);
    const Cell last = fillAllButOne();

    const std::size_t threads = platform.startedThreads();
    platform.setTime(1010.0);
    platform.setMinimised(true);
    platform.inject(platform::Event::minimised(1500.0)); // a second one changes nothing
    platform.deliverPending();
    platform.setTime(4610.0);
    platform.setMinimised(false);
    platform.inject(platform::Event::restored(9000.0)); // nor does a restore while not minimised
    platform.deliverPending();
    EXPECT_EQ(window.label("clock")->caption(), " 00:00:10");
    EXPECT_EQ(platform.startedThreads(), threads + 1) << "the restore runs the clock thread again";

    platform.setTime(4615.0);
    platform.scriptChampionName({true, "Ida"});
    type(last, '0' + solutionAt(last));
    EXPECT_EQ(game.play.clock->finalTime(), "00:00:15.0");

    // No game is timed now: minimising and restoring leave everything as it stands.
    const double start = game.play.gameStart;
    platform.setMinimised(true);
    platform.deliverPending();
    platform.advanceTime(60.0);
    platform.setMinimised(false);
    platform.deliverPending();
    EXPECT_EQ(game.play.gameStart, start);
    EXPECT_EQ(window.label("clock")->caption(), "00:00:15.0");
}

// Quit from out of sight: the kept game has the time it had when the window went away.
TEST_F(WindowPauseTest, AGameQuitWhileMinimisedKeepsTheTimeItHadWhenTheWindowWentAway) {
    platform.setTime(1000.0);
    command(MenuCommand::NewGame);
    platform.setTime(1010.0);
    platform.setMinimised(true);
    platform.deliverPending();
    platform.setTime(4610.0);
    platform.scriptAlertAnswer(1); // "&JA"
    deliver(platform::Event::closeRequested());
    const TakeResult kept = takeKeptGame(game.keptGamesPath());
    ASSERT_TRUE(kept.game.has_value());
    EXPECT_TRUE(kept.game->timed);
    EXPECT_EQ(kept.game->elapsedSeconds, 10.0);
}

} // namespace
} // namespace quintaro
