// The hall of fame in play: a solved game asks for a name where its time ranks, the forms and the file.
#include "play_fixture.h"

#include "storage/hall_of_fame_file.h"

namespace quintaro {
namespace {

using platform::ChampionNameAnswer;
using platform::HallOfFameAction;

using HallOfFamePlayTest = PlayTest;

TEST_F(HallOfFamePlayTest, AFirstSolvedGameTakesRankOneOfItsLevel) {
    platform.setToday("08.12.2026");
    platform.scriptChampionName(ChampionNameAnswer{true, "Jörg"});
    solveTimedGame(3725.26);
    EXPECT_EQ(game.view.panelState.statusText, "Brett gelöst!!! ");
    ASSERT_EQ(platform.championForms().size(), 1u);
    EXPECT_EQ(game.play.clock->finalTime(), "01:02:05.3");
    ASSERT_EQ(platform.hallOfFameForms().size(), 1u);
    const auto& rows = platform.hallOfFameForms()[0].lists[0];
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (platform::HallOfFameRow{" 1.", "Jörg", "08.12.2026", "01:02:05.3"}));
    EXPECT_EQ(fileBytes("Champions.qhf").substr(0, 30), "J\xF6rg\r\n08.12.2026\r\n01:02:05.3\r\n");
    EXPECT_TRUE(game.play.escapeConsumed) << "an Escape that closed the form must not abort the game";

    // The next one is offered the same name.
    solveTimedGame(50.0);
    ASSERT_EQ(platform.championForms().size(), 2u);
    EXPECT_EQ(platform.championForms()[1].offered, "Jörg");
}

TEST_F(HallOfFamePlayTest, TheFinalTimeStaysOnTheClockUntilTheNextCommand) {
    platform.scriptChampionName(ChampionNameAnswer{true, "Ida"});
    solveTimedGame(82.44);
    ASSERT_EQ(platform.hallOfFameForms().size(), 1u);
    const platform::HeadlessLabel& clockLabel = *window.label("clock");
    EXPECT_EQ(clockLabel.caption(), "00:01:22.4");
    // Neither the loop going on, its clock thread's last poll, nor the Abort button take it away.
    platform.advanceTime(3.0);
    game.play.clock->tick();
    platform.deliverPending();
    key('N'); // the board restarted in the same loop
    click(650, 740);
    expectIdle("Abbruch after a solve");
    EXPECT_EQ(clockLabel.caption(), "00:01:22.4");
    command(MenuCommand::LevelMedium); // the next command, whatever it is
    EXPECT_EQ(clockLabel.caption(), " 99:99:99");
}

TEST_F(HallOfFamePlayTest, ACancelledNameStoresNothingAndASlowTimeAsksNothing) {
    solveTimedGame(12.0); // unscripted, the name form is cancelled
    EXPECT_EQ(platform.championForms().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists("Champions.qhf"));
    EXPECT_TRUE(platform.hallOfFameForms().back().lists[0].empty());

    HallOfFame full;
    for (int rank = 1; rank <= 10; ++rank)
        insertChampion(full, 0, rank, "Ann", "01.01.2026", "00:00:0" + std::to_string(rank - 1) + ".0");
    std::string error;
    ASSERT_TRUE(writeHallOfFame("Champions.qhf", full, error));
    const std::string before = fileBytes("Champions.qhf");
    game.hallOfFame().read();
    solveTimedGame(11.0);
    EXPECT_EQ(platform.championForms().size(), 1u) << "no form for a time slower than all ten";
    EXPECT_EQ(fileBytes("Champions.qhf"), before);
    EXPECT_EQ(platform.hallOfFameForms().back().lists[0].size(), 10u);
}

TEST_F(HallOfFamePlayTest, ClearingALevelAsksFirstAndShowsTheFormAgain) {
    HallOfFame hof;
    insertChampion(hof, 0, 1, "Ann", "01.01.2026", "00:10:00.0");
    insertChampion(hof, 2, 1, "Bob", "02.01.2026", "00:20:00.0");
    std::string error;
    ASSERT_TRUE(writeHallOfFame("Champions.qhf", hof, error));
    game.hallOfFame().read();
    platform.scriptHallOfFame(HallOfFameAction::clear(0));
    platform.scriptAlertAnswer(2); // "&NEIN": the form stays
    platform.scriptHallOfFame(HallOfFameAction::clear(0));
    platform.scriptAlertAnswer(1);
    platform.scriptHallOfFame(HallOfFameAction::ok());
    command(MenuCommand::HallOfFame);
    ASSERT_EQ(platform.hallOfFameForms().size(), 2u);
    EXPECT_EQ(platform.alerts().back().text, "Wirklich löschen?");
    EXPECT_TRUE(platform.hallOfFameForms()[1].lists[0].empty());
    EXPECT_EQ(platform.hallOfFameForms()[1].lists[2].size(), 1u);
    HallOfFame stored;
    ASSERT_TRUE(readHallOfFame("Champions.qhf", stored));
    EXPECT_EQ(stored.championTimes[1][0], "9");
    EXPECT_EQ(stored.championNames[1][2], "Bob");
    expectIdle("hall of fame");
}

} // namespace
} // namespace quintaro
