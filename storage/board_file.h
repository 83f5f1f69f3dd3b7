// Board files: four records of 6,000 bytes, each a complete game position, read and written byte for byte.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "engine/board.h"
#include "engine/random_source.h"
#include "storage/board_record.h"
#include "storage/locked_update.h"

namespace quintaro {

enum class ReadStatus {
    Loaded,     // board, givens, candidateBytes and candidates replaced; clock filled
    Missing,    // no such file: nothing changed
    TooShort,   // the file ends before the record's data (its first 4,811 bytes) do: nothing changed
    Unreadable, // no regular file (a folder, FIFO or device), unreadable, or record is not 0..3: nothing changed
};

// Reads record 0..3 of the board file at path into b.board, b.givens, b.candidateBytes and
// b.candidates, and its clock fields and puzzle number into clock, as decodeBoardRecord does: damaged
// cell bytes load as empty cells, a damaged elapsed time as 0, the level clamped to 0..3, a damaged
// or cut-off number as none. Reads only those bytes and never waits on a FIFO. Nothing changes unless the result is
// Loaded.
ReadStatus readBoardRecord(const std::string& path, int record, Board& b, RecordClock& clock);

// Writes b.board, b.givens and the candidates (as 0x00/0xFF bytes; b.candidateBytes is refreshed)
// with clock into record 0..3 of the board file at path, as boardFileWithRecord lays it out: the
// other records are taken from the file as it is at this moment, under its lock (updateFile; another
// game's lock is waited for up to patience), and only the file's first 24,000 bytes are ever read,
// so the saved file is always 24,000 bytes long: a longer file loses what lies beyond its four
// records, a shorter one keeps every record it holds completely and gets empty records for the
// missing ones. Filler bytes come from filler. The complete new file is written beside the old one
// and replaces it only then; in a folder that refuses new files, an existing writable file is
// overwritten in place instead. Returns false with a German message in error ("Das Brett konnte
// nicht gesichert werden: ...") when path is a folder, FIFO or device, another game held the lock
// too long, or the file could not be read or written; the old file is then unchanged, except after
// a failed in-place write, which says so.
bool writeBoardRecord(const std::string& path, int record, Board& b, const RecordClock& clock, RandomSource& filler,
                      std::string& error, std::chrono::milliseconds patience = kLockPatience);

} // namespace quintaro
