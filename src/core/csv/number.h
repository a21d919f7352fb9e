#pragma once

// Numbers in the bytes of a cell as spreadsheets write them: an optional sign, digits
// grouped by threes with a blank, a no-break space or a narrow no-break space (or a
// point where the decimal mark is a comma), one decimal mark, an optional exponent.
// Parsed by std::from_chars from a small buffer: no allocation per cell.

#include <optional>
#include <string_view>

namespace core::csv {

// The text without the blanks around it: spaces, tabs, line breaks, and the Unicode
// blanks (no-break, narrow, typographic spaces, line and paragraph separators).
std::string_view trimmed(std::string_view text);

// What a number's text looked like, for a column deciding its decimal mark.
struct NumberShape {
    bool mayGroup = false;  // "1.234", "-12.345": the mark may group thousands instead
};

// The number a trimmed cell holds with `decimal` ('.' or ',') as its decimal mark, or
// none. Beyond the range of a double is no number.
std::optional<double> numberOf(std::string_view cell, char decimal, NumberShape* shape = nullptr);
// Whether a cell reads as a number with either decimal mark.
bool isNumber(std::string_view cell);

}  // namespace core::csv
