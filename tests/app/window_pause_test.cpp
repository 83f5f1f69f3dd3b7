// A minimised window stops the clock of a timed game: the time away is never charged.
#include "play_fixture.h"

namespace quintaro {
namespace {

using WindowPauseTest = PlayTest;

TEST_F(WindowPauseTest, AMinimisedHourIsNotCountedInTheLabelOrTheRecord)
{
    platform.setTime(1000.0);
    command(8);
    const Board& b = game.board;
    std::vector<std::tuple<int, int, int>> open;
    for (int g = 0; g < 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (cellAt(b.givens, c, r, g) == 0 && cellAt(b.board, c, r, g) == 0)
                    open.push_back({c, r, g});
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        type(std::get<0>(open[i]), std::get<1>(open[i]), std::get<2>(open[i]), '0' + solutionAt(open[i]));

    const std::size_t threads = platform.startedThreads();
    platform.setTime(1010.0);
    platform.setMinimised(true);
    platform.inject(platform::Event::minimised(1500.0)); // a second one changes nothing
    platform.deliverPending();
    platform.setTime(4610.0);
    platform.setMinimised(false);
    platform.inject(platform::Event::restored(9000.0)); // nor does a restore while not minimised
    platform.deliverPending();
    EXPECT_EQ(window.label("uhr")->caption(), " 00:00:10");
    EXPECT_EQ(platform.startedThreads(), threads + 1) << "the restore runs the clock thread again";

    platform.setTime(4615.0);
    platform.scriptChampionName({true, "Ida"});
    const auto last = open.back();
    type(std::get<0>(last), std::get<1>(last), std::get<2>(last), '0' + solutionAt(last));
    EXPECT_EQ(game.clock->finalTime(), "00:00:15.0");

    // No game is timed now: minimising and restoring leave everything as it stands.
    const double start = game.state.gameStart;
    platform.setMinimised(true);
    platform.deliverPending();
    platform.advanceTime(60.0);
    platform.setMinimised(false);
    platform.deliverPending();
    EXPECT_EQ(game.state.gameStart, start);
    EXPECT_EQ(window.label("uhr")->caption(), " 99:99:99");
}

} // namespace
} // namespace quintaro
