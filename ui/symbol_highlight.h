// One symbol highlighted: the tint of the cells that hold it, the frame of its candidate marks, its box
// in the statistics panel, and where that panel takes the clicks that choose it.
#pragma once

#include "ui/display.h"

#include <optional>

namespace quintaro {

// A light yellow under the symbol: dark blue, red and black all stay easy to read on it.
constexpr platform::Rgb kHighlightTint{255, 236, 140};
// The outline round a highlighted candidate mark, darker than the tint so that the small mark stands out.
constexpr platform::Rgb kHighlightFrame{224, 128, 0};

// What a click at (x, y) in the statistics panel's writing area chooses: the symbol 1..9 of the column
// (its symbol or its count), 0 on the row labels; nothing elsewhere.
std::optional<int> statisticsColumnAt(int x, int y);

// Whether symbol s is the one highlighted (an empty cell, s = 0, never is).
inline bool isHighlighted(const ScreenState& screen, int s) { return s != 0 && s == screen.highlightSymbol; }

// The paper of a cell holding s: the tint for the highlighted symbol, else white.
platform::Rgb cellPaper(const Display& display, int s);

// The place (x, y)-(x + 9, y + 8) of a candidate mark filled with the tint inside the frame colour.
// Leaves black on white.
void frameCandidateMark(Display& display, int x, int y);

// The box of symbol s (1..9) in the statistics panel's symbol row, tinted (on) or white, with the
// symbol written again; white gives back exactly what the panel drew.
void drawStatisticsMark(Display& display, int s, bool on, bool digitMode);

} // namespace quintaro
