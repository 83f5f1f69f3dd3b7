// The file "Champions.qhf": 120 Windows-1252 lines, three per rank, and reading and changing it.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "storage/hall_of_fame.h"
#include "storage/locked_update.h"

namespace quintaro {

constexpr int kHallFileLines = 3 * kHallRanks * kHallLevels; // 120
// Bytes of a hall-of-fame file read at most: 120 short lines make a few kilobytes.
constexpr std::size_t kHallFileReadLimit = 64 * 1024;

// Fills hof from a file's bytes. Line 1 + 30L + 3(R−1) holds the name of rank R of level L, the next
// line its date, the one after its time. Lines end in CR LF or LF alone; lines after the 120th are
// ignored, and a missing line reads as an empty rank's field (empty name or date, time "9"). Names
// are read through championName and dates and times through storableLine, so damaged bytes give
// one-line texts that write back as they read.
void decodeHallOfFame(std::string_view bytes, HallOfFame& hof);

// The 120 lines of hof, each ended by CR LF, in Windows-1252, every field passed through
// storableLine (names through championName) so that the file always has its 120 lines.
std::string encodeHallOfFame(const HallOfFame& hof);

// Reads the file at path (its first kHallFileReadLimit bytes) into hof and returns true. When there is
// no such file, it is no regular file (a folder, a FIFO, a device) or it cannot be read, resets hof and
// returns false; a FIFO is never waited for.
bool readHallOfFame(const std::string& path, HallOfFame& hof);

// Changes the hall of fame at path the way updateFile changes a file: under its lock (waiting up to
// patience for another game), the tables the file holds at this moment (read as readHallOfFame does;
// empty when there is no file) are handed to change, and written back whole unless change returns
// false. So an entry that another game stored meanwhile stays. Returns false with a German message
// in error ("Die Ruhmeshalle konnte nicht gesichert werden: ...") when path is a folder or no
// regular file, cannot be read, stayed locked or could not be written; the old file is then unchanged.
bool updateHallOfFame(const std::string& path, const std::function<bool(HallOfFame&)>& change, std::string& error,
                      std::chrono::milliseconds patience = kLockPatience);

// Saves hof in place of whatever the file at path holds, as updateHallOfFame does.
bool writeHallOfFame(const std::string& path, const HallOfFame& hof, std::string& error);

} // namespace quintaro
