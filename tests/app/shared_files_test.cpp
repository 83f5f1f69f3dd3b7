// The player's files in play: two games in one folder keep each other's entries, and a failed save says so.
#include "play_fixture.h"

#include "storage/board_file.h"
#include "storage/file_size_limit.h"
#include "storage/hall_of_fame_file.h"

#include <QLockFile>

namespace quintaro {
namespace {

using namespace std::chrono_literals;
using platform::RecordFormAction;

// A second game on the test's folder, started at once; the name form of a champion gets name.
struct Player : GameDriver {
    explicit Player(std::uint64_t seed) : GameDriver(seed) { start(); }
    void solveTimedGame(double seconds, const std::string& name) {
        platform.scriptChampionName({true, name});
        GameDriver::solveTimedGame(seconds);
    }
    std::vector<std::string> listedNames(int level) const {
        std::vector<std::string> names;
        for (const auto& row : platform.hallOfFameForms().back().lists[std::size_t(level)]) names.push_back(row.name);
        return names;
    }
};

// Champions of Leicht, Mittel and Extrem, stored before the games below store theirs.
HallOfFame storedChampions() {
    HallOfFame hof;
    insertChampion(hof, 0, 1, "Ann", "01.01.2026", "00:00:30.0");
    insertChampion(hof, 0, 2, "Cid", "02.01.2026", "00:20:00.0");
    insertChampion(hof, 1, 1, "Dora", "03.01.2026", "00:04:00.0");
    insertChampion(hof, 3, 1, "Emil", "04.01.2026", "01:00:00.0");
    std::string error;
    EXPECT_TRUE(writeHallOfFame("Champions.qhf", hof, error)) << error;
    return hof;
}

using SharedFilesTest = PlayTest;

TEST_F(SharedFilesTest, TwoGamesInOneFolderEnteringEqualTimesBothStandInTheList) {
    // Both run before either stores a champion, so neither saw the other's entry at start-up.
    Player a(11), b(12);
    const HallOfFame before = storedChampions();
    b.platform.setToday("05.01.2026");
    a.platform.setToday("06.01.2026");
    b.solveTimedGame(300.0, "Berta");
    a.solveTimedGame(300.0, "Anton");

    // An equal time goes below the one stored first; every other line stays as it was.
    HallOfFame expected = before;
    insertChampion(expected, 0, 2, "Berta", "05.01.2026", "00:05:00.0");
    insertChampion(expected, 0, 3, "Anton", "06.01.2026", "00:05:00.0");
    EXPECT_EQ(fileBytes("Champions.qhf"), encodeHallOfFame(expected));
    EXPECT_EQ(a.listedNames(0), (std::vector<std::string>{"Ann", "Berta", "Anton", "Cid"}));
    EXPECT_EQ(a.platform.championForms().size(), 1u);
    EXPECT_TRUE(a.platform.messages().empty() && b.platform.messages().empty());

    // B's hall of fame, opened afterwards, shows A's entry too.
    b.click(650, 740); // Abbruch
    b.command(MenuCommand::HallOfFame);
    ASSERT_EQ(b.platform.hallOfFameForms().size(), 2u);
    EXPECT_EQ(b.listedNames(0), a.listedNames(0));

    // Ten faster times stored meanwhile: A's next time ranks against them, so no name is asked.
    HallOfFame fast;
    for (int rank = 1; rank <= 10; ++rank) insertChampion(fast, 0, rank, "Schnell", "07.01.2026", "00:01:00.0");
    std::string error;
    ASSERT_TRUE(writeHallOfFame("Champions.qhf", fast, error)) << error;
    a.solveTimedGame(250.0, "Anton");
    EXPECT_EQ(a.platform.championForms().size(), 1u);
    EXPECT_EQ(fileBytes("Champions.qhf"), encodeHallOfFame(fast));
}

TEST_F(SharedFilesTest, TwoGamesInOneFolderSavingIntoDifferentSlotsKeepBoth) {
    Player a(11), b(12);
    a.command(MenuCommand::NewGame);
    b.command(MenuCommand::NewGame);
    a.platform.scriptRecordForm(RecordFormAction::click(0));
    a.key('S');
    b.platform.scriptRecordForm(RecordFormAction::click(2));
    b.key('S');
    ASSERT_NE(a.game.board.board, b.game.board.board);
    for (const auto& [player, slot] : {std::pair{&a, 0}, {&b, 2}}) {
        Board stored;
        RecordClock clock;
        ASSERT_EQ(readBoardRecord("brett.qbr", slot, stored, clock), ReadStatus::Loaded);
        EXPECT_EQ(stored.board, player->game.board.board) << "slot " << slot;
        EXPECT_TRUE(player->platform.messages().empty());
    }
}

TEST_F(SharedFilesTest, AHallOfFameOrBoardThatCannotBeSavedIsReportedAndTheOldFileStays) {
    Player a(11);
    storedChampions();
    const std::string old = fileBytes("Champions.qhf");
    {
        test::FileSizeLimit full(old.size()); // one entry more does not fit
        a.solveTimedGame(300.0, "Anton");
    }
    ASSERT_EQ(a.platform.messages().size(), 1u);
    EXPECT_EQ(a.platform.messages()[0].rfind("Die Ruhmeshalle konnte nicht gesichert werden: Schreibfehler in ", 0), 0u)
        << a.platform.messages()[0];
    EXPECT_EQ(fileBytes("Champions.qhf"), old);
    EXPECT_EQ(a.listedNames(0), (std::vector<std::string>{"Ann", "Cid"})) << "the list shows what the file holds";

    // Another game holding the lock too long: the player hears so and nothing is written.
    a.game.champions.lockPatience = 50ms;
    QLockFile champions("Champions.qhf.lock"), boards("brett.qbr.lock");
    ASSERT_TRUE(champions.tryLock(0) && boards.tryLock(0));
    a.solveTimedGame(200.0, "Anton");
    a.platform.scriptRecordForm(RecordFormAction::click(1));
    a.key('S');
    ASSERT_EQ(a.platform.messages().size(), 3u);
    EXPECT_EQ(
        a.platform.messages()[1].rfind("Die Ruhmeshalle konnte nicht gesichert werden: Champions.qhf ist gesperrt", 0),
        0u)
        << a.platform.messages()[1];
    EXPECT_EQ(a.platform.messages()[2].rfind("Das Brett konnte nicht gesichert werden: brett.qbr ist gesperrt", 0), 0u)
        << a.platform.messages()[2];
    EXPECT_EQ(a.platform.messagesOverRecordForm(), 0) << "the save form closes before the message";
    EXPECT_EQ(fileBytes("Champions.qhf"), old);
    EXPECT_FALSE(std::filesystem::exists("brett.qbr"));
}

} // namespace
} // namespace quintaro
