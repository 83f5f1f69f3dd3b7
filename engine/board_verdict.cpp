// The judgement of a board: the rule check, the entries against the solution and completeness, in one place.
#include "engine/board_verdict.h"

#include "engine/grid_cell.h"
#include "engine/rules.h"

#include <array>

namespace quintaro {

namespace {

// True when the nine cells hold a symbol twice or an entry above 9.
template <typename CellOf>
bool unitBroken(CellOf cellOf) {
    std::array<bool, 10> seen{};
    for (int i = 0; i < 9; ++i) {
        const std::uint8_t v = cellOf(i);
        if (v > 9) return true;
        if (v != 0 && seen[v]) return true;
        seen[v] = true;
    }
    return false;
}

// The board's entries and givens with each second copy of a shared box made equal to its master.
Board withMastersCopied(const CellLayer& board, const CellLayer& givens) {
    Board copy;
    copy.board = board;
    copy.givens = givens;
    syncSharedBoxes(copy);
    return copy;
}

std::optional<RuleConflict> conflictIn(const CellLayer& cells) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            if (unitBroken([&](int i) { return cellAt(cells, c, i + 1, g); }))
                return RuleConflict{g, UnitKind::Column, c};
        }
    }
    for (int g = 0; g < kGridCount; ++g) {
        for (int r = 1; r <= 9; ++r) {
            if (unitBroken([&](int i) { return cellAt(cells, i + 1, r, g); })) return RuleConflict{g, UnitKind::Row, r};
        }
    }
    for (int g = 0; g < kGridCount; ++g) {
        for (int box = 0; box < 9; ++box) {
            const int c0 = 1 + 3 * (box % 3), r0 = 1 + 3 * (box / 3);
            if (unitBroken([&](int i) { return cellAt(cells, c0 + i % 3, r0 + i / 3, g); }))
                return RuleConflict{g, UnitKind::Box, box + 1};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<RuleConflict> findRuleConflict(const CellLayer& board) {
    return conflictIn(withMastersCopied(board, CellLayer{}).board);
}

BoardVerdict judgeBoard(const Board& b) {
    BoardVerdict v;
    if (b.noSolution) {
        v.status = BoardStatus::NotSolvable;
        return v;
    }
    const Board synced = withMastersCopied(b.board, b.givens);
    v.complete = true;
    forEachCell([&](const GridCell& cell) {
        const std::uint8_t entry = cellAt(synced.board, cell.column, cell.row, cell.grid);
        if (entry == 0) v.complete = false;
        if (entry != 0 && cellAt(synced.givens, cell.column, cell.row, cell.grid) == 0 &&
            cellAt(b.solution, cell.column, cell.row, cell.grid) != entry)
            v.wrongEntry = true;
    });
    v.conflict = conflictIn(synced.board);
    if (v.complete && !v.conflict)
        v.status = BoardStatus::Solved;
    else if (v.wrongEntry)
        v.status = BoardStatus::WrongEntry;
    else if (v.conflict)
        v.status = BoardStatus::RuleBroken;
    return v;
}

} // namespace quintaro
