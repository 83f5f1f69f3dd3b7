// Ranking, inserting and clearing in the hall-of-fame tables, and the rows of a level's list.
#include "storage/hall_of_fame.h"

#include "storage/hall_of_fame_text.h"

namespace quintaro {

HallOfFame::Table HallOfFame::emptyTimes() {
    Table times;
    for (auto& rank : times) rank.fill(std::string(kEmptyRankTime));
    return times;
}

void resetHallOfFame(HallOfFame& hof) { hof = HallOfFame{}; }

void clearLevel(HallOfFame& hof, int level) {
    for (int r = 1; r <= kHallRanks; ++r) {
        hof.championNames[r][level].clear();
        hof.championDates[r][level].clear();
        hof.championTimes[r][level] = std::string(kEmptyRankTime);
    }
}

int championRank(const HallOfFame& hof, int level, std::string_view finalTime) {
    // std::string compares as unsigned chars, which for UTF-8 keeps the order of character codes.
    for (int r = 1; r <= kHallRanks; ++r)
        if (finalTime < hof.championTimes[r][level]) return r;
    return 0;
}

void insertChampion(HallOfFame& hof, int level, int rank, std::string_view name, std::string_view date,
                    std::string_view time) {
    for (int r = kHallRanks; r > rank; --r) {
        hof.championNames[r][level] = std::move(hof.championNames[r - 1][level]);
        hof.championDates[r][level] = std::move(hof.championDates[r - 1][level]);
        hof.championTimes[r][level] = std::move(hof.championTimes[r - 1][level]);
    }
    hof.championNames[rank][level] = championName(name);
    hof.championDates[rank][level] = date;
    hof.championTimes[rank][level] = time;
}

std::vector<HallOfFameListRow> hallOfFameRows(const HallOfFame& hof, int level) {
    std::vector<HallOfFameListRow> rows;
    for (int r = 1; r <= kHallRanks; ++r) {
        const std::string& time = hof.championTimes[r][level];
        if (time.starts_with('9')) continue;
        const std::string rank{r < 10 ? ' ' : '1', static_cast<char>('0' + r % 10), '.'};
        rows.push_back({rank, hof.championNames[r][level], hof.championDates[r][level], time});
    }
    return rows;
}

} // namespace quintaro
