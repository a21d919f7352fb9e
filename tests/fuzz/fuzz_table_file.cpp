// Any bytes read as a table of counts: either a clear error, or a table whose analysis,
// parameters, threshold counts and file all come out without a crash, within bounds.

#include "core/frequency_table.h"
#include "core/numbers.h"

#include <QByteArray>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const core::TableReading reading = core::readTable(bytes);
    if (!reading.value) {
        if (reading.error.why.isEmpty() || reading.error.line < 0 || reading.error.column < 0)
            std::abort();
        return 0;
    }
    if (reading.faultyCell && (reading.error.why.isEmpty() || reading.error.line < 1)) std::abort();
    const core::TableAnalysis analysis = core::analyseTable(*reading.value);
    if (analysis.lines.size() != reading.value->lines.size()) std::abort();
    if (analysis.total < 0 || analysis.total > core::kLargestTotalCount) std::abort();
    if (core::tableParameters(analysis).empty()) std::abort();
    core::thresholdText(analysis, 0);
    for (size_t i = 0; i < analysis.lines.size(); ++i) core::computedTexts(analysis, int(i));
    bool tooMany = false;
    core::toList(analysis, tooMany);
    const core::TableReading again = core::readTable(core::tableFile(*reading.value));
    if (!again.value) std::abort();
    return 0;
}
