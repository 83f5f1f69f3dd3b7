// Qt key events turned into the game's virtual-key and character codes.
#pragma once

#include <QKeyEvent>

namespace quintaro::platform {

// The virtual-key code of a Qt key, 0 when the game has none for it; letters ignore Shift.
int virtualKeyFor(int qtKey);

// The character code a key press types (a CharacterCode for Escape, Enter, Backspace, Tab), -1 when it types none.
int characterFor(const QKeyEvent& event);

// The Modifier bits (Shift, Control) held with a key event.
int modifiersOf(const QKeyEvent& event);

} // namespace quintaro::platform
