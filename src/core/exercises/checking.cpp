#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/exercises/wording.h"
#include "core/numbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

QStringList choicesOf(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    QStringList c;
    switch (q.quantity) {
        case Quantity::Choice:
        case Quantity::IntervalDecision:
            return q.choices;
        case Quantity::ModalClass:
            for (const auto& k : sorted(e.series[size_t(q.series)].classes))
                c << intervalOf(e.series[size_t(q.series)], k);
            return c;
        case Quantity::Largest:
        case Quantity::Smallest:
            for (const auto& s : e.series) c << s.name;
            return c;
        default:
            return c;
    }
}

std::vector<double> expectedFigures(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (onPairs(q.quantity) || q.quantity == Quantity::Gini)
        return expectedPairsFigures(e.series[size_t(q.series)], q);
    if (onSimulation(q.quantity)) return expectedSimulationFigures(e.series[size_t(q.series)], q);
    const ExerciseSeries s = transformed(e.series[size_t(q.series)], q.multiplier, q.add);
    const double N = double(s.count());
    switch (q.quantity) {
        case Quantity::Mode:
            return modesOf(s);
        case Quantity::ValueFrequency: {
            qint64 n = 0;
            for (const auto& p : s.weighted())
                if (p.value == q.parameter) n += p.count;
            return {100 * double(n) / N};
        }
        case Quantity::CountAbove:
            return {thresholdCount(s, q.parameter, true)};
        case Quantity::CountBelow:
            return {thresholdCount(s, q.parameter, false)};
        case Quantity::PercentAbove:
            return {100 * thresholdCount(s, q.parameter, true) / N};
        case Quantity::PercentBelow:
            return {100 * thresholdCount(s, q.parameter, false) / N};
        default:
            break;
    }
    if (isChoice(q.quantity)) return {};
    const auto v = valueOf(s, q.quantity);
    return v ? std::vector<double>{*v} : std::vector<double>{};
}

QStringList rightChoicesOf(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    switch (q.quantity) {
        case Quantity::Choice:
            return {q.answer};
        case Quantity::IntervalDecision:
            return {q.choices[observedInInterval(e.series[size_t(q.series)]) ? 0 : 1]};
        case Quantity::ModalClass: {
            const ExerciseSeries& s = e.series[size_t(q.series)];
            QStringList rightOnes;
            for (int i : classParameters(s.classes).modalClasses)
                rightOnes << intervalOf(s, s.classes[size_t(i)]);
            return rightOnes;
        }
        case Quantity::Largest:
        case Quantity::Smallest: {
            const auto v = comparedFigures(e, q);
            std::optional<double> best;
            for (const auto& x : v)
                if (x && (!best || (q.quantity == Quantity::Largest ? *x > *best : *x < *best)))
                    best = x;
            QStringList rightOnes;
            for (size_t i = 0; i < v.size(); ++i)
                if (v[i] && best && *v[i] == *best) rightOnes << e.series[i].name;
            return rightOnes;
        }
        default:
            return {};
    }
}

QString expectedAnswerOf(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (isChoice(q.quantity)) return rightChoicesOf(e, question).join(u" ou "_s);
    QStringList t;
    const QString unit = q.quantity == Quantity::ValueFrequency ||
                                 q.quantity == Quantity::PercentAbove ||
                                 q.quantity == Quantity::PercentBelow
                             ? u"%"_s
                             : q.unit;
    for (double x : expectedFigures(e, question))
        t << withUnit(plain(x, decimalsOf(q.precision)), unit);
    return t.isEmpty() ? u"aucune"_s : t.join(u" ou "_s);
}

Verdict check(const Exercise& e, int question, const QString& answer) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    const QString r = answer.trimmed();
    if (r.isEmpty()) return Verdict::NoAnswer;
    if (isChoice(q.quantity))
        return rightChoicesOf(e, question).contains(r) ? Verdict::Right : Verdict::Wrong;
    // Either mark for the decimals, and blanks between the digits.
    QString digits = r;
    digits.remove(QRegularExpression(u"[\\s\u00a0\u202f]"_s));
    digits.replace(u'.', decimalSeparator()).replace(u',', decimalSeparator());
    const auto x = readNumber(digits);
    if (!x) return Verdict::Wrong;
    for (double expected : expectedFigures(e, question))
        if (std::abs(*x - expected) <= q.tolerance + 1e-9 * std::max(1.0, std::abs(expected)))
            return Verdict::Right;
    return Verdict::Wrong;
}

QString verdictText(Verdict v) {
    switch (v) {
        case Verdict::Right:
            return u"Juste"_s;
        case Verdict::Wrong:
            return u"Faux"_s;
        case Verdict::NoAnswer:
            break;
    }
    return {};
}

QString scoreText(int rightOnes, int questions) {
    return u"%1 %2 sur %3"_s.arg(rightOnes)
        .arg(rightOnes > 1 ? u"réponses justes"_s : u"réponse juste"_s)
        .arg(questions);
}

}  // namespace core
