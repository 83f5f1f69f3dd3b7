// Helpers shared by the engine tests: a recording view and boards written as field text.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/board_view.h"
#include "engine/field_text.h"
#include "engine/rules.h"
#include "engine/solution.h"

namespace quintaro::test {

// Records what the engine asks of the screen; its status is "solved" when the field is full and valid.
struct RecordingView : BoardView {
    struct Shown {
        int c, r, g, s;
        bool wrong;
    };
    std::vector<Shown> shown;
    int stopTimingCalls = 0;
    int candidateDraws = 0;
    int notSolvableMessages = 0;
    int busyOn = 0, busyOff = 0;

    void showPlayerCell(const Board&, int c, int r, int g, int s, bool wrong) override {
        shown.push_back({c, r, g, s, wrong});
    }
    void stopTiming() override { ++stopTimingCalls; }
    void showCandidates(const Board&) override { ++candidateDraws; }
    bool countSymbols(Board& b) override { return isFieldFull(b) && checkRules(b); }
    void setBusy(bool on) override { ++(on ? busyOn : busyOff); }
    void showNotSolvableMessage() override { ++notSolvableMessages; }
};

inline CellLayer layerFromText(std::string_view text) {
    CellLayer layer{};
    TextError err;
    EXPECT_TRUE(parseFieldText(text, layer, err)) << err.line << ":" << err.column << " " << err.message;
    return layer;
}

// A board whose entries are all givens.
inline Board puzzleFromText(std::string_view text) {
    Board b;
    b.board = layerFromText(text);
    b.givens = b.board;
    return b;
}

// True when both copies of every shared cell hold the same symbol in layer.
inline bool sharedCopiesEqual(const CellLayer& layer) {
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                if (cellAt(layer, box.masterColumn + dc, box.masterRow + dr, box.masterGrid) !=
                    cellAt(layer, box.secondColumn + dc, box.secondRow + dr, box.secondGrid)) {
                    return false;
                }
            }
        }
    }
    return true;
}

inline int filledCells(const CellLayer& layer) {
    int n = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) n += cellAt(layer, c, r, g) != 0;
        }
    }
    return n;
}

} // namespace quintaro::test
