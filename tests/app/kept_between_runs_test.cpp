// What one run leaves the next: the choices and the window, and a game quit unsolved offered again.
#include "play_fixture.h"

#include "app/unsolved_game.h"
#include "engine/solution.h"
#include "storage/kept_game_file.h"

#include <QTemporaryDir>

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using platform::Event;

class KeptBetweenRunsTest : public PlayTest {
public:
    // The next start of the game in the same folders, its timer at `now`; answers are scripted before start().
    struct NextRun : GameDriver {
        explicit NextRun(double now) : GameDriver(8) { platform.setTime(now); }
    };

    void quit(const Event& how = menuEvent(MenuCommand::Quit)) {
        platform.scriptAlertAnswer(1); // "&JA"
        deliver(how);
        ASSERT_FALSE(window.isOpen());
    }
    // A new timed game at timer 1000 with the right symbol typed into its first open cell, which it returns.
    Cell newGameWithOneEntry() {
        platform.setTime(1000.0);
        command(MenuCommand::NewGame);
        const Cell k = openCell(0);
        type(k, '0' + solutionAt(k));
        return k;
    }
};

TEST_F(KeptBetweenRunsTest, QuitAndRestartKeepTheChoicesAndTheWindowAndNeverTouchTheRealConfigFolder) {
    const QTemporaryDir home;
    const std::string realHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", home.path().toUtf8().constData(), 1);
    command(MenuCommand::LevelHard);
    command(MenuCommand::Letters);
    EXPECT_EQ(readPlayerSettings(settingsFolder.settingsFile()).settings.level, 2) << "written at the change";
    quit(Event::closeRequested());
    EXPECT_FALSE(fs::exists(home.path().toStdString() + "/.config"));
    ::setenv("HOME", realHome.c_str(), 1);

    NextRun next(0.0);
    next.start();
    EXPECT_EQ(next.game.choices.level, 2);
    EXPECT_FALSE(next.game.choices.digitMode);
    EXPECT_TRUE(next.platform.window().menuChecked(menuId(MenuCommand::Letters)));
    EXPECT_EQ(next.platform.window().geometry(), window.geometry());
    EXPECT_TRUE(next.platform.alerts().empty() && next.platform.messages().empty()) << "nothing kept, nothing told";
}

TEST_F(KeptBetweenRunsTest, AGameQuitInItsLoopContinuesWithItsEntriesAndItsClockFromTheKeptTime) {
    const Cell entered = newGameWithOneEntry();
    const Cell wrong = openCell(1, 1);
    type(wrong, '0' + solutionAt(wrong) % 9 + 1);
    const int candidate = candidateIndex(std::get<0>(openCell(2)), std::get<1>(openCell(2)), 4, 2);
    game.board.candidates[candidate] = true;
    game.play.puzzle = PuzzleNumber{0, 4711};
    const Board before = game.board;
    platform.setTime(1100.0);
    quit(Event::closeRequested());

    NextRun next(5000.0); // the time away is not the player's
    next.platform.scriptAlertAnswer(1);
    next.start();
    ASSERT_EQ(next.platform.alerts().size(), 1u);
    EXPECT_EQ(next.platform.alerts()[0].text, "Letztes Spiel fortsetzen?");
    EXPECT_EQ(next.platform.alerts()[0].buttons, "&JA|&NEIN");
    const Game& g = next.game;
    EXPECT_EQ(g.play.mode, GameMode::PlayLoop);
    EXPECT_FALSE(next.platform.window().menuBarEnabled());
    EXPECT_EQ(at(g.board.board, entered), solutionAt(entered));
    EXPECT_TRUE(g.board.board == before.board && g.board.givens == before.givens);
    EXPECT_TRUE(g.board.candidates[candidate]);
    EXPECT_EQ(g.board.errorCount, 1);
    EXPECT_EQ(g.play.puzzle, (PuzzleNumber{0, 4711}));
    EXPECT_TRUE(g.play.gameRunning);
    EXPECT_EQ(next.platform.window().label("clock")->caption(), " 00:01:40");
    EXPECT_EQ(takeKeptGame(game.keptGamesPath()).status, TakeResult::Status::None) << "taken out of the file";

    // Solved 20 seconds on: the hall of fame gets the kept time and the time since, no more.
    next.platform.scriptChampionName({true, "Ute"});
    next.type(wrong, '0' + next.solutionAt(wrong));
    const Cell last = next.fillAllButOne();
    next.platform.setTime(5020.0);
    next.type(last, '0' + next.solutionAt(last));
    ASSERT_EQ(next.platform.championForms().size(), 1u);
    EXPECT_EQ(g.play.clock->finalTime(), "00:02:00.0");
}

