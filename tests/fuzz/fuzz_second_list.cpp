// Any text read as the second list: from 0 to 51 values, each the number its own line
// holds, and the cells past the count as they were.

#include "core/numbers.h"
#include "core/second_list_text.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    second_list::Values values;
    for (int i = 0; i < second_list::kCapacity; ++i) values(i) = -12345.5;
    const second_list::TextReading reading = second_list::read(text, values);
    const int n = reading.count;
    if (n < 0 || n > second_list::kCapacity) std::abort();
    for (int i = 0; i < n; ++i) {
        const QString line = i == 0 ? reading.lines[0] : reading.lines[i].mid(1);
        const auto value = core::readNumber(line);
        if (!value || *value != values(i)) std::abort();
    }
    // Past the count, only the line just after the last one read may have been written.
    for (int i = n + 2; i < second_list::kCapacity; ++i)
        if (values(i) != -12345.5) std::abort();
    return 0;
}
