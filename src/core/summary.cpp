#include "core/summary.h"

#include "core/numbers.h"
#include "core/resume_next.h"

namespace core {

SeriesSummary seriesSummary(const QStringList& items) {
    ResumeNext resume;
    SeriesSummary b;
    double value = 0;  // keeps the last item that converted
    double sum = 0;
    const qsizetype n = items.size();

    b.largest = Variant(n > 0 ? items[0] : QString());
    b.smallest = b.largest;
    b.mean = Variant(qint16(0));
    for (const QString& item : items) {
        resume([&] { value = numberFromText(item); });
        // A first item that is not a number fails the comparison, and a failed test
        // counts as passed: any value replaces it.
        if (resume.test([&] { return value > b.largest; })) b.largest = Variant(value);
        if (resume.test([&] { return value < b.smallest; })) b.smallest = Variant(value);
        resume([&] { sum = checked(sum + value); });
    }
    if (n > 0) b.mean = Variant(sum / double(n));
    resume([&] { b.count = Variant(toInt16(double(n))); });

    b.lines << QStringLiteral("Valeur max= ") + b.largest.toText()
            << QStringLiteral("Valeur min= ") + b.smallest.toText();
    resume([&] { b.lines << QStringLiteral("Moyenne: ") + formatThreeDecimals(b.mean.toText()); });
    b.lines << QStringLiteral("Effectif total=") + b.count.toText();
    return b;
}

}  // namespace core
