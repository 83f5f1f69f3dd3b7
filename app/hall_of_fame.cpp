// The hall of fame in play: a solved game's time enters its level's ten best, the forms show and clear them.
#include "app/game.h"

#include "storage/hall_of_fame_file.h"

namespace quintaro {

namespace {

constexpr const char* kHallOfFameFile = "Champions.qhf";

} // namespace

void Game::readHallOfFame() { quintaro::readHallOfFame(filePath(kHallOfFameFile), hallOfFame); }

void Game::writeHallOfFame()
{
    std::string error;
    if (!quintaro::writeHallOfFame(filePath(kHallOfFameFile), hallOfFame, error))
        platform.messageBox(error);
}

void Game::recordChampion(const std::string& finalTime)
{
    entryConfirmed = false;
    const int level = state.level;
    if (const int rank = championRank(hallOfFame, level, finalTime); rank != 0) {
        askChampionName();
        insertChampion(hallOfFame, level, rank, championName, platform.today(), finalTime);
    }
    // A cancelled name takes back the entry: the tables are again what the file holds.
    if (entryConfirmed)
        writeHallOfFame();
    else
        readHallOfFame();
    showHallOfFame();
}

void Game::askChampionName()
{
    const platform::WindowGeometry at = mainForm->geometry();
    const platform::ChampionNameAnswer answer = platform.askChampionName(championName, at.x + 238, at.y + 281);
    if (answer.confirmed) {
        championName = answer.name;
        entryConfirmed = true;
    }
    platform.restoreFocus();
}

void Game::showHallOfFame()
{
    const auto confirmClear = [this](int) {
        return platform.alertBox(platform::AlertIcon::Question, "Wirklich löschen?", "&JA|&NEIN", 1) == 1;
    };
    // After a clearing the form opens again, on the tab of the current level.
    for (;;) {
        platform::HallOfFameLists lists;
        for (int level = 0; level < kHallLevels; ++level)
            for (const HallOfFameListRow& row : hallOfFameRows(hallOfFame, level))
                lists[std::size_t(level)].push_back({row.rank, row.name, row.date, row.time});
        const platform::WindowGeometry at = mainForm->geometry();
        const platform::HallOfFameAnswer answer = platform.showHallOfFame(lists, state.level, at.x + 128, at.y + 184, confirmClear);
        if (!answer.clear)
            break;
        clearLevel(hallOfFame, answer.level);
        writeHallOfFame();
    }
    platform.restoreFocus();
    state.escapeConsumed = true;
}

} // namespace quintaro
