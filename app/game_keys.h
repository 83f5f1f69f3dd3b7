// The keys of the game loops, named after what they do, and the symbol a typed character enters.
#pragma once

#include "platform/events.h"

#include <optional>

namespace quintaro::key {

// The letters the game loops act on when they are released, as virtual-key codes.
constexpr int Load = 'L', Save = 'S', Print = 'D', Help = 'H', Restart = 'N';
constexpr int Abort = 'A';                         // in digit mode only: in letter mode it types a symbol
constexpr int SolveFirst = 'K', SolveSecond = 'O'; // K, then O, solves the board
constexpr int FillCandidates = 'F', ClearCandidates = 'C', ShowCandidates = 'M';
constexpr int ShuffleOwnBoard = 'X', Hint = 'T';
constexpr int Escape = platform::VirtualKey::Escape; // leaves the loop unless it just ended an entry

// Pressed with Control: a step back, and again (Control+Shift+Z too).
constexpr int Undo = 'Z', Redo = 'Y';

} // namespace quintaro::key

namespace quintaro {

// The symbol 0..9 a typed character enters: "0".."9" in digit mode; in letter mode "a".."i" for 1..9
// and "`", the character before "a", for 0. None for any other character.
constexpr std::optional<int> symbolTyped(int character, bool digitMode) {
    const int zero = digitMode ? '0' : '`';
    if (character < zero || character > zero + 9) return std::nullopt;
    return character - zero;
}

} // namespace quintaro
