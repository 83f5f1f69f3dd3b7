// Grading a puzzle: whether the deduction passes complete it, and the level its pass count belongs to.
#pragma once

#include <array>

#include "engine/board.h"

namespace quintaro {

struct PassRange {
    int first, last;
};

// Passes of the hidden solve per level 0..3 (Leicht, Mittel, Schwer, Extrem). Measured with the
// engine on the shipped collections data/*.qbr: each record's hidden solve after 2,000 shuffles of
// either variant, 16,000 boards per level, took Leicht 2-4 passes (3 on most), Mittel 3-5 (4 on
// most), Schwer 4-8 (5-7 on most) and Extrem 7-15 (9-12 on most); as stored the records take 2, 4,
// 6-7 and 9-11. Each bound lies where the counts of neighbouring levels cross, so that the fewest
// of those boards would be given another level's grade. A puzzle finished in one pass is easy too.
constexpr std::array<PassRange, 4> kLevelPasses{{{1, 3}, {4, 4}, {5, 8}, {9, 15}}};

// The level whose range holds passes; -1 when none does.
int levelOfPasses(int passes);

struct Grade {
    bool complete = false; // the deduction passes fill the whole field
    int passes = 0;        // passes run, 1..15 (0 for a puzzle with damaged entries)
    int level = -1;        // 0..3 when complete, else -1
};

// The grade of a solve that ran `passes` passes and did or did not complete the field.
Grade gradeOf(bool complete, int passes);

// Grades the puzzle whose givens are `givens`: the hidden solve from the givens alone. Entries above 9
// grade as incomplete.
Grade gradePuzzle(const CellLayer& givens);

} // namespace quintaro
