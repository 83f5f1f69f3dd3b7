// Fresh puzzles: the one puzzle a puzzle number names, made on demand, and the checked shuffle it is
// played with.
#pragma once

#include <optional>

#include "engine/board.h"
#include "engine/puzzle_maker.h"
#include "engine/puzzle_number.h"
#include "engine/random_source.h"

namespace quintaro {

// Full fields a fresh puzzle may try before it is given up. The level whose fields are kept least
// often (Schwer, about three in eight) fails all of them with a chance near 10^-13; a field costs
// one or two milliseconds.
constexpr int kFreshPuzzleAttempts = 64;

// What a fresh puzzle of level 0..3 meets: the collections' recipe (givens, thinning, minimal for
// Extrem) with its passes narrowed to those the game's grade gives that level (kLevelPasses), so a
// fresh Mittel puzzle takes exactly 4 passes where a collection's may take 5.
LevelRecipe freshRecipe(int level);

struct FreshPuzzle {
    PuzzleNumber number;
    CellLayer givens{}; // both copies of each shared cell set
    int givenCount = 0; // distinct cells
    int passes = 0;     // hidden-solve passes as stored
    int attempts = 0;   // full fields tried
};

// Makes the puzzle number names: full fields drawn from one stream per level and seed, each thinned
// pair by symmetric pair as the collections are, until one meets freshRecipe(number.level).
// Deterministic and self-contained: the same number gives the same puzzle on every machine and in
// any thread, and calls may run side by side. Returns nullopt when none of the first maxAttempts
// fields gives one (and for a number that is not valid), so the game takes a collection record
// instead. Unlike a collection record the puzzle is not proven against shuffles: the game plays it
// through shuffleCheckedBoard.
std::optional<FreshPuzzle> makeFreshPuzzle(PuzzleNumber number, int maxAttempts = kFreshPuzzleAttempts);

// A board whose entries and givens are both the puzzle and nothing else is set: what a collection
// record loads as, and what the game shuffles.
Board puzzleBoard(const CellLayer& givens);

// Shuffles this many times at most before the board is played unshuffled.
constexpr int kCheckedShuffleTries = 8;

// The shuffle of a board whose hidden solve completes it unshuffled (as every fresh puzzle's does):
// shuffleBoard, kept when its hidden solve completes the field; otherwise the board goes back to how
// it was and is shuffled again with the next draws of rnd, up to kCheckedShuffleTries times. When no
// shuffle completes, the board stays unshuffled with the hidden solve of it in solution. Returns true
// when a shuffle was kept. So the game never gets a shuffle without a solution; the first is nearly
// always kept (of 200,000 shuffles of fresh puzzles, 4 of Extrem ones failed). A board whose own
// hidden solve does not complete ends unshuffled with noSolution set.
bool shuffleCheckedBoard(Board& b, RandomSource& rnd, bool symmetric);

} // namespace quintaro
