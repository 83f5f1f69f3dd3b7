// The load and save dialogs: the record form that picks one of the four slots of the board file.
#pragma once

#include "platform/platform.h"
#include "storage/board_file.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quintaro {

// What the record form keeps between dialogs.
struct RecordChoice {
    std::string boardFile;           // file of the next load or save, by name
    std::int16_t selectedRecord = 0; // slot 0..3 last chosen in the form
};

// Reads or writes the record chosen; a load returns what the reader found, a save tells the player
// itself when it fails.
using RecordLoader = std::function<ReadStatus(int record)>;
using RecordSaver = std::function<void(int record)>;

// The save form over the board file at path (its slots marked empty as they are): the slot the player
// picks is kept in choice and handed to save. window takes no input while the form is open.
void showSaveDialog(platform::Platform& platform, platform::MainWindow& window, RecordChoice& choice,
                    const std::string& path, const RecordSaver& save);

// The load form over the board file at path: the slot the player picks is kept in choice and handed
// to load, after asking whether an empty slot should really replace the board. Returns true when a
// record was read; a cancelled dialog or a failed read (the player told why, once the form is closed)
// returns false.
bool showLoadDialog(platform::Platform& platform, platform::MainWindow& window, RecordChoice& choice,
                    const std::string& path, const RecordLoader& load);

} // namespace quintaro
