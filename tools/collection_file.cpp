// Board-file images of puzzle collections.
#include "tools/collection_file.h"

#include <span>

#include "storage/board_record.h"

namespace quintaro {

std::vector<std::uint8_t> collectionFile(const std::vector<CellLayer>& puzzles, int level, RandomSource& filler,
                                         std::optional<PuzzleNumber> firstNumber) {
    std::vector<std::uint8_t> file(kBoardFileSize);
    for (int n = 0; n < kRecordCount; ++n) {
        const std::span<std::uint8_t, kRecordSize> record(file.data() + n * kRecordSize, kRecordSize);
        if (n >= static_cast<int>(puzzles.size())) {
            fillEmptyRecord(record, filler);
            continue;
        }
        Board b;
        b.board = puzzles[n];
        b.givens = puzzles[n];
        encodeBoardRecord(b,
                          RecordClock{0x00, 0.0, static_cast<std::int16_t>(level), n == 0 ? firstNumber : std::nullopt},
                          filler, record);
    }
    return file;
}

} // namespace quintaro
