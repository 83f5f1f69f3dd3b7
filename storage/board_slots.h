// Which slots of a board file hold nothing, for the load/save dialog to mark and to ask about.
#pragma once

#include "engine/board.h"
#include "storage/board_record.h"

#include <array>
#include <string>

namespace quintaro {

// Whether b holds no symbol, no given and no candidate mark: what a never-written record loads as.
bool isEmptyPosition(const Board& b);

// For each record 0..3 of the board file at path: true when it reads as an empty position, or when
// there is no file at all. A record that cannot be read (a file too short for it, no regular file)
// is not marked: loading it tells the player why instead.
std::array<bool, kRecordCount> emptySlots(const std::string& path);

} // namespace quintaro
