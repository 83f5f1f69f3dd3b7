// Puzzle numbers: a fresh puzzle named by its level and seed, written "L3-12345".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/random_source.h"

namespace quintaro {

// Seeds of puzzle numbers lie below this: at most nine digits, short enough to read out and type.
constexpr std::uint32_t kPuzzleSeedLimit = 1'000'000'000;

struct PuzzleNumber {
    int level = 0;          // 0..3: Leicht, Mittel, Schwer, Extrem
    std::uint32_t seed = 0; // 0 .. kPuzzleSeedLimit - 1

    friend bool operator==(const PuzzleNumber&, const PuzzleNumber&) = default;
};

// True for a level 0..3 and a seed below kPuzzleSeedLimit.
bool isValidPuzzleNumber(PuzzleNumber number);

// "L<level>-<seed>", the seed in decimal without leading zeros: "L3-12345", "L0-0". Needs a valid number.
std::string formatPuzzleNumber(PuzzleNumber number);

// The number text names when it is written exactly as formatPuzzleNumber writes it; nullopt for
// anything else: a lower-case "l", spaces, a sign, leading zeros, a level above 3, a seed of ten
// or more digits or one at or above kPuzzleSeedLimit.
std::optional<PuzzleNumber> parsePuzzleNumber(std::string_view text);

// The number of a new game's puzzle: level (0..3) as chosen, the seed drawn uniformly below
// kPuzzleSeedLimit with one draw from rnd. The game draws from its own random source, as for the
// collection record and the shuffle, so every new game gets another puzzle.
PuzzleNumber drawPuzzleNumber(int level, RandomSource& rnd);

} // namespace quintaro
