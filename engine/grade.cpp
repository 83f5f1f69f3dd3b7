// Grading a puzzle by the passes its hidden solve needs.
#include "engine/grade.h"

#include <algorithm>

#include "engine/solution.h"

namespace quintaro {

int levelOfPasses(int passes) {
    for (std::size_t level = 0; level < kLevelPasses.size(); ++level) {
        if (passes >= kLevelPasses[level].first && passes <= kLevelPasses[level].last) return int(level);
    }
    return -1;
}

Grade gradeOf(bool complete, int passes) { return {complete, passes, complete ? levelOfPasses(passes) : -1}; }

Grade gradePuzzle(const CellLayer& givens) {
    if (std::any_of(givens.begin(), givens.end(), [](std::uint8_t s) { return s > 9; })) return {};
    Board b;
    b.board = givens;
    b.givens = givens;
    const int passes = computeSolution(b);
    return gradeOf(!b.noSolution, passes);
}

} // namespace quintaro
