// The file "Champions.qhf": 120 Windows-1252 lines, three per rank, and reading and saving it.
#pragma once

#include <string>
#include <string_view>

#include "storage/hall_of_fame.h"

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

// Saves hof to the file at path: the complete new file is written beside the old one and replaces it
// only then. Returns false with a German message in error ("Die Ruhmeshalle konnte nicht gesichert
// werden: ...") when that fails; the old file is then unchanged.
bool writeHallOfFame(const std::string& path, const HallOfFame& hof, std::string& error);

} // namespace quintaro
