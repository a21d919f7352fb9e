// Any bytes read as a series file: either a clear error, or series that save and read
// back identically.

#include "core/numbers.h"
#include "core/series_file.h"

#include <QByteArray>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const core::SeriesReading reading = core::readSeries(bytes);
    if (!reading.value) {
        if (reading.error.why.isEmpty() || reading.error.line < 0 || reading.error.column < 0)
            std::abort();
        return 0;
    }
    if (reading.value->first.size() > core::kMostValues ||
        reading.value->second.size() > core::kMostValues)
        std::abort();
    const core::SeriesReading again = core::readSeries(core::seriesFile(*reading.value));
    if (!again.value || !(*again.value == *reading.value)) std::abort();
    return 0;
}
