#include "core/csv/number.h"

#include <charconv>
#include <cstdint>

namespace core::csv {
namespace {

constexpr std::size_t kLongest = 120;  // no number a spreadsheet writes is longer
// Fifteen digits at most and a power of ten a double holds exactly: one division,
// correctly rounded, gives what from_chars would.
constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the blank that groups digits at `at`: a space, a no-break space or a
// narrow no-break space; 0 for anything else.
std::size_t groupBlank(std::string_view s, std::size_t at) {
    if (s[at] == ' ') return 1;
    if (s.substr(at, 2) == "\xC2\xA0") return 2;
    if (s.substr(at, 3) == "\xE2\x80\xAF") return 3;
    return 0;
}

}  // namespace

namespace {

// The length of a blank starting at `at`: ASCII white space, or one of the Unicode
// blanks (no-break, narrow, ideographic and typographic spaces, line and paragraph
// separators) that a spreadsheet may leave around a cell; 0 for anything else.
std::size_t blankLength(std::string_view s, std::size_t at) {
    const auto c = static_cast<unsigned char>(s[at]);
    if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
    if (c < 0xC2 || at + 1 >= s.size()) return 0;
    const auto c1 = static_cast<unsigned char>(s[at + 1]);
    if (c == 0xC2) return c1 == 0x85 || c1 == 0xA0 ? 2 : 0;
    if (at + 2 >= s.size()) return 0;
    const auto c2 = static_cast<unsigned char>(s[at + 2]);
    if (c == 0xE1) return c1 == 0x9A && c2 == 0x80 ? 3 : 0;  // U+1680
    if (c == 0xE2 && c1 == 0x80)                             // U+2000..U+200A, 2028, 2029, 202F
        return c2 <= 0x8A || c2 == 0xA8 || c2 == 0xA9 || c2 == 0xAF ? 3 : 0;
    if (c == 0xE2) return c1 == 0x81 && c2 == 0x9F ? 3 : 0;  // U+205F
    if (c == 0xE3) return c1 == 0x80 && c2 == 0x80 ? 3 : 0;  // U+3000
    return 0;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    // Most cells start and end with a printable ASCII sign: nothing to take off.
    const auto plain = [](char c) { return c > ' ' && static_cast<unsigned char>(c) < 0x80; };
    if (text.empty() || (plain(text.front()) && plain(text.back()))) return text;
    std::size_t begin = 0, end = text.size();
    while (begin < end) {
        const std::size_t n = blankLength(text, begin);
        if (n == 0) break;
        begin += n;
    }
    // From the end: a blank is one to three bytes ending just before `end`.
    for (;;) {
        std::size_t n = 0;
        for (std::size_t length = 1; length <= 3 && n == 0 && end >= begin + length; ++length)
            if (blankLength(text.substr(0, end), end - length) == length) n = length;
        if (n == 0) break;
        end -= n;
    }
    return text.substr(begin, end - begin);
}

// Any number, through a buffer of plain digits and from_chars.
std::optional<double> anyNumber(std::string_view s, char decimal, NumberShape* shape) {
    char buffer[kLongest + 1];
    std::size_t n = 0, i = 0;
    bool negative = false;
    if (s[0] == '-' || s[0] == '+') {
        negative = s[0] == '-';
        if (negative) buffer[n++] = '-';
        ++i;
    }
    // The digits as an integer as long as it is exact, for the common case below.
    std::uint64_t mantissa = 0;
    // The whole part: a first run of digits, then groups of exactly three.
    std::size_t run = 0;
    while (i < s.size() && isDigit(s[i])) {
        mantissa = mantissa * 10 + std::uint64_t(s[i] - '0');
        buffer[n++] = s[i++], ++run;
    }
    std::size_t digits = run;
    bool grouped = false;
    // No group follows a leading zero: "0.125" is a decimal, whatever the column.
    if (run >= 1 && run <= 3 && s[i - run] != '0') {
        while (i < s.size()) {
            const std::size_t blank = s[i] == '.' && decimal == ',' ? 1 : groupBlank(s, i);
            if (blank == 0 || i + blank + 3 > s.size()) break;
            const std::size_t g = i + blank;
            if (!isDigit(s[g]) || !isDigit(s[g + 1]) || !isDigit(s[g + 2])) break;
            if (g + 3 < s.size() && isDigit(s[g + 3])) break;
            for (std::size_t k = 0; k < 3; ++k) {
                mantissa = mantissa * 10 + std::uint64_t(s[g + k] - '0');
                buffer[n++] = s[g + k];
            }
            digits += 3;
            i = g + 3;
            grouped = true;
        }
    }
    std::size_t fraction = 0;
    bool mark = false;
    if (i < s.size() && s[i] == decimal) {
        buffer[n++] = '.';
        ++i;
        mark = true;
        while (i < s.size() && isDigit(s[i])) {
            mantissa = mantissa * 10 + std::uint64_t(s[i] - '0');
            buffer[n++] = s[i++], ++fraction;
        }
        digits += fraction;
    }
    if (digits == 0) return std::nullopt;
    if (shape) shape->mayGroup = mark && !grouped && run >= 1 && run <= 3 && fraction == 3;
    if (i == s.size() && digits <= 15) {
        const double x = double(mantissa) / kPowers[fraction];
        return negative ? -x : x;
    }
    if (shape && i < s.size()) shape->mayGroup = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        buffer[n++] = 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) buffer[n++] = s[i++];
        std::size_t exponent = 0;
        while (i < s.size() && isDigit(s[i])) buffer[n++] = s[i++], ++exponent;
        if (exponent == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + n, value);
    if (error != std::errc() || end != buffer + n) return std::nullopt;
    return value;
}

std::optional<double> numberOf(std::string_view s, char decimal, NumberShape* shape) {
    if (s.empty() || s.size() > kLongest) return std::nullopt;
    // Most cells are a few digits with a decimal mark: read them in one go.
    std::size_t i = 0;
    const bool negative = s[0] == '-';
    if (negative || s[0] == '+') ++i;
    std::uint64_t mantissa = 0;
    std::size_t whole = 0, fraction = 0;
    while (i < s.size() && isDigit(s[i]))
        mantissa = mantissa * 10 + std::uint64_t(s[i++] - '0'), ++whole;
    const bool mark = i < s.size() && s[i] == decimal;
    if (mark)
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++fraction)
            mantissa = mantissa * 10 + std::uint64_t(s[i] - '0');
    if (i != s.size() || whole + fraction == 0 || whole + fraction > 15)
        return anyNumber(s, decimal, shape);
    if (shape)
        shape->mayGroup =
            mark && whole >= 1 && whole <= 3 && fraction == 3 && s[i - 4 - whole] != '0';
    const double x = double(mantissa) / kPowers[fraction];
    return negative ? -x : x;
}

bool isNumber(std::string_view cell) {
    const std::string_view t = trimmed(cell);
    return numberOf(t, ',') || numberOf(t, '.');
}

}  // namespace core::csv
