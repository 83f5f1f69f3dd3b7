// The hall of fame in play: a solved game's time enters its level's ten best, the forms show and clear them;
// every change is made to the file as it stands, which another game in the same folder may change too.
#include "app/game.h"

#include "storage/hall_of_fame_file.h"

namespace quintaro {

namespace {

constexpr const char* kHallOfFameFile = "Champions.qhf";

} // namespace

void Game::readHallOfFame() { quintaro::readHallOfFame(filePath(kHallOfFameFile), champions.hallOfFame); }

void Game::changeHallOfFame(const std::function<bool(HallOfFame&)>& change) {
    std::string error;
    if (!updateHallOfFame(filePath(kHallOfFameFile), change, error, champions.lockPatience)) platform.messageBox(error);
}

void Game::recordChampion(const std::string& finalTime) {
    champions.entryConfirmed = false;
    const int level = choices.level;
    // Another game in the same folder may have entered times since this one last read the file.
    readHallOfFame();
    if (championRank(champions.hallOfFame, level, finalTime) != 0) {
        askChampionName();
        // While the name was typed, another game may have stored an entry too: the time is ranked
        // again against the list as the file holds it when it is written.
        if (champions.entryConfirmed)
            changeHallOfFame([&, today = platform.today()](HallOfFame& stored) {
                const int rank = championRank(stored, level, finalTime);
                if (rank != 0) insertChampion(stored, level, rank, champions.championName, today, finalTime);
                return rank != 0;
            });
    }
    showHallOfFame();
}

void Game::askChampionName() {
    const platform::WindowGeometry at = mainWindow->geometry();
    const platform::ChampionNameAnswer answer =
        platform.askChampionName(champions.championName, at.x + 238, at.y + 281);
    if (answer.confirmed) {
        champions.championName = answer.name;
        champions.entryConfirmed = true;
    }
    platform.restoreFocus();
}

void Game::showHallOfFame() {
    const auto confirmClear = [this](int) {
        return platform.alertBox(platform::AlertIcon::Question, "Wirklich löschen?", "&JA|&NEIN", 1) == 1;
    };
    // After a clearing the form opens again, on the tab of the current level.
    for (;;) {
        readHallOfFame();
        platform::HallOfFameLists lists;
        for (int level = 0; level < kHallLevels; ++level)
            for (const HallOfFameListRow& row : hallOfFameRows(champions.hallOfFame, level))
                lists[std::size_t(level)].push_back({row.rank, row.name, row.date, row.time});
        const platform::WindowGeometry at = mainWindow->geometry();
        const platform::HallOfFameAnswer answer =
            platform.showHallOfFame(lists, choices.level, at.x + 128, at.y + 184, confirmClear);
        if (!answer.clear) break;
        changeHallOfFame([level = answer.level](HallOfFame& stored) {
            clearLevel(stored, level);
            return true;
        });
    }
    platform.restoreFocus();
    play.escapeConsumed = true;
}

} // namespace quintaro
