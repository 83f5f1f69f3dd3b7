// The whole-field rule check and the upkeep of the two copies of each shared box.
#include "engine/rules.h"

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

// Applies f to each pair of master and second copy of every shared cell, boxes in their fixed order.
template <class F>
void forEachSharedPair(F&& f) {
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                f(box.masterColumn + dc, box.masterRow + dr, box.masterGrid, box.secondColumn + dc,
                  box.secondRow + dr, box.secondGrid);
            }
        }
    }
}

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

void syncSharedBoxes(Board& b) {
    forEachSharedPair([&](int mc, int mr, int mg, int sc, int sr, int sg) {
        cellAt(b.board, sc, sr, sg) = cellAt(b.board, mc, mr, mg);
        cellAt(b.givens, sc, sr, sg) = cellAt(b.givens, mc, mr, mg);
    });
}

void syncSharedCandidates(Board& b) {
    forEachSharedPair([&](int mc, int mr, int mg, int sc, int sr, int sg) {
        for (int s = 1; s <= 9; ++s) {
            b.candidates[candidateIndex(sc, sr, s, sg)] = b.candidates[candidateIndex(mc, mr, s, mg)];
        }
    });
}

void clearSharedCopies(Board& b) {
    forEachSharedPair([&](int, int, int, int sc, int sr, int sg) {
        cellAt(b.board, sc, sr, sg) = 0;
        cellAt(b.givens, sc, sr, sg) = 0;
    });
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

} // namespace quintaro
