// Loading and saving one record of a board file, with the clock and level it holds.
#pragma once

#include "engine/board.h"
#include "engine/puzzle_number.h"
#include "engine/random_source.h"
#include "platform/platform.h"
#include "storage/board_file.h"
#include "ui/clock.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace quintaro {

// Stops the timing, holds the clock while the position loads, and reads record 0..3 of file into
// board, and the number of the fresh puzzle it holds into puzzle (none when it holds none). A record
// saved during a timed game restarts the timing from its stored elapsed time (against platform's
// timer), sets level and recounts givenCount; otherwise (and for an empty record, whatever its clock
// flag) level, count and clock stay. Returns what the reader found; on anything but Loaded the board,
// the timing and puzzle are unchanged.
ReadStatus loadBoardRecord(const std::string& file, int record, platform::Platform& platform, Board& board,
                           ClockFlags& timing, std::int16_t& level, int& givenCount,
                           std::optional<PuzzleNumber>& puzzle);

// The German message that tells the player why record `status` of `file` could not be read, naming the
// file by its absolute path ("Die Datei \"/…/leicht.qbr\" fehlt."); empty for Loaded.
std::string readFailureMessage(ReadStatus status, const std::string& file);

// Writes the board, candidates, running flag, elapsed time, level and the puzzle's number, if any,
// into record 0..3 of file as that file is now (another game may have saved into another slot), under
// its lock, waiting at most lockPatience for it; random fills a new file's unused bytes. On failure
// tells the player in a message box and returns false; the file stays as it was.
bool saveBoardRecord(const std::string& file, int record, platform::Platform& platform, Board& board,
                     const ClockFlags& timing, std::int16_t level, const std::optional<PuzzleNumber>& puzzle,
                     RandomSource& random, std::chrono::milliseconds lockPatience);

} // namespace quintaro
