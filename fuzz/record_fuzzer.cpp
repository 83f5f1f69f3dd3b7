// libFuzzer harness: arbitrary bytes as a board-file record (read and written back), as a whole board
// file to save into, and as a text field.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "engine/field_text.h"
#include "storage/board_record.h"

namespace {

using namespace quintaro;

class CountingRandom final : public RandomSource {
public:
    int random(int n) override { return static_cast<int>(count_++ % static_cast<unsigned>(n)); }

private:
    unsigned count_ = 0;
};

void require(bool ok) {
    if (!ok) std::abort();
}

void checkRecord(std::span<const std::uint8_t> bytes) {
    Board b;
    RecordClock clock;
    const bool decoded = decodeBoardRecord(bytes, b, clock);
    require(decoded == (bytes.size() >= static_cast<std::size_t>(kRecordDataSize)));
    if (!decoded) return;

    for (int i = 0; i < kCellLayerSize; ++i) require(b.board[i] <= 9 && b.givens[i] <= 9);
    require(clock.level >= 0 && clock.level <= 3);
    require(std::isfinite(clock.elapsedSeconds) && clock.elapsedSeconds >= 0.0 &&
            clock.elapsedSeconds <= kMaxElapsedSeconds);
    for (int i = 0; i < kCandidateLayerSize; ++i) {
        const int s = i / 4 % 10, r = i / 40 % 10, c = i / 400;
        const bool meaningful = s != 0 && r != 0 && c != 0;
        require(b.candidates[i] == (meaningful && b.candidateBytes[i] != 0));
    }

    // What was read, written again, must read back the same.
    CountingRandom filler;
    std::vector<std::uint8_t> out(kRecordSize);
    encodeBoardRecord(b, clock, filler, std::span<std::uint8_t, kRecordSize>(out.data(), kRecordSize));
    for (int i = clock.puzzle ? kPuzzleNumberOffset + kPuzzleNumberSize : kFillerOffset; i < kRecordSize; ++i)
        require(out[i] >= 1 && out[i] <= 9);
    Board back;
    RecordClock backClock;
    require(decodeBoardRecord(out, back, backClock));
    require(back.board == b.board && back.givens == b.givens && back.candidates == b.candidates);
    require(backClock.runningByte == clock.runningByte && backClock.elapsedSeconds == clock.elapsedSeconds &&
            backClock.level == clock.level && backClock.puzzle == clock.puzzle);
}

void checkFileRepair(const std::uint8_t* data, std::size_t size) {
    const int record = size > 0 ? data[0] % kRecordCount : 0;
    const std::vector<std::uint8_t> old(data, data + size);
    Board b;
    CountingRandom filler;
    const std::vector<std::uint8_t> file = boardFileWithRecord(old, record, b, RecordClock{}, filler);
    require(file.size() == static_cast<std::size_t>(kBoardFileSize)); // a tail beyond four records is dropped
    const std::size_t begin = static_cast<std::size_t>(record) * kRecordSize, end = begin + kRecordSize;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (i >= begin && i < end) continue;
        const bool dataThere = old.size() >= i - i % kRecordSize + kRecordDataSize;
        if (i < old.size() && dataThere)
            require(file[i] == old[i]); // kept: every record whose data are all there
        else if (dataThere)
            require(file[i] >= 1 && file[i] <= 9); // new filler where a kept record's was cut off
        else
            require(i % kRecordSize < kEmptyRecordZeros ? file[i] == 0 : file[i] >= 1 && file[i] <= 9);
    }
}

void checkFieldText(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CellLayer layer{};
    TextError err;
    if (!parseFieldText(text, layer, err)) {
        require(err.line >= 1 && err.column >= 1 && !err.message.empty());
        return;
    }
    for (auto v : layer) require(v <= 9);
    CellLayer again{};
    require(parseFieldText(fieldToText(layer), again, err) && again == layer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRecord(std::span<const std::uint8_t>(data, size));
    checkFileRepair(data, size);
    checkFieldText(data, size);
    return 0;
}
