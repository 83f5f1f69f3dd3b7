// The hall of fame in play: a solved game's time enters its level's ten best, the forms show and clear them.
#pragma once

#include "app/champions.h"
#include "platform/platform.h"

#include <functional>
#include <string>

namespace quintaro {

// Works on the hall of fame's file at one path, which another game in the same folder may change too:
// every change is made to the file as it stands. The platform and champions must outlive it.
class HallOfFameKeeper {
public:
    HallOfFameKeeper(platform::Platform& platform, Champions& champions, std::string file)
        : platform_(platform), champions_(champions), file_(std::move(file)) {}

    // champions.hallOfFame from the file as it is now; empty when there is none.
    void read();
    // Applies change to the tables the file holds now and stores them under the file's lock (nothing
    // when change returns false); tells the player when that fails (the old file stays).
    void change(const std::function<bool(HallOfFame&)>& change);
    // A solved timed game's time at level: where it ranks among the level's ten best as the file holds
    // them now, the player is asked for a name (the name form placed over window) and the entry is
    // stored, ranked again against the file at that moment (a cancelled name stores nothing); then the
    // hall of fame shows.
    void recordChampion(const std::string& finalTime, int level, const platform::MainWindow& window);
    // The hall-of-fame form on the tab of level, with the lists read afresh from the file, again after
    // each level it cleared.
    void show(int level, const platform::MainWindow& window);

private:
    // The name form, offering the name typed last; sets entryConfirmed and championName.
    void askName(const platform::MainWindow& window);

    platform::Platform& platform_;
    Champions& champions_;
    std::string file_;
};

} // namespace quintaro
