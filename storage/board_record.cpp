// Encoding and decoding of board-file records, kept free of file access so the fuzzer can drive it.
#include "storage/board_record.h"

#include "engine/grid_cell.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <string_view>

namespace quintaro {

namespace {

std::uint8_t fillerByte(RandomSource& filler) { return static_cast<std::uint8_t>(filler.random(9) + 1); }

constexpr std::string_view kMarker{kPuzzleNumberMarker};

// The field's check byte: the sum of the bytes before it, modulo 256.
std::uint8_t checkByte(std::span<const std::uint8_t> field) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < field.size(); ++i) sum += field[i];
    return static_cast<std::uint8_t>(sum);
}

std::optional<PuzzleNumber> decodePuzzleNumber(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < static_cast<std::size_t>(kPuzzleNumberOffset + kPuzzleNumberSize)) return std::nullopt;
    const std::span<const std::uint8_t> field = bytes.subspan(kPuzzleNumberOffset, kPuzzleNumberSize);
    const std::string_view text(reinterpret_cast<const char*>(field.data()), field.size() - 1);
    if (!text.starts_with(kMarker) || field.back() != checkByte(field)) return std::nullopt;
    const std::size_t end = text.find('\0', kMarker.size());
    if (end == std::string_view::npos || text.find_first_not_of('\0', end) != std::string_view::npos)
        return std::nullopt;
    return parsePuzzleNumber(text.substr(kMarker.size(), end - kMarker.size()));
}

void encodePuzzleNumber(PuzzleNumber number, std::span<std::uint8_t, kRecordSize> out) {
    const std::span<std::uint8_t> field = std::span(out).subspan(kPuzzleNumberOffset, kPuzzleNumberSize);
    const std::string text = std::string(kMarker) + formatPuzzleNumber(number);
    std::fill(field.begin(), field.end(), 0);
    std::copy(text.begin(), text.end(), field.begin());
    field.back() = checkByte(field);
}

} // namespace

bool decodeBoardRecord(std::span<const std::uint8_t> bytes, Board& b, RecordClock& clock, RecordRepairs* repairs) {
    if (bytes.size() < static_cast<std::size_t>(kRecordDataSize)) return false;
    if (repairs) *repairs = RecordRepairs{};

    std::copy_n(bytes.begin() + kBoardOffset, kCellLayerSize, b.board.begin());
    std::copy_n(bytes.begin() + kGivensOffset, kCellLayerSize, b.givens.begin());
    // The rule check and the counts index tallies by cell value, so damage must not get past here.
    for (int i = 0; i < kCellLayerSize; ++i) {
        if (b.board[i] > 9 || b.givens[i] > 9) {
            b.board[i] = 0;
            b.givens[i] = 0;
            if (repairs) repairs->emptiedCells.push_back(i);
        }
    }

    std::copy_n(bytes.begin() + kCandidatesOffset, kCandidateLayerSize, b.candidateBytes.begin());
    b.candidates.fill(false);
    forEachCell([&](GridCell k) {
        for (int s = 1; s <= 9; ++s) {
            const int i = candidateIndex(k.column, k.row, s, k.grid);
            b.candidates[i] = b.candidateBytes[i] != 0;
        }
    });

    clock.runningByte = bytes[kClockFlagOffset];

    std::uint64_t bits = 0;
    for (int k = 7; k >= 0; --k) bits = (bits << 8) | bytes[kElapsedOffset + k];
    const double elapsed = std::bit_cast<double>(bits);
    clock.elapsedSeconds = std::isfinite(elapsed) && elapsed >= 0.0 && elapsed <= kMaxElapsedSeconds ? elapsed : 0.0;

    const auto level = static_cast<std::int16_t>(bytes[kLevelOffset] | (bytes[kLevelOffset + 1] << 8));
    clock.level = std::clamp<std::int16_t>(level, 0, 3);
    clock.puzzle = decodePuzzleNumber(bytes);
    return true;
}

void encodeBoardRecord(Board& b, const RecordClock& clock, RandomSource& filler,
                       std::span<std::uint8_t, kRecordSize> out) {
    std::copy(b.board.begin(), b.board.end(), out.begin() + kBoardOffset);
    std::copy(b.givens.begin(), b.givens.end(), out.begin() + kGivensOffset);

    b.candidateBytes.fill(0);
    forEachCell([&](GridCell k) {
        for (int s = 1; s <= 9; ++s) {
            const int i = candidateIndex(k.column, k.row, s, k.grid);
            b.candidateBytes[i] = b.candidates[i] ? 0xFF : 0x00;
        }
    });
    std::copy(b.candidateBytes.begin(), b.candidateBytes.end(), out.begin() + kCandidatesOffset);

    out[kClockFlagOffset] = clock.runningByte;
    const auto bits = std::bit_cast<std::uint64_t>(clock.elapsedSeconds);
    for (int k = 0; k < 8; ++k) out[kElapsedOffset + k] = static_cast<std::uint8_t>(bits >> (8 * k));
    const auto level = static_cast<std::uint16_t>(clock.level);
    out[kLevelOffset] = static_cast<std::uint8_t>(level & 0xFF);
    out[kLevelOffset + 1] = static_cast<std::uint8_t>(level >> 8);

    for (int i = kFillerOffset; i < kRecordSize; ++i) out[i] = fillerByte(filler);
    if (clock.puzzle && isValidPuzzleNumber(*clock.puzzle)) encodePuzzleNumber(*clock.puzzle, out);
}

void fillEmptyRecord(std::span<std::uint8_t, kRecordSize> out, RandomSource& filler) {
    std::fill_n(out.begin(), kEmptyRecordZeros, std::uint8_t{0});
    for (int i = kEmptyRecordZeros; i < kRecordSize; ++i) out[i] = fillerByte(filler);
}

std::vector<std::uint8_t> boardFileWithRecord(std::vector<std::uint8_t> file, int record, Board& b,
                                              const RecordClock& clock, RandomSource& filler) {
    // A short file keeps every record a reader could load from it, the ones whose data are all
    // there; the filler cut off behind them is drawn anew and the other records become empty.
    // Nothing the game reads or writes lies beyond the fourth record of a longer file, and keeping
    // it would mean reading and writing a file of any length on every save.
    const std::size_t oldSize = file.size();
    if (oldSize != static_cast<std::size_t>(kBoardFileSize)) {
        file.resize(kBoardFileSize);
        for (int n = 0; n < kRecordCount; ++n) {
            const std::size_t start = static_cast<std::size_t>(n) * kRecordSize;
            if (oldSize >= start + kRecordDataSize)
                for (std::size_t i = std::max(oldSize, start + kFillerOffset); i < start + kRecordSize; ++i)
                    file[i] = fillerByte(filler);
            else
                fillEmptyRecord(std::span<std::uint8_t, kRecordSize>(file.data() + start, kRecordSize), filler);
        }
    }
    encodeBoardRecord(b, clock, filler,
                      std::span<std::uint8_t, kRecordSize>(file.data() + record * kRecordSize, kRecordSize));
    return file;
}

} // namespace quintaro
