// What a puzzle is asked before it is kept: its symmetric cell pairs, how the hidden solve fares on it
// as stored and after shuffles, and whether any symmetric pair of givens could go.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/solver.h"

namespace quintaro {

// A cell of the 21 × 21 field, column x and row y counted from 0.
struct FieldCell {
    int x = 0, y = 0;
};

// "(x, y)", as messages name field cells.
std::string fieldCellName(FieldCell f);

// The 144 pairs of distinct grid cells that a half turn about the field centre swaps, each pair
// (x, y) ↔ (20 − x, 20 − y) listed once, first cell above (or left of, on the centre row) the second.
const std::array<std::array<FieldCell, 2>, 144>& symmetricPairs();

// The entry of field cell f (its lowest grid's copy); 0 for cells outside every grid.
std::uint8_t fieldValue(const CellLayer& layer, FieldCell f);

// Sets field cell f to v in every grid copy it has.
void setFieldValue(CellLayer& layer, FieldCell f, std::uint8_t v);

// Distinct cells holding a symbol (a shared cell counts once).
int countFilled(const CellLayer& layer);

// True when a half turn about the field centre maps the filled cells onto filled cells.
bool isHalfTurnSymmetric(const CellLayer& layer);

// The givens of each of the 36 grid boxes (a shared box once per grid), counted and sorted: a shuffle
// moves boxes as wholes, so every shuffle of a puzzle keeps these, and puzzles whose counts differ are
// no shuffles of each other.
std::vector<int> boxGivenCounts(const CellLayer& givens);

// Field cells where the two copies of a shared cell differ.
std::vector<FieldCell> unequalSharedCopies(const CellLayer& layer);

struct SolveOutcome {
    bool complete = false; // the passes filled every cell
    int passes = 0;        // passes run, 1..15
    CellLayer solution{};  // the board as the passes left it
};

// The game's hidden solve on a board whose cells and givens are givens.
SolveOutcome solveGivens(const CellLayer& givens, SolverPath path = SolverPath::Fast);

// The seed from which a collection's shuffle check draws, unless told otherwise.
constexpr std::uint64_t kShuffleCheckSeed = 1;

struct ShuffleOutcome {
    int tried = 0;                     // shuffles run, over both variants
    int failed = 0;                    // shuffles after which the hidden solve left the field incomplete
    std::uint64_t firstFailedSeed = 0; // the generator seed of the first failing shuffle
    bool firstFailedSymmetric = false;
    // completedIn[n]: shuffles the hidden solve completed in n passes (what the game grades them by)
    std::array<int, kMaxSolvePasses + 1> completedIn{};
};

// Runs the game's shuffle perShape times in the symmetric variant and perShape times in the free one
// on the puzzle, each shuffle from its own SeededRandom whose seed is drawn from SeededRandom(seed),
// and counts the shuffles after which the hidden solve (15-pass cap) does not complete the field.
// Stops at the first failure when stopAtFirstFailure.
ShuffleOutcome checkShuffles(const CellLayer& givens, int perShape, std::uint64_t seed, bool stopAtFirstFailure,
                             SolverPath path = SolverPath::Fast);

// Symmetric pairs of givens whose removal still leaves a puzzle the hidden solve completes; a puzzle
// without any is minimal for its symmetry.
std::vector<std::array<FieldCell, 2>> removablePairs(const CellLayer& givens, SolverPath path = SolverPath::Fast);

} // namespace quintaro
