// Fresh puzzles made ahead on a worker thread, so that a new game finds its puzzle ready.
#include "app/puzzle_supply.h"

#include <algorithm>
#include <atomic>

namespace quintaro {

// One puzzle being made. The worker writes made, then sets done; the window thread reads made only
// after it has seen done.
struct PuzzleSupply::Job {
    explicit Job(PuzzleNumber n) : number(n) {}
    const PuzzleNumber number;
    std::optional<FreshPuzzle> made;
    std::atomic<bool> done{false};
};

std::string puzzleTitle(PuzzleNumber number) { return "Rätsel " + formatPuzzleNumber(number); }

void PuzzleSupply::prepare(int level, RandomSource& rnd) {
    if (next_ && next_->number.level == level) return;
    std::erase_if(workers_, [](const auto& worker) { return worker->finished(); });
    auto job = std::make_shared<Job>(drawPuzzleNumber(level, rnd));
    next_ = job;
    workers_.push_back(platform_.startThread([job] {
        job->made = makeFreshPuzzle(job->number);
        job->done.store(true, std::memory_order_release);
    }));
}

std::optional<FreshPuzzle> PuzzleSupply::take(int level) {
    if (!next_ || next_->number.level != level || !next_->done.load(std::memory_order_acquire)) return std::nullopt;
    std::optional<FreshPuzzle> made = std::move(next_->made);
    next_.reset();
    return made;
}

std::optional<PuzzleNumber> PuzzleSupply::awaiting() const {
    if (!next_) return std::nullopt;
    return next_->number;
}

bool PuzzleSupply::ready() const { return next_ && next_->done.load(std::memory_order_acquire); }

} // namespace quintaro
