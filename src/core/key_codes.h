#pragma once

// Key codes as the routines know them: keypad digits 96 to 105, the comma key 188, the
// key left of W on European keyboards 226, and so on.
namespace core::key {

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
inline constexpr int Slash = 191;
inline constexpr int LessGreater = 226;

}  // namespace core::key
