// libFuzzer harness: arbitrary bytes read as the hall-of-fame file, its list rows, and the file written
// from what was read, which must read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/hall_of_fame.h"
#include "storage/hall_of_fame_file.h"
#include "storage/hall_of_fame_text.h"

namespace {

using namespace quintaro;

void require(bool ok) {
    if (!ok) std::abort();
}

void requireOneStorableLine(const std::string& field) {
    for (const char c : field) require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    require(storableLine(field) == field);
}

void checkRead(const HallOfFame& hof) {
    for (int level = 0; level < kHallLevels; ++level) {
        require(hof.championNames[0][level].empty() && hof.championTimes[0][level] == kEmptyRankTime);
        for (int rank = 1; rank <= kHallRanks; ++rank) {
            requireOneStorableLine(hof.championNames[rank][level]);
            requireOneStorableLine(hof.championDates[rank][level]);
            requireOneStorableLine(hof.championTimes[rank][level]);
            require(championName(hof.championNames[rank][level]) == hof.championNames[rank][level]);
        }
        for (const HallOfFameListRow& row : hallOfFameRows(hof, level))
            require(row.rank.size() == 3 && row.rank.back() == '.' && !row.time.starts_with('9'));
    }
}

void checkFile(const std::string& file) {
    int lines = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        require(file[i] != 0x1A);
        if (file[i] == '\r') require(i + 1 < file.size() && file[i + 1] == '\n');
        if (file[i] == '\n') require(i > 0 && file[i - 1] == '\r' && ++lines <= kHallFileLines);
    }
    require(lines == kHallFileLines && file.ends_with("\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HallOfFame hof;
    decodeHallOfFame(std::string_view(reinterpret_cast<const char*>(data), size), hof);
    checkRead(hof);
    const std::string file = encodeHallOfFame(hof);
    checkFile(file);
    HallOfFame back;
    decodeHallOfFame(file, back);
    require(back == hof);
    require(encodeHallOfFame(back) == file);
    return 0;
}
