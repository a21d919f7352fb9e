// Any bytes read as a file of individuals (text, or a sheet when they are a zip
// archive): either a clear fault, or a dataset whose every column is whole and
// consistent.

#include "core/individuals/reader.h"
#include "core/numbers.h"

#include <QByteArray>
#include <QLocale>
#include <QSet>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using core::individuals::Nature;
using core::individuals::Variable;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const auto reading = core::individuals::readIndividuals(bytes);
    if (!reading) {
        if (reading.error.why.isEmpty() || reading.error.line < 0 || reading.error.column < 0)
            std::abort();
        return 0;
    }
    const auto& dataset = *reading.value;
    QSet<QString> names;
    for (const Variable& v : dataset.variables()) {
        if (v.name.isEmpty() || names.contains(v.name)) std::abort();
        names.insert(v.name);
        std::int64_t missing = 0;
        if (v.nature == Nature::Numeric) {
            if (v.numbers.size() != dataset.rowCount() || !v.codes.empty()) std::abort();
            for (const double x : v.numbers) {
                if (std::isinf(x)) std::abort();
                missing += std::isnan(x);
            }
        } else {
            if (v.codes.size() != dataset.rowCount() || !v.numbers.empty()) std::abort();
            // Every modality is used, and numbered in order of first appearance.
            std::int32_t next = 0;
            for (const std::int32_t code : v.codes) {
                if (code == Variable::kMissing) {
                    ++missing;
                } else if (code < 0 || code > next || code >= v.labels.size()) {
                    std::abort();
                } else if (code == next) {
                    ++next;
                }
            }
            if (next != v.labels.size()) std::abort();
            for (const QString& label : v.labels)
                if (label.trimmed().isEmpty()) std::abort();
        }
        if (missing != v.missing) std::abort();
    }
    return 0;
}
