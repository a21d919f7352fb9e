#pragma once

// What the key filter of the text boxes does with a released key: only keypad digits,
// the keypad decimal key, the comma key, Enter, the left and right arrows, Delete,
// Backspace and Num Lock may leave their character in the box.
namespace key_filter {

bool toucheAutorisee(int keyCode);

struct Action {
    bool effacer = false;            // erase the character the key typed
    bool remplacerDecimale = false;  // replace it by the regional decimal separator
};

// `typed`: the key put a character into the box. A key that typed nothing (Shift, Ctrl,
// Tab, ...) is left alone whatever its code.
Action actionPour(int keyCode, bool typed);

}  // namespace key_filter
