// qbr's board-file output: written beside the old file under the exact bytes of the name given.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quintaro {

// Writes bytes as the file path: into a new file in path's folder, which takes path's place only once
// complete (keeping the old file's permissions); on failure path is as it was. The folder must exist
// and path must not be a folder, FIFO or device. The name is used byte for byte, whether or not it is
// valid UTF-8. Returns false with an English message in error otherwise ("cannot write the board
// file: ..."), which names the file as shownName does.
bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error);

// Whether writeOutputFile could write path now, found out by making and removing a new file beside
// it; path itself is left alone. Returns false with writeOutputFile's message in error otherwise.
bool checkOutputFile(const std::string& path, std::string& error);

} // namespace quintaro
