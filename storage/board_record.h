// The bytes of a board-file record and of a whole board file, without any file access (no Qt).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/puzzle_number.h"
#include "engine/random_source.h"

namespace quintaro {

constexpr int kRecordSize = 6000;
constexpr int kRecordCount = 4;
constexpr int kBoardFileSize = kRecordSize * kRecordCount; // 24,000

// Offsets inside a record. The filler after the level is never read.
constexpr int kBoardOffset = 0;
constexpr int kGivensOffset = 400;
constexpr int kCandidatesOffset = 800;
constexpr int kClockFlagOffset = 4800;
constexpr int kElapsedOffset = 4801;
constexpr int kLevelOffset = 4809;
constexpr int kFillerOffset = 4811;
constexpr int kRecordDataSize = kFillerOffset; // bytes a reader needs: everything up to the filler
constexpr int kEmptyRecordZeros = 4800;        // a never-written record: these zeros, then filler

// The number of a fresh puzzle played, kept at the start of the filler: the marker "Nr:", the number
// as formatPuzzleNumber writes it ("L3-12345", at most 12 characters), zero bytes up to the field's
// last byte, which is the sum of the 16 before it modulo 256; then filler again. Filler bytes are
// 1..9, so they never form the marker; a record without a number has filler there, and a reader that
// knows nothing of the number still reads the record as before. Any one byte of the field damaged,
// the number reads as none, never as another.
constexpr int kPuzzleNumberOffset = kFillerOffset;
constexpr int kPuzzleNumberSize = 17; // marker, the longest number, at least one zero byte, the check byte
constexpr char kPuzzleNumberMarker[] = "Nr:";

// Loaded elapsed times outside 0..kMaxElapsedSeconds (about three years) are damage and read as 0.
constexpr double kMaxElapsedSeconds = 1e8;

// The clock part of a record: the running flag byte as stored, the elapsed seconds and the level;
// beside it, from the filler, the number of the fresh puzzle the record holds.
struct RecordClock {
    std::uint8_t runningByte = 0;       // bit 0 set: a timed game was in progress
    double elapsedSeconds = 0.0;        // only meaningful when bit 0 is set
    std::int16_t level = 0;             // 0..3 after reading
    std::optional<PuzzleNumber> puzzle; // none for any board but a fresh puzzle's
};

// What decodeBoardRecord mended without a word while loading a record.
struct RecordRepairs {
    std::vector<int> emptiedCells; // cell-layer indices whose board or givens byte lay above 9
};

// Decodes the first kRecordDataSize bytes of one record into b.board, b.givens, b.candidateBytes
// (as stored), b.candidates (every flag false, then true where the byte of a column, row and symbol
// 1..9 is non-zero) and clock. A cell whose board or givens byte lies outside 0..9 loads as empty in
// both layers (listed in repairs when given); an elapsed time that is not finite or outside
// 0..kMaxElapsedSeconds reads as 0; a level below 0 reads as 0, above 3 as 3. clock.puzzle is the
// number kept in the filler when bytes reach that far and hold the marker, a valid number and its
// zero byte exactly as written; otherwise none. Returns false, changing nothing, when bytes is
// shorter than kRecordDataSize.
bool decodeBoardRecord(std::span<const std::uint8_t> bytes, Board& b, RecordClock& clock,
                       RecordRepairs* repairs = nullptr);

// Encodes b.board, b.givens, the candidates and clock into a whole record in out. b.candidateBytes
// is refreshed first: 0xFF for a set candidate of a column, row and symbol 1..9, 0x00 everywhere
// else. The elapsed time is a little-endian IEEE double, the level little-endian 16 bits, and the
// 1,189 filler bytes are drawn from filler as values 1..9; a valid clock.puzzle is then written over
// the filler's start (kPuzzleNumberOffset).
void encodeBoardRecord(Board& b, const RecordClock& clock, RandomSource& filler,
                       std::span<std::uint8_t, kRecordSize> out);

// A record that was never written: 4,800 zero bytes, then 1,200 filler bytes 1..9.
void fillEmptyRecord(std::span<std::uint8_t, kRecordSize> out, RandomSource& filler);

// The new contents of a board file whose old contents are file (empty for a new file) after writing
// record 0..3 at record × 6,000, always 24,000 bytes. Every other record that file holds completely
// stays as it was. A shorter file is filled up: a record whose data (its first 4,811 bytes, all a
// reader needs) are there stays and gets new filler where its own was cut off; the records beyond
// become empty records. The bytes of a longer file beyond its fourth record are dropped.
std::vector<std::uint8_t> boardFileWithRecord(std::vector<std::uint8_t> file, int record, Board& b,
                                              const RecordClock& clock, RandomSource& filler);

} // namespace quintaro
