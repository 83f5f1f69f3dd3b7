// Fresh puzzles made ahead on a worker thread, so that a new game finds its puzzle ready.
#pragma once

#include "engine/fresh_puzzle.h"
#include "engine/puzzle_number.h"
#include "engine/random_source.h"
#include "platform/platform.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// "Rätsel L3-12345": how the help panel and the printed page name a fresh puzzle.
std::string puzzleTitle(PuzzleNumber number);

// Holds at most one puzzle awaiting use. The worker only computes: it writes the finished puzzle into
// a job of its own and marks it done, and the window thread looks at the mark when it asks, so
// nothing is posted and the window thread never waits for a worker.
class PuzzleSupply {
public:
    explicit PuzzleSupply(platform::Platform& platform) : platform_(platform) {}
    PuzzleSupply(const PuzzleSupply&) = delete;
    PuzzleSupply& operator=(const PuzzleSupply&) = delete;

    // Has a puzzle of level 0..3 made ahead: draws its number from rnd (one draw) and starts a worker
    // on it. Does nothing, drawing nothing, while the puzzle awaiting use is of that level already. A
    // puzzle of another level is dropped; its worker finishes in the background.
    void prepare(int level, RandomSource& rnd);

    // The puzzle awaiting use when it is of level and finished, and from now on no longer awaiting;
    // nullopt at once when there is none of that level or it is still being made (it stays awaited),
    // or when its number gave none (it is dropped, so the next prepare draws anew).
    std::optional<FreshPuzzle> take(int level);

    // The number of the puzzle awaiting use, finished or not.
    std::optional<PuzzleNumber> awaiting() const;
    // Whether the puzzle awaiting use is finished, so take would answer at once with it.
    bool ready() const;

private:
    struct Job;

    platform::Platform& platform_;
    std::shared_ptr<Job> next_; // the puzzle awaiting use
    // Kept until they finish: ending one waits for it, and each stops after kFreshPuzzleAttempts full fields.
    std::vector<std::unique_ptr<platform::WorkerThread>> workers_;
};

} // namespace quintaro
