#include "core/csv/number.h"

#include <charconv>

namespace core::csv {
namespace {

constexpr std::size_t kLongest = 120;  // no number a spreadsheet writes is longer

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

std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

std::optional<double> numberOf(std::string_view s, char decimal) {
    if (s.empty() || s.size() > kLongest) return std::nullopt;
    char buffer[kLongest + 1];
    std::size_t n = 0, i = 0;
    if (s[0] == '-' || s[0] == '+') {
        if (s[0] == '-') buffer[n++] = '-';
        ++i;
    }
    // The whole part: a first run of digits, then groups of exactly three.
    std::size_t run = 0;
    while (i < s.size() && isDigit(s[i])) buffer[n++] = s[i++], ++run;
    std::size_t digits = run;
    if (run >= 1 && run <= 3) {
        while (i < s.size()) {
            const std::size_t blank = s[i] == '.' && decimal == ',' ? 1 : groupBlank(s, i);
            if (blank == 0 || i + blank + 3 > s.size()) break;
            const std::size_t g = i + blank;
            if (!isDigit(s[g]) || !isDigit(s[g + 1]) || !isDigit(s[g + 2])) break;
            if (g + 3 < s.size() && isDigit(s[g + 3])) break;
            for (std::size_t k = 0; k < 3; ++k) buffer[n++] = s[g + k];
            digits += 3;
            i = g + 3;
        }
    }
    if (i < s.size() && s[i] == decimal) {
        buffer[n++] = '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) buffer[n++] = s[i++], ++digits;
    }
    if (digits == 0) return std::nullopt;
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

bool isNumber(std::string_view cell) {
    const std::string_view t = trimmed(cell);
    return numberOf(t, ',') || numberOf(t, '.');
}

}  // namespace core::csv
