// What a board is for the player: rules broken and where, wrong entries, complete and solved, not solvable.
#pragma once

#include "engine/board.h"

#include <optional>

namespace quintaro {

// The kinds of units that hold each symbol once.
enum class UnitKind { Column, Row, Box };

// A unit of one grid that holds a symbol twice (or an entry above 9, which is no symbol). index is the
// column or row 1..9, or the box 1..9 counted by rows of boxes from the top left.
struct RuleConflict {
    int grid = 0;
    UnitKind kind = UnitKind::Column;
    int index = 0;
    friend bool operator==(const RuleConflict&, const RuleConflict&) = default;
};

// The status line's message, in the order the checks decide it.
enum class BoardStatus {
    NotSolvable, // the last hidden solve did not complete the field
    Solved,      // every distinct cell filled and no rule broken
    WrongEntry,  // a player's entry differs from the solution
    RuleBroken,  // no wrong entry, but some unit holds a symbol twice
    NoErrors,
};

struct BoardVerdict {
    BoardStatus status = BoardStatus::NoErrors;
    std::optional<RuleConflict> conflict; // the first broken rule: columns, then rows, then boxes, grid by grid
    bool wrongEntry = false;              // some entry that is not a given differs from the solution
    bool complete = false;                // each of the 288 distinct cells holds a symbol
    bool solved() const { return status == BoardStatus::Solved; }
};

// The first unit that breaks a rule, reading the board with each shared cell as its master copy shows
// it; none when every unit holds each symbol at most once.
std::optional<RuleConflict> findRuleConflict(const CellLayer& board);

// Judges b as it stands: the shared boxes read from their master copies, entries against b.solution,
// b.noSolution for a board the hidden solve could not complete. Not solvable hides the other findings.
BoardVerdict judgeBoard(const Board& b);

} // namespace quintaro
