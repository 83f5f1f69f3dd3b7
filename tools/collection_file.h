// Board-file images of puzzle collections: each puzzle in the board and givens blocks, clock flag clear.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/board.h"
#include "engine/puzzle_number.h"
#include "engine/random_source.h"

namespace quintaro {

// Up to four puzzles (record 0 first) as a 24,000-byte board file: board = givens = the puzzle, no
// candidates, clock flag 0x00, elapsed time 0 and the given level in the clock fields; the records
// beyond the puzzles are never-written records. Filler bytes come from filler, record by record. A
// number given is stored with record 0, as the game stores a fresh puzzle's, so a load shows it.
std::vector<std::uint8_t> collectionFile(const std::vector<CellLayer>& puzzles, int level, RandomSource& filler,
                                         std::optional<PuzzleNumber> firstNumber = std::nullopt);

} // namespace quintaro
