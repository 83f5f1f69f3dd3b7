// Empty slots of a board file: each record's data read and looked at.
#include "storage/board_slots.h"

#include "engine/grid_cell.h"
#include "storage/board_file.h"

#include <algorithm>

namespace quintaro {

bool isEmptyPosition(const Board& b) {
    // Entries of column or row 0 mean nothing, whatever an old file left there.
    if (anyCell([&](GridCell k) {
            return cellAt(b.board, k.column, k.row, k.grid) != 0 || cellAt(b.givens, k.column, k.row, k.grid) != 0;
        }))
        return false;
    return std::none_of(b.candidates.begin(), b.candidates.end(), [](bool mark) { return mark; });
}

std::array<bool, kRecordCount> emptySlots(const std::string& path) {
    std::array<bool, kRecordCount> empty{};
    for (int k = 0; k < kRecordCount; ++k) {
        Board scratch;
        RecordClock clock;
        const ReadStatus status = readBoardRecord(path, k, scratch, clock);
        empty[std::size_t(k)] =
            status == ReadStatus::Missing || (status == ReadStatus::Loaded && isEmptyPosition(scratch));
    }
    return empty;
}

} // namespace quintaro
