// The hall-of-fame forms and the about box: synchronous calls that return what the player chose.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quintaro::platform {

// The name form: its text box offered with a name, confirmed ("&OK") or cancelled ("&Abbrechen", close box).
struct ChampionNameAnswer {
    bool confirmed = false;
    std::string name; // as typed, when confirmed: one line, only characters Windows-1252 can hold
};

// One row of a hall-of-fame list, field by field: rank (" 1."), name, date, time.
struct HallOfFameRow {
    std::string rank, name, date, time;
    friend bool operator==(const HallOfFameRow&, const HallOfFameRow&) = default;
};

// The rows of the four levels' lists, Leicht to Extrem.
using HallOfFameLists = std::array<std::vector<HallOfFameRow>, 4>;

// How the hall-of-fame form ended: "&OK" or the close box, or "&Löschen" confirmed for one level's tab.
struct HallOfFameAnswer {
    bool clear = false;
    int level = 0; // the tab whose list is to be cleared, 0..3
};

// Called when the player presses "&Löschen" on the tab of `level`, while the form stays open; true
// closes the form with that level to be cleared, false leaves it open.
using ConfirmClear = std::function<bool(int level)>;

} // namespace quintaro::platform
