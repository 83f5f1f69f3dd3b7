// The status panel: the status check, its message and the error line.
#pragma once

#include "ui/display.h"
#include "ui/panel_context.h"

namespace quintaro {

// The panel frame, then updateStatus.
void drawStatusPanel(Display& display, PanelContext& panels);

// Judges the board and writes the message into the panel (unless silentSolve): "Nicht lösbar!!!" in
// red after a failed hidden solve; otherwise "Falsche Zahl! " in red when a player's symbol contradicts
// the solution or the rule check fails (the latter alone also calls listener.ruleBroken()), else
// "Keine Fehler! " in black, or "Brett gelöst!!! " in black when b.symbolCounts shows a full field that
// passes the rule check, which also calls listener.boardSolved(). Then the error line "Fehler:n/3".
// Writes state.statusText, wrongEntry and allSymbolsComplete; reads b.symbolCounts as they stand.
void updateStatus(Display& display, PanelContext& panels);

} // namespace quintaro
