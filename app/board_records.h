// Loading and saving one record of the board file named in boardFile, with the clock and level it holds.
#pragma once

#include "storage/board_file.h"

namespace quintaro {

class Game;

// Stops the timing, holds the clock while the position loads, and reads record 0..3 of
// game.state.boardFile into the board. A record saved during a timed game restarts the timing from
// its stored elapsed time, sets the level and redraws the given count; otherwise (and for an empty
// record, whatever its clock flag) level and clock stay. Returns what the reader found; on anything
// but Loaded the board and the timing are unchanged.
ReadStatus loadBoardRecord(Game& game, int record);

// The German message that tells the player why record `status` of `file` could not be read, naming the
// file by its absolute path ("Die Datei \"/…/leicht.qbr\" fehlt."); empty for Loaded.
std::string readFailureMessage(ReadStatus status, const std::string& file);

// Writes the board, candidates, running flag, elapsed time and level into record 0..3 of
// game.state.boardFile as that file is now (another game may have saved into another slot), under
// its lock. On failure tells the player in a message box and returns false; the file stays as it was.
bool saveBoardRecord(Game& game, int record);

} // namespace quintaro
