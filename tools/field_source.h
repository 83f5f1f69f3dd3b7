// Where qbr's commands take their fields from: text fields (a file or standard input) and board-file
// records, with error messages that name the file and, for text, the line and column.
#pragma once

#include <istream>
#include <string>

#include "engine/board.h"
#include "storage/board_file.h"

namespace quintaro {

// A name ending in ".qbr" (any case) is a board file; anything else, or "-", a text field.
bool isBoardFileName(const std::string& name);

// Reads one text field from the file name, or from in when name is "-". On failure error reads
// "NAME:LINE:COLUMN: what is wrong" (standard input is named "<stdin>") or says why the file could
// not be read.
bool readTextField(const std::string& name, std::istream& in, CellLayer& layer, std::string& error);

// The size of the file in bytes; -1 when it does not exist or is no regular file (error says which).
long long boardFileSize(const std::string& name, std::string& error);

// Reads record 0..3 of a board file; error explains a missing, short or unreadable file.
bool readRecord(const std::string& name, int record, Board& b, RecordClock& clock, std::string& error);

} // namespace quintaro
