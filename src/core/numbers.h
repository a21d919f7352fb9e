#pragma once

// Numbers to and from text under the regional settings, and the rounding words the
// routines use. Everything here is pure and locale-driven, so it is tested and fuzzed
// without any window.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <cmath>
#include <optional>

namespace core {

[[noreturn]] void throwFailure();

// The locale of the environment, or French conventions where it says C or POSIX.
QLocale localeFromEnvironment();
const QLocale& regionalLocale();
void setRegionalLocale(const QLocale& locale);
QString decimalSeparator();

// A text that is a number: blanks around it, an optional sign, digits with at most one
// regional decimal separator, an optional exponent. Anything else, or a magnitude
// beyond the double range, is not a number.
std::optional<double> readNumber(QStringView text);
// Same, as a step that fails on a text that is not a number.
double numberFromText(QStringView text);

// General form: at most 15 significant digits, no grouping, no trailing zeros, the
// regional separator, exponent form below 1E-04 and from 1E+15 on.
QString textOfNumber(double value);

// The "0.000" pattern applied to the text of a number: rounded half away from zero on
// the decimal digits of that text (so "1,0005" gives 1,001). Fails on a non-number.
QString formatThreeDecimals(QStringView numberText);
inline QString formatThreeDecimals(double value) {
    return formatThreeDecimals(textOfNumber(value));
}

// Int: toward minus infinity.
inline double intFloor(double value) {
    return std::floor(value);
}
// Storing into a 16-bit integer: nearest, halves to even; fails outside -32768..32767.
qint16 toInt16(double value);
// Storing into a single-precision number: fails beyond its range.
inline float toSingle(double value) {
    if (!(std::abs(value) <= 3.4028234663852886e38)) throwFailure();
    return static_cast<float>(value);
}
// Arithmetic that leaves the double range fails, as an overflow would.
inline double checked(double value) {
    if (!std::isfinite(value)) throwFailure();
    return value;
}

}  // namespace core
