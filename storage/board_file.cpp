// Reading and writing one record of a board file on disk; the byte layout lives in board_record.cpp.
#include "storage/board_file.h"

#include "storage/atomic_file.h"
#include "storage/bounded_read.h"
#include "storage/locked_update.h"

#include <vector>

namespace quintaro {

namespace {

std::string saveFailure(const std::string& reason) { return "Das Brett konnte nicht gesichert werden: " + reason; }

} // namespace

ReadStatus readBoardRecord(const std::string& path, int record, Board& b, RecordClock& clock) {
    if (record < 0 || record >= kRecordCount) return ReadStatus::Unreadable;
    // Only the record's data and the puzzle number after them are read: a huge file, a FIFO or a
    // device never holds the game up.
    const FileRange range =
        readFileRange(path, std::int64_t{record} * kRecordSize, kPuzzleNumberOffset + kPuzzleNumberSize);
    if (range.kind == FileKind::Missing) return ReadStatus::Missing;
    if (range.kind != FileKind::Regular) return ReadStatus::Unreadable;
    if (!decodeBoardRecord(range.bytes, b, clock)) return ReadStatus::TooShort;
    return ReadStatus::Loaded;
}

bool writeBoardRecord(const std::string& path, int record, Board& b, const RecordClock& clock, RandomSource& filler,
                      std::string& error, std::chrono::milliseconds patience) {
    if (record < 0 || record >= kRecordCount) {
        error = saveFailure("Platz " + std::to_string(record + 1) + " gibt es nicht (erlaubt sind 1 bis 4)");
        return false;
    }
    // The other three slots come from the file as it is at this moment, and only its four records are
    // read: whatever a longer file holds behind them is no board and is not written again.
    const auto withRecord = [&](std::string_view now) -> std::optional<std::string> {
        const auto* begin = reinterpret_cast<const std::uint8_t*>(now.data());
        const std::vector<std::uint8_t> image =
            boardFileWithRecord(std::vector<std::uint8_t>(begin, begin + now.size()), record, b, clock, filler);
        return std::string(reinterpret_cast<const char*>(image.data()), image.size());
    };
    const auto failed = updateFile(path, kBoardFileSize, withRecord,
                                   {.makeFolder = true, .regularOnly = true, .overwriteInPlace = true}, patience);
    if (failed) error = saveFailure(failed->reason);
    return !failed;
}

} // namespace quintaro
