// Where qbr's commands take their fields from: text fields (a file or standard input) and board-file
// records, with English error messages that name the file and, for text, the line and column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "engine/board.h"
#include "storage/board_record.h"

namespace quintaro {

// A text field has under 500 bytes; input is never read beyond this many.
constexpr std::size_t kMaxTextFieldBytes = 64 * 1024;

// A name ending in ".qbr" (any case) is a board file; anything else, or "-", a text field.
bool isBoardFileName(const std::string& name);

// Reads one text field from the regular file name, or from in when name is "-", at most
// kMaxTextFieldBytes of either. On failure error reads "NAME:LINE:COLUMN: what is wrong" (standard
// input is named "<stdin>") or says why the input could not be read; the name is shown as shownName
// shows it, and input bytes are escaped.
bool readTextField(const std::string& name, std::istream& in, CellLayer& layer, std::string& error);

// The length of a board file and its first kBoardFileSize bytes (all a reader ever uses).
struct BoardFileBytes {
    long long size = 0;
    std::vector<std::uint8_t> bytes;
};

// Reads a board file, refusing what is no regular file; error names the file (as shownName
// shows it) and the reason.
bool readBoardFile(const std::string& name, BoardFileBytes& file, std::string& error);

// A record as the game loads it, and the damage the loading mended or would pass over unnoticed.
struct LoadedRecord {
    Board board;
    RecordClock clock;
    std::vector<std::string> damage; // one sentence each: bytes above 9, unequal copies of shared cells
};

// Decodes record 0..3 of the file read from name; false with error when the file ends before its data.
bool recordOf(const BoardFileBytes& file, const std::string& name, int record, LoadedRecord& out, std::string& error);

} // namespace quintaro
