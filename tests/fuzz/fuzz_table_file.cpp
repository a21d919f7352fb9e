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
    const core::TableAnalysis analyse = core::analyser(*reading.value);
    if (analyse.lignes.size() != reading.value->lignes.size()) std::abort();
    if (analyse.total < 0 || analyse.total > core::kPlusGrandEffectifTotal) std::abort();
    if (core::parametresDuTableau(analyse).empty()) std::abort();
    core::texteDuSeuil(analyse, 0);
    for (size_t i = 0; i < analyse.lignes.size(); ++i) core::textesCalcules(analyse, int(i));
    bool trop = false;
    core::versLaListe(analyse, trop);
    const core::TableReading again = core::readTable(core::tableFile(*reading.value));
    if (!again.value) std::abort();
    return 0;
}
