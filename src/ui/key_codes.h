#pragma once

// Key codes as the routines know them (keypad digits 96 to 105, comma key 188, ...),
// computed from Qt key events so that a real keyboard under X11, whatever its layout,
// and synthesised test events give the same code.

#include <Qt>

class QKeyEvent;

namespace ui {

namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Alt = 18;
inline constexpr int CapsLock = 20;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;
inline constexpr int Digit9 = 57;
inline constexpr int A = 65;
inline constexpr int NumPad0 = 96;
inline constexpr int NumPad9 = 105;
inline constexpr int Subtract = 109;
inline constexpr int Decimal = 110;
inline constexpr int F1 = 112;
inline constexpr int NumLock = 144;
inline constexpr int Comma = 188;
inline constexpr int Minus = 189;
inline constexpr int Period = 190;
}  // namespace key

// The code of the key of a press or release event; 0 for a key that has none.
int keyCode(const QKeyEvent& event);
// 1 for Shift, 2 for Ctrl, 4 for Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace ui
