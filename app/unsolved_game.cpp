// A game left unsolved at quit: the board judged, taken into a kept game and put back from one.
#include "app/unsolved_game.h"

#include "engine/board_verdict.h"
#include "engine/solution.h"

namespace quintaro {

bool holdsUnsolvedGame(Board& b, GameMode mode) {
    if (mode == GameMode::OwnBoardLoop || countGivenCells(b) == 0) return false;
    // Solved means a complete field without a broken rule, even where the hidden solve found no solution.
    Board judged = b;
    judged.noSolution = false;
    return !judgeBoard(judged).solved();
}

KeptGame keptGameOf(const Board& b, std::int16_t level, bool timed, double elapsedSeconds,
                    const std::optional<PuzzleNumber>& puzzle) {
    KeptGame game;
    game.givens = b.givens;
    game.board = b.board;
    game.candidates = b.candidates;
    game.errors = b.errorCount;
    game.level = level;
    game.timed = timed;
    game.elapsedSeconds = timed ? elapsedSeconds : 0.0;
    game.puzzle = puzzle;
    return game;
}

std::optional<PuzzleNumber> putOnBoard(const KeptGame& game, Board& b) {
    b = Board{};
    b.givens = game.givens;
    b.board = game.board;
    b.candidates = game.candidates;
    b.errorCount = game.errors;
    computeGameSolution(b);
    if (game.puzzle && isValidPuzzleNumber(*game.puzzle)) return game.puzzle;
    return std::nullopt;
}

} // namespace quintaro
