// Fresh puzzles from puzzle numbers, and the shuffle that keeps them solvable.
#include "engine/fresh_puzzle.h"

#include <algorithm>

#include "engine/grade.h"
#include "engine/shuffle.h"
#include "engine/solution.h"

namespace quintaro {

LevelRecipe freshRecipe(int level) {
    LevelRecipe recipe = levelRecipe(level);
    const PassRange graded = kLevelPasses.at(static_cast<std::size_t>(level));
    recipe.minPasses = std::max(recipe.minPasses, graded.first);
    recipe.maxPasses = std::min(recipe.maxPasses, graded.last);
    return recipe;
}

std::optional<FreshPuzzle> makeFreshPuzzle(PuzzleNumber number, int maxAttempts) {
    if (!isValidPuzzleNumber(number)) return std::nullopt;
    // The level takes the high word, so that each level draws its own fields from the same seed.
    const std::uint64_t stream = static_cast<std::uint64_t>(number.level) << 32 | number.seed;
    // No shuffles: the proof is left to shuffleCheckedBoard, where it costs one solve per game.
    const auto made = makePuzzle(freshRecipe(number.level), stream, 0, maxAttempts);
    if (!made) return std::nullopt;
    return FreshPuzzle{number, made->givens, made->givenCount, made->passes, made->attempts};
}

Board puzzleBoard(const CellLayer& givens) {
    Board b;
    b.board = givens;
    b.givens = givens;
    return b;
}

bool shuffleCheckedBoard(Board& b, RandomSource& rnd, bool symmetric) {
    const Board unshuffled = b;
    for (int tried = 0; tried < kCheckedShuffleTries; ++tried) {
        shuffleBoard(b, rnd, symmetric);
        if (!b.noSolution) return true;
        b = unshuffled;
    }
    computeSolution(b);
    return false;
}

} // namespace quintaro
