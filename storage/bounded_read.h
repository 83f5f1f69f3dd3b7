// Reading a bounded part of a regular file, so that no FIFO, device or huge file can block or flood a reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// What kind of thing a path names, as far as a reader of regular files cares.
enum class FileKind {
    Regular,
    Missing, // nothing there (also a link that leads nowhere)
    Folder,
    Fifo,      // a named pipe: opening or reading it could wait for a writer forever
    Device,    // a character or block device such as /dev/zero
    Other,     // a socket or anything else that is no regular file
    Unreadable // it could not be looked at or opened, or reading failed: errorNumber says why
};

struct FileRange {
    FileKind kind = FileKind::Missing;
    long long size = 0;              // the file's length when it was opened (Regular only)
    std::vector<std::uint8_t> bytes; // what was read: fewer than asked for where the file ends
    int errorNumber = 0;             // the system's error number when kind is Unreadable
};

// Reads at most count bytes from byte offset of the file at path (links followed), but only from a
// regular file: anything else is named by kind and never read. The path is looked at before it is
// opened and opened without waiting, so a FIFO cannot block the caller. Never reads more than count
// bytes, whatever the file's length.
FileRange readFileRange(const std::string& path, long long offset, std::size_t count);

} // namespace quintaro
