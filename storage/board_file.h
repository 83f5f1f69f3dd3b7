// Board files: four records of 6,000 bytes, each a complete game position, read and written byte for byte.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board.h"
#include "engine/random_source.h"

namespace quintaro {

constexpr int kRecordSize = 6000;
constexpr int kRecordCount = 4;
constexpr int kBoardFileSize = kRecordSize * kRecordCount; // 24,000

// The clock part of a record: the running flag byte as stored, the elapsed seconds and the level.
struct RecordClock {
    std::uint8_t runningByte = 0; // bit 0 set: a timed game was in progress
    double elapsedSeconds = 0.0;  // only meaningful when bit 0 is set
    std::int16_t level = 0;       // 0..3 after reading
};

enum class ReadStatus {
    Loaded,   // board, givens, candidateBytes and candidates replaced; clock filled
    Missing,  // no such file: nothing changed
    TooShort, // the file ends before the record does: nothing changed
    Unreadable, // the file exists but cannot be read: nothing changed
};

// Reads record 0..3 of the board file at path into b.board, b.givens, b.candidateBytes and
// b.candidates, and its clock fields into clock. Cell bytes outside 0..9 load as empty (board and
// given); an elapsed time that is not finite or not within 0..10^8 s loads as 0; a level below 0
// loads as 0, above 3 as 3. Nothing changes unless the result is Loaded.
ReadStatus readBoardRecord(const std::string& path, int record, Board& b, RecordClock& clock);

// Writes b.board, b.givens and the candidates (as 0x00/0xFF bytes; b.candidateBytes is refreshed)
// with clock into record 0..3 of the board file at path. A file whose length is not 24,000 bytes
// first becomes four empty records (4,800 zero bytes and 1,200 filler bytes 1..9 each). The new file
// is written beside the old one and replaces it only when complete. Filler bytes come from filler.
// Returns false with a German message in error when nothing could be written; the old file is then
// unchanged.
bool writeBoardRecord(const std::string& path, int record, Board& b, const RecordClock& clock,
                      RandomSource& filler, std::string& error);

} // namespace quintaro
