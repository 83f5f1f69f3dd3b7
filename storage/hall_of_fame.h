// The hall of fame in memory: the ten fastest games of each level, where a new time ranks, and the list rows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

constexpr int kHallLevels = 4; // Leicht, Mittel, Schwer, Extrem
constexpr int kHallRanks = 10; // ranks 1..10; rank 0 exists in the tables but is never used

// The time of an empty rank. Every real time begins with a digit below 9, so empty ranks sort last.
inline constexpr std::string_view kEmptyRankTime = "9";

// Three tables of UTF-8 texts indexed [rank 0..10][level 0..3]. Within a level the used ranks come
// first, ordered by time text (compared by character codes). A new hall of fame is empty: every rank,
// rank 0 too, has an empty name, an empty date and the time "9".
struct HallOfFame {
    using Table = std::array<std::array<std::string, kHallLevels>, kHallRanks + 1>;
    static Table emptyTimes();

    Table championNames;
    Table championDates;
    Table championTimes = emptyTimes();
    friend bool operator==(const HallOfFame&, const HallOfFame&) = default;
};

// One row of a level's list: rank right-aligned in two characters with a full stop (" 1.", "10."),
// name, date and time.
struct HallOfFameListRow {
    std::string rank, name, date, time;
    friend bool operator==(const HallOfFameListRow&, const HallOfFameListRow&) = default;
};

// Empties every rank of every level: empty name, empty date, time "9".
void resetHallOfFame(HallOfFame& hof);

// Empties ranks 1..10 of level 0..3 the same way; the other levels keep theirs.
void clearLevel(HallOfFame& hof, int level);

// The rank 1..10 of level 0..3 that finalTime earns: the first whose stored time is greater by
// character codes, so an equal time goes below the stored one. 0 when it beats none of the ten.
int championRank(const HallOfFame& hof, int level, std::string_view finalTime);

// Puts a game at rank 1..10 of level 0..3: ranks rank..9 move one down, the old rank 10 is lost. The
// name is stored as championName gives it, date and time as they are.
void insertChampion(HallOfFame& hof, int level, int rank, std::string_view name, std::string_view date,
                    std::string_view time);

// The rows of level 0..3's list: its used ranks (time not beginning with "9") from rank 1 down.
std::vector<HallOfFameListRow> hallOfFameRows(const HallOfFame& hof, int level);

} // namespace quintaro
