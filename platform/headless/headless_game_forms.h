// The name form, the hall-of-fame form and the about box without a display: scripted answers, recorded calls.
#pragma once

#include "platform/game_forms.h"

#include <deque>
#include <string>
#include <vector>

namespace quintaro::platform {

// What a test can see of one name form that was shown.
struct ChampionFormRecord {
    std::string offered;
    int x = 0, y = 0;
};

// One thing the player does in the hall-of-fame form.
struct HallOfFameAction {
    enum class Kind { Ok, Clear } kind = Kind::Ok;
    int tab = 0; // Clear: the tab selected before "&Löschen" is pressed, 0..3

    static HallOfFameAction ok() { return {Kind::Ok, 0}; }
    static HallOfFameAction clear(int tab) { return {Kind::Clear, tab}; }
};

// What a test can see of one hall-of-fame form that was shown.
struct HallOfFameRecord {
    HallOfFameLists lists;
    int level = 0;
    int x = 0, y = 0;
    std::vector<int> clearsAsked; // the tabs confirmClear was called for, in order
};

// What a test can see of one about box that was shown.
struct AboutBoxRecord {
    std::vector<std::string> lines;
    int x = 0, y = 0;
};

// Plays one hall-of-fame form: takes actions from the front of `actions` until one ends the form ("&OK",
// or "&Löschen" that confirmClear confirms); with nothing left the form ends with "&OK".
HallOfFameAnswer playHallOfFame(std::deque<HallOfFameAction>& actions, const ConfirmClear& confirmClear,
                                HallOfFameRecord& record);

} // namespace quintaro::platform
