#pragma once

// Key codes (core/key_codes.h) from Qt key events. Under X11 a key's code comes from
// the key itself, whatever the layout and Shift make it type: on a French keyboard
// Shift+"," is still the comma key and the separate "<" key is not. Synthesised test
// events, which carry no physical key, are told by the toolkit's key alone.

#include "core/key_codes.h"

#include <Qt>

class QKeyEvent;

namespace ui {

// The code of the key of a press or release event; 0 for a key that has none.
int keyCode(const QKeyEvent& event);
// 1 for Shift, 2 for Ctrl, 4 for Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);
// The code of a key by the Latin-1 symbol it types without Shift; 0 where that symbol
// tells nothing (non-Latin symbols, keys that type nothing).
int codeOfUnshiftedSymbol(quint32 keysym);

}  // namespace ui
