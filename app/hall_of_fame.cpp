// The hall of fame in play: a solved game's time enters its level's ten best, the forms show and clear them;
// every change is made to the file as it stands, which another game in the same folder may change too.
#include "app/hall_of_fame.h"

#include "storage/hall_of_fame_file.h"

namespace quintaro {

void HallOfFameKeeper::read() { readHallOfFame(file_, champions_.hallOfFame); }

void HallOfFameKeeper::change(const std::function<bool(HallOfFame&)>& change) {
    std::string error;
    if (!updateHallOfFame(file_, change, error, champions_.lockPatience)) platform_.messageBox(error);
}

void HallOfFameKeeper::recordChampion(const std::string& finalTime, int level, const platform::MainWindow& window) {
    champions_.entryConfirmed = false;
    // Another game in the same folder may have entered times since this one last read the file.
    read();
    if (championRank(champions_.hallOfFame, level, finalTime) != 0) {
        askName(window);
        // While the name was typed, another game may have stored an entry too: the time is ranked
        // again against the list as the file holds it when it is written.
        if (champions_.entryConfirmed)
            change([&, today = platform_.today()](HallOfFame& stored) {
                const int rank = championRank(stored, level, finalTime);
                if (rank != 0) insertChampion(stored, level, rank, champions_.championName, today, finalTime);
                return rank != 0;
            });
    }
    show(level, window);
}

void HallOfFameKeeper::askName(const platform::MainWindow& window) {
    const platform::WindowGeometry at = window.geometry();
    const platform::ChampionNameAnswer answer =
        platform_.askChampionName(champions_.championName, at.x + 238, at.y + 281);
    if (answer.confirmed) {
        champions_.championName = answer.name;
        champions_.entryConfirmed = true;
    }
    platform_.restoreFocus();
}

void HallOfFameKeeper::show(int level, const platform::MainWindow& window) {
    const auto confirmClear = [this](int) {
        return platform_.alertBox(platform::AlertIcon::Question, "Wirklich löschen?", "&JA|&NEIN", 1) == 1;
    };
    // After a clearing the form opens again, on the tab of the current level.
    for (;;) {
        read();
        platform::HallOfFameLists lists;
        for (int l = 0; l < kHallLevels; ++l)
            for (const HallOfFameListRow& row : hallOfFameRows(champions_.hallOfFame, l))
                lists[std::size_t(l)].push_back({row.rank, row.name, row.date, row.time});
        const platform::WindowGeometry at = window.geometry();
        const platform::HallOfFameAnswer answer =
            platform_.showHallOfFame(lists, level, at.x + 128, at.y + 184, confirmClear);
        if (!answer.clear) break;
        change([cleared = answer.level](HallOfFame& stored) {
            clearLevel(stored, cleared);
            return true;
        });
    }
    platform_.restoreFocus();
}

} // namespace quintaro
