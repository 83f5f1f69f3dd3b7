// The status panel: the message of the board's verdict and the error line.
#pragma once

#include "engine/board_verdict.h"
#include "ui/display.h"

#include <string>

namespace quintaro {

// The message the panel shows for status, with its blanks: "Nicht lösbar!!!", "Brett gelöst!!! ",
// "Falsche Zahl! " (a wrong entry or a broken rule) or "Keine Fehler! ".
std::string statusMessage(BoardStatus status);

// The panel frame, then drawStatus.
void drawStatusPanel(Display& display, BoardStatus status, int errorCount);

// Writes the message of status into the panel, in black when the board is solved or free of errors,
// else in red; then the error line "Fehler:n/3".
void drawStatus(Display& display, BoardStatus status, int errorCount);

} // namespace quintaro
