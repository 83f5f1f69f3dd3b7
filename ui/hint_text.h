// The help panel's lines for a hint and for the grade of an own puzzle: German, at most 26 characters.
#pragma once

#include <string>

#include "engine/grade.h"
#include "engine/next_step.h"

namespace quintaro {

// "7: nur hier in Zeile 3", "5: einzige Zahl im Feld", "Diese Zahl ist falsch", ...; the symbol as
// a digit or a letter.
std::string hintLine(const NextStep& step, bool digitMode);

// "Lösbar: Schwer, 6 Runden" when the deduction completes the puzzle, else "Nicht durch Logik lösbar".
std::string gradeLine(const Grade& grade);

} // namespace quintaro
