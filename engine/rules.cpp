// The whole-field rule check and the upkeep of the two copies of each shared box.
#include "engine/rules.h"

#include <utility>

namespace quintaro {

namespace {

bool tallyHasRepeat(const std::array<std::uint8_t, 10>& tally) {
    for (int s = 1; s <= 9; ++s) {
        if (tally[s] > 1) return true;
    }
    return false;
}

// An entry above 9 is no symbol at all: it counts as a conflict, so a damaged field never indexes
// past the tally.
bool addToTally(std::array<std::uint8_t, 10>& tally, std::uint8_t v) {
    if (v > 9) return false;
    ++tally[v];
    return true;
}

// Layer indices of the master and second copy of every shared cell, boxes in their fixed order, and
// where their candidate flags start (symbol s adds 4s).
struct CopyPair {
    int master, second;
    int masterFlags, secondFlags;
};

constexpr std::array<CopyPair, 36> makeCopyPairs() {
    std::array<CopyPair, 36> pairs{};
    int n = 0;
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                const int mc = box.masterColumn + dc, mr = box.masterRow + dr;
                const int sc = box.secondColumn + dc, sr = box.secondRow + dr;
                pairs[n++] = {cellIndex(mc, mr, box.masterGrid), cellIndex(sc, sr, box.secondGrid),
                              candidateIndex(mc, mr, 0, box.masterGrid), candidateIndex(sc, sr, 0, box.secondGrid)};
            }
        }
    }
    return pairs;
}
constexpr std::array<CopyPair, 36> kCopyPairs = makeCopyPairs();

} // namespace

bool checkBox(Board& b, int g, int c0, int r0) {
    b.ruleTally.fill(0);
    for (int c = c0; c <= c0 + 2; ++c) {
        for (int r = r0; r <= r0 + 2; ++r) {
            if (!addToTally(b.ruleTally, cellAt(b.board, c, r, g))) return false;
        }
    }
    return !tallyHasRepeat(b.ruleTally);
}

bool checkRules(Board& b) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            b.ruleTally.fill(0);
            for (int r = 1; r <= 9; ++r) {
                if (!addToTally(b.ruleTally, cellAt(b.board, c, r, g))) return false;
            }
            if (tallyHasRepeat(b.ruleTally)) return false;
        }
    }
    for (int g = 0; g < kGridCount; ++g) {
        for (int r = 1; r <= 9; ++r) {
            b.ruleTally.fill(0);
            for (int c = 1; c <= 9; ++c) {
                if (!addToTally(b.ruleTally, cellAt(b.board, c, r, g))) return false;
            }
            if (tallyHasRepeat(b.ruleTally)) return false;
        }
    }
    for (int g = 0; g < kGridCount; ++g) {
        for (int c0 = 1; c0 <= 7; c0 += 3) {
            for (int r0 = 1; r0 <= 7; r0 += 3) {
                if (!checkBox(b, g, c0, r0)) return false;
            }
        }
    }
    return true;
}

// The solvers sync after every placement, so the 36 copies are unrolled with constant indices.
template <std::size_t... I>
void copyMasters(CellLayer& layer, std::index_sequence<I...>) {
    ((layer[kCopyPairs[I].second] = layer[kCopyPairs[I].master]), ...);
}

void syncSharedBoxes(Board& b) {
    copyMasters(b.board, std::make_index_sequence<kCopyPairs.size()>{});
    copyMasters(b.givens, std::make_index_sequence<kCopyPairs.size()>{});
}

void syncSharedCandidates(Board& b) {
    for (const CopyPair& p : kCopyPairs) {
        for (int s = 1; s <= 9; ++s) b.candidates[p.secondFlags + 4 * s] = b.candidates[p.masterFlags + 4 * s];
    }
}

void clearSharedCopies(Board& b) {
    for (const CopyPair& p : kCopyPairs) {
        b.board[p.second] = 0;
        b.givens[p.second] = 0;
    }
}

bool sharedTwin(int c, int r, int g, int& tc, int& tr, int& tg) {
    for (const SharedBox& box : kSharedBoxes) {
        if (g == box.masterGrid && c >= box.masterColumn && c < box.masterColumn + 3 && r >= box.masterRow &&
            r < box.masterRow + 3) {
            tc = c - box.masterColumn + box.secondColumn;
            tr = r - box.masterRow + box.secondRow;
            tg = box.secondGrid;
            return true;
        }
        if (g == box.secondGrid && c >= box.secondColumn && c < box.secondColumn + 3 && r >= box.secondRow &&
            r < box.secondRow + 3) {
            tc = c - box.secondColumn + box.masterColumn;
            tr = r - box.secondRow + box.masterRow;
            tg = box.masterGrid;
            return true;
        }
    }
    return false;
}

void setCellAndTwin(CellLayer& layer, int c, int r, int g, std::uint8_t v) {
    cellAt(layer, c, r, g) = v;
    int tc = 0, tr = 0, tg = 0;
    if (sharedTwin(c, r, g, tc, tr, tg)) cellAt(layer, tc, tr, tg) = v;
}

} // namespace quintaro
