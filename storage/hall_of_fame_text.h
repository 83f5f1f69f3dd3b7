// The texts a hall-of-fame file can hold: one line each, in characters Windows-1252 has.
#pragma once

#include <string>
#include <string_view>

namespace quintaro {

constexpr int kChampionNameLength = 30; // characters

// The file's code page, by its name among Qt's codecs.
inline constexpr const char* kHallCodePage = "windows-1252";

// utf8 as one line of the file stores it: control characters (line breaks, tabs, CR) removed, every
// character Windows-1252 cannot hold replaced by "?" (never by the codec's control byte 0x1A).
// Malformed UTF-8 counts as characters it cannot hold.
std::string storableLine(std::string_view utf8);

// A typed name as the hall of fame stores it: storableLine, cut to its first 30 characters.
std::string championName(std::string_view typed);

} // namespace quintaro
