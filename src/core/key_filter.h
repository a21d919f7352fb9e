#pragma once

// What the key filter of the text boxes does with a released key: only keypad digits,
// the keypad decimal key, the comma key, Enter, the left and right arrows, Delete,
// Backspace and Num Lock may leave their character in the box.

#include <QString>
#include <QStringView>

namespace key_filter {

bool keyAllowed(int keyCode);

struct Action {
    bool erase = false;           // erase the character the key typed
    bool replaceDecimal = false;  // replace it by the regional decimal separator
};

// `typed`: the key put a character into the box. A key that typed nothing (Shift, Ctrl,
// Tab, ...) is left alone whatever its code.
Action actionFor(int keyCode, bool typed);

// What may stay of text brought into a box without typing it (pasted, dropped, undone):
// the characters the keys above can leave, that is digits and the regional decimal
// separator, and line breaks where the box holds one value per line.
QString allowedCharacters(QStringView text, QStringView separator, bool lines);

}  // namespace key_filter
