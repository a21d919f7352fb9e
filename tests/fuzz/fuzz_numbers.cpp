// Any text through the regional number reading, the general form and "0.000", in a
// French and a point-decimal locale: nothing crashes, and a number's general form
// reads back to the same number to 15 significant digits.

#include "core/failure.h"
#include "core/numbers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// The general form of a number reads back to it, to 15 significant digits.
void roundTrip(double value) {
    const QString text = core::textOfNumber(value);
    const auto back = core::readNumber(text);
    check(back.has_value());
    check(*back == value || std::abs(*back - value) <= std::abs(value) * 1e-14);
    const QString formatted = core::formatThreeDecimals(text);
    const qsizetype separator = formatted.lastIndexOf(core::decimalSeparator());
    check(separator > 0 && formatted.size() - separator - core::decimalSeparator().size() == 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (const auto value = core::readNumber(text)) {
        check(std::isfinite(*value));
        roundTrip(*value);
    }
    try {
        (void)core::formatThreeDecimals(text);
    } catch (const core::Failure&) {
    }
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        if (std::isfinite(raw)) roundTrip(raw);
    }
    return 0;
}
