#include "core/numbers.h"

#include "core/failure.h"

#include <locale.h>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace core {
namespace {

// The locale and the marks every reading and writing of a number needs, asked of it
// once: QLocale builds a new string at each call.
struct Regional {
    QLocale locale;
    QString separator, minus;
    void marks() {
        separator = locale.decimalPoint();
        minus = locale.negativeSign();
    }
};

Regional& regional() {
    static Regional current = [] {
        Regional r{localeFromEnvironment(), {}, {}};
        r.marks();
        return r;
    }();
    return current;
}

QLocale& currentLocale() {
    return regional().locale;
}

locale_t cLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The text of a number rewritten with ASCII digits, '.' and 'e', ready for strtod.
std::optional<std::string> normalise(QStringView text) {
    const QString& separator = regional().separator;
    const QString& minus = regional().minus;
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == u' ') ++i;
    while (end > i && text[end - 1] == u' ') --end;

    std::string ascii;
    ascii.reserve(static_cast<size_t>(end - i) + 1);
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        ascii += static_cast<char>(text[i].unicode());
        ++i;
    } else if (minus != u"-" && text.sliced(i, end - i).startsWith(minus)) {
        ascii += '-';
        i += minus.size();
    }
    int digits = 0;
    bool separatorSeen = false;
    while (i < end) {
        if (isDigit(text[i])) {
            ascii += static_cast<char>(text[i].unicode());
            ++digits;
            ++i;
        } else if (!separatorSeen && text.sliced(i, end - i).startsWith(separator)) {
            ascii += '.';
            separatorSeen = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            ascii += static_cast<char>(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            ascii += static_cast<char>(text[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;
    return ascii;
}

// Most texts are a sign, at most fifteen digits and a decimal separator of one sign:
// their digits make an exact integer, and one division by an exact power of ten rounds
// it as strtod would. Anything else is left to the general reading.
std::optional<double> plainNumber(QStringView text) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const QString& separator = regional().separator;
    if (separator.size() != 1) return std::nullopt;
    const QChar mark = separator[0];
    qsizetype i = 0;
    const qsizetype end = text.size();
    const bool negative = i < end && text[i] == u'-';
    if (negative || (i < end && text[i] == u'+')) ++i;
    quint64 mantissa = 0;
    int digits = 0, fraction = 0;
    bool marked = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (++digits > 15) return std::nullopt;
            mantissa = mantissa * 10 + quint64(c.unicode() - u'0');
            fraction += marked;
        } else if (c == mark && !marked) {
            marked = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    const double x = double(mantissa) / kPowers[fraction];
    return negative ? -x : x;
}

// A decimal number as sign, significant digits and the count of them before the point.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    long long integerDigits = 0;
};

Decimal decimalOf(const std::string& ascii) {
    Decimal d;
    size_t i = 0;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) d.negative = ascii[i++] == '-';
    long long beforePoint = 0;
    bool point = false;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        if (ascii[i] == '.') {
            point = true;
            continue;
        }
        d.digits += ascii[i];
        if (!point) ++beforePoint;
    }
    long long exponent = 0;
    if (i < ascii.size()) {
        // A zero or a value that underflowed may carry any exponent; past a billion it
        // changes nothing but would overflow the sums below.
        exponent = std::clamp(std::strtoll(ascii.c_str() + i + 1, nullptr, 10), -1'000'000'000LL,
                              1'000'000'000LL);
    }
    d.integerDigits = beforePoint + exponent;
    size_t leading = 0;
    while (leading < d.digits.size() && d.digits[leading] == '0') ++leading;
    d.digits.erase(0, leading);
    d.integerDigits -= static_cast<long long>(leading);
    if (d.digits.empty()) d.integerDigits = 0;
    return d;
}

}  // namespace

QLocale localeFromEnvironment() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::French, QLocale::France);
    return system;
}

const QLocale& regionalLocale() {
    return currentLocale();
}

void setRegionalLocale(const QLocale& locale) {
    regional().locale = locale;
    regional().marks();
}

QString decimalSeparator() {
    return regional().separator;
}

std::optional<double> readNumber(QStringView text) {
    if (const auto plain = plainNumber(text)) return plain;
    const auto ascii = normalise(text);
    if (!ascii) return std::nullopt;
    const double value = strtod_l(ascii->c_str(), nullptr, cLocale());
    if (std::isfinite(value)) return value;
    // The general form of the largest doubles rounds just past them: "1,79769313486232E+308"
    // must still read back as the number it was written from.
    const long double wide = strtold_l(ascii->c_str(), nullptr, cLocale());
    if (std::abs(wide) <= 1.79769313486232e308L) return std::copysign(DBL_MAX, value);
    return std::nullopt;
}

double numberFromText(QStringView text) {
    const auto value = readNumber(text);
    if (!value) throw Failure();
    return *value;
}

QString textOfNumber(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string scientific(buffer, result.ptr);
    const size_t e = scientific.find('e');
    const bool negative = scientific[0] == '-';
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.') digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    const QString separator = decimalSeparator();
    QString text = negative ? QStringLiteral("-") : QString();
    const auto ascii = [](const std::string& s) {
        return QString::fromLatin1(s.data(), qsizetype(s.size()));
    };
    if (exponent < -4 || exponent >= 15) {
        text += QChar::fromLatin1(digits[0]);
        if (digits.size() > 1) text += separator + ascii(digits.substr(1));
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QChar(u'0'));
    } else if (exponent >= 0) {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += ascii(digits) + QString(qsizetype(integerDigits - digits.size()), u'0');
        } else {
            text += ascii(digits.substr(0, integerDigits)) + separator +
                    ascii(digits.substr(integerDigits));
        }
    } else {
        text += QStringLiteral("0") + separator + QString(qsizetype(-exponent - 1), u'0') +
                ascii(digits);
    }
    return text;
}

QString formatThreeDecimals(QStringView numberText) {
    const auto ascii = normalise(numberText);
    if (!ascii || !readNumber(numberText)) throw Failure();
    Decimal d = decimalOf(*ascii);

    // Keep the digits up to the third decimal, rounding half away from zero on the rest.
    const long long kept = d.integerDigits + 3;
    std::string digits;
    if (kept > 0) {
        digits = d.digits.substr(
            0, static_cast<size_t>(std::min<long long>(kept, qsizetype(d.digits.size()))));
        digits.append(static_cast<size_t>(kept - static_cast<long long>(digits.size())), '0');
        const bool roundUp = static_cast<size_t>(kept) < d.digits.size() &&
                             d.digits[static_cast<size_t>(kept)] >= '5';
        if (roundUp) {
            long long i = static_cast<long long>(digits.size()) - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
                digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
            }
        }
    } else if (kept == 0 && !d.digits.empty() && d.digits[0] >= '5') {
        digits = "1";  // e.g. 0,0005 rounds up to 0,001
    }
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    const std::string integer = digits.substr(0, digits.size() - 3);
    const std::string decimals = digits.substr(digits.size() - 3);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    QString text = (d.negative && !zero) ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(integer.data(), qsizetype(integer.size()));
    text += decimalSeparator();
    text += QString::fromLatin1(decimals.data(), 3);
    return text;
}

qint16 toInt16(double value) {
    if (!std::isfinite(value)) throw Failure();
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) throw Failure();
    return static_cast<qint16>(rounded);
}

void throwFailure() {
    throw Failure();
}

}  // namespace core
