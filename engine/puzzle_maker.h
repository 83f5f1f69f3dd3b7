// Making graded puzzles: full fields thinned out pair by symmetric pair, kept when the game's own
// hidden solve finishes them as stored and after shuffles.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/random_source.h"
#include "engine/solver.h"

namespace quintaro {

// How a level's puzzles are made and what they must meet.
struct LevelRecipe {
    const char* name;     // the level as the game names it
    int stopAtGivens;     // thinning stops once this few givens remain; 0 = thin until no pair can go
    int removalMaxPasses; // a pair goes only when the hidden solve still finishes within this many passes
    int maxGivens;        // the finished puzzle has at most this many givens
    int minPasses;        // the finished puzzle needs at least this many passes
    int maxPasses;        // and at most this many
};

// Levels 0..3: "Leicht", "Mittel", "Schwer", "Extrem".
const LevelRecipe& levelRecipe(int level);

// Stored puzzles must be finished within this many passes, leaving room below the 15-pass cap for
// what a shuffle may add.
constexpr int kMaxStoredPasses = 12;

// Thins out a full field: visits the 144 symmetric pairs in an order drawn from rnd and empties each
// pair whose removal leaves a puzzle the hidden solve finishes within maxPasses, until at most
// stopAtGivens givens remain (0: all pairs visited, so the result is minimal for that test).
CellLayer thinOut(const CellLayer& full, RandomSource& rnd, int maxPasses, int stopAtGivens,
                  SolverPath path = SolverPath::Fast);

struct MadePuzzle {
    CellLayer givens{};
    int givenCount = 0;
    int passes = 0;   // hidden-solve passes as stored
    int attempts = 0; // full fields tried
};

// Tries full fields drawn from SeededRandom(seed) one after another and returns the first puzzle that
// meets the recipe, is finished after each of shufflesPerShape shuffles of either variant (those the
// collection check makes, from kShuffleCheckSeed, and as many more from seed), and, when the recipe
// thins to the end, is minimal. Gives up after maxAttempts fields. progress, when set, is told about
// each attempt.
std::optional<MadePuzzle> makePuzzle(const LevelRecipe& recipe, std::uint64_t seed, int shufflesPerShape,
                                     int maxAttempts, const std::function<void(const std::string&)>& progress = {},
                                     SolverPath path = SolverPath::Fast);

// The seeds of a collection's four records and of its filler bytes, all drawn from one seed.
struct CollectionSeeds {
    std::uint64_t record[4];
    std::uint64_t filler;
};
CollectionSeeds collectionSeeds(std::uint64_t seed);

} // namespace quintaro