TEST_F(KeptBetweenRunsTest, AGameQuitAfterItsLoopWasLeftComesBackUntimedAndNeinDiscardsIt) {
    const Cell entered = newGameWithOneEntry();
    key(platform::VirtualKey::Escape);
    expectIdle("the loop left");
    quit();

    NextRun next(0.0);
    next.platform.scriptAlertAnswer(1);
    next.start();
    EXPECT_EQ(next.game.play.mode, GameMode::PlayLoop);
    EXPECT_EQ(at(next.game.board.board, entered), solutionAt(entered));
    EXPECT_FALSE(next.game.play.gameRunning);
    EXPECT_EQ(next.platform.window().label("clock")->caption(), " 99:99:99");

    // Kept again, then declined: the board is empty and the game gone.
    next.platform.scriptAlertAnswer(1);
    next.deliver(Event::closeRequested());
    NextRun declined(0.0);
    declined.platform.scriptAlertAnswer(2);
    declined.start();
    EXPECT_EQ(declined.game.play.mode, GameMode::Idle);
    EXPECT_EQ(countGivenCells(declined.game.board), 0);
    NextRun third(0.0);
    third.start();
    EXPECT_TRUE(third.platform.alerts().empty());
}

// An empty board and a game in its loop are the quit tests above.
TEST_F(KeptBetweenRunsTest, OnlyAnUnsolvedGameIsKept) {
    newGameWithOneEntry();
    EXPECT_FALSE(holdsUnsolvedGame(game.board, GameMode::OwnBoardLoop)) << "an own puzzle being set up";
    Board solved = game.board;
    solved.board = solved.solution;
    solved.noSolution = true;
    EXPECT_FALSE(holdsUnsolvedGame(solved, GameMode::Idle)) << "solved, whatever the hidden solve found";
    key('K');
    key('O'); // the game's solve
    quit(Event::closeRequested());
    EXPECT_FALSE(fs::exists(kKeptGamesFileName));
}

TEST_F(KeptBetweenRunsTest, ADamagedKeptFileIsSetAsideAndToldThenTheStartIsTheClassicOne) {
    { std::ofstream(kKeptGamesFileName) << "no kept games here"; }
    NextRun next(0.0);
    next.start();
    ASSERT_EQ(next.platform.messages().size(), 1u);
    EXPECT_NE(next.platform.messages()[0].find("spielstand.qsp.defekt"), std::string::npos)
        << next.platform.messages()[0];
    EXPECT_TRUE(next.platform.alerts().empty());
    EXPECT_EQ(next.game.play.mode, GameMode::Idle);
    EXPECT_EQ(fileBytes("spielstand.qsp.defekt"), "no kept games here");
}

TEST_F(KeptBetweenRunsTest, UnwritableFoldersAreToldOnceAndTheGameGoesOn) {
    // A file where the settings' folder should be, a folder where the kept games' file should be.
    { std::ofstream(settingsFolder.path() + "/quintaro") << "in the way"; }
    fs::create_directory(kKeptGamesFileName);
    NextRun next(0.0);
    next.start();
    ASSERT_EQ(next.platform.messages().size(), 1u) << "the kept games cannot be read";
    next.command(MenuCommand::LevelHard);
    next.command(MenuCommand::Letters);
    ASSERT_EQ(next.platform.messages().size(), 2u);
    EXPECT_EQ(next.platform.messages()[1].rfind("Die Einstellungen werden nicht gespeichert: ", 0), 0u);
    next.command(MenuCommand::NewGame);
    next.platform.scriptAlertAnswer(1);
    next.deliver(Event::closeRequested());
    EXPECT_FALSE(next.platform.window().isOpen());
    ASSERT_EQ(next.platform.messages().size(), 3u) << "the settings' failure is not told again";
    EXPECT_EQ(next.platform.messages()[2].rfind("Das laufende Spiel konnte nicht aufbewahrt werden", 0), 0u)
        << next.platform.messages()[2];
}

} // namespace
} // namespace quintaro
