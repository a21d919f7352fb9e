// Any bytes read as an exercise file: either a reason with its line, or an exercise
// whose answers, verdicts, hints, solutions, new data and corrected sheet all come out
// without a crash.

#include "core/exercises/exercise.h"
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
    const core::ExerciseReading reading = core::readExercise(bytes);
    if (!reading.value) {
        // A text's fault always names its line and why.
        if (reading.error.line < 1 || reading.error.why.isEmpty()) std::abort();
        return 0;
    }
    const core::Exercise& e = *reading.value;
    if (e.series.empty() || e.questions.empty()) std::abort();
    for (const core::Exercise& x : {e, core::withNewData(e, 1 + data[0])}) {
        for (int i = 0; i < int(x.questions.size()); ++i) {
            core::expectedFigures(x, i);
            core::rightChoicesOf(x, i);
            core::expectedAnswerOf(x, i);
            core::check(x, i, QStringLiteral("12,5"));
            if (core::hintOf(x, i).isEmpty()) std::abort();
            core::solutionOf(x, i);
        }
        if (x.series.size() != e.series.size()) std::abort();
        core::correctedSheet(x, 1);
        core::toTable(x.series.front());
    }
    return 0;
}
