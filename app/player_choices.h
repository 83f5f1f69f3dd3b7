// What the player chose in the menu: the settings its check marks show, read and written as one value.
#pragma once

#include <cstdint>

namespace quintaro {

// The start values are those of a fresh run.
struct PlayerChoices {
    std::int16_t level = 0;      // difficulty 0..3
    bool digitMode = true;       // symbols shown as digits, else as letters
    bool showCandidates = false; // every empty cell shows the symbols it still admits
    bool puzzleSymmetry = true;  // the next shuffle keeps the puzzle symmetric
    bool freshPuzzles = true;    // a new game plays a freshly made puzzle, else a record of the level's collection

    friend bool operator==(const PlayerChoices&, const PlayerChoices&) = default;
};

} // namespace quintaro
