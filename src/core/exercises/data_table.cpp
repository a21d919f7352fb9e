#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/wording.h"
#include "core/numbers.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

DataTable dataTable(const Exercise& e) {
    DataTable t;
    const ExerciseSeries& single = e.series.front();
    if (single.shape == Shape::Pairs) {
        t.columns << single.pairs.nameX << single.pairs.nameY;
        for (size_t i = 0; i < single.pairs.size(); ++i)
            t.lines.push_back({exact(single.pairs.x[i]), exact(single.pairs.y[i])});
        return t;
    }
    if (single.shape == Shape::Simulation) {
        t.columns << u"Paramètre"_s << u"Valeur"_s;
        t.lines = {single.population.empty()
                       ? QStringList{u"Proportion p"_s, exact(single.p)}
                       : QStringList{u"Population"_s, valuesText(single.population)},
                   {u"Taille des échantillons n"_s, exact(double(single.n))},
                   {u"Nombre d'échantillons N"_s, exact(double(single.samples))},
                   {u"Simulation n°"_s, QString::number(single.draw)}};
        if (single.observedFrequency)
            t.lines.push_back({u"Fréquence observée"_s, exact(*single.observedFrequency)});
        return t;
    }
    const bool several = e.series.size() > 1;
    if (several) t.columns << u"Série"_s;
    const ExerciseSeries& first = e.series.front();
    const bool sameShape =
        std::all_of(e.series.begin(), e.series.end(),
                    [&](const ExerciseSeries& s) { return s.shape == first.shape; });
    if (sameShape && first.shape == Shape::Classes)
        t.columns << u"Classe"_s << u"Effectif"_s;
    else if (sameShape && first.shape == Shape::Values)
        t.columns << u"Valeur"_s << u"Effectif"_s;
    else
        t.columns << u"Valeurs"_s;
    for (const ExerciseSeries& s : e.series) {
        const QStringList head = several ? QStringList{s.name} : QStringList{};
        if (!sameShape || s.shape == Shape::Raw) {
            QStringList values;
            if (s.shape == Shape::Raw) {
                values << valuesText(s.rawValues);
            } else {
                for (const auto& p : s.weighted())
                    values << exact(p.value) + u" (× "_s + exact(double(p.count)) + u')';
                for (const auto& k : s.classes)
                    values << intervalOf(s, k) + u" : "_s + exact(double(k.count));
            }
            t.lines.push_back(head + QStringList{values.join(u" ; "_s)});
            continue;
        }
        for (const auto& p : s.values)
            t.lines.push_back(head + QStringList{exact(p.value), exact(double(p.count))});
        for (const auto& k : s.classes)
            t.lines.push_back(head + QStringList{intervalOf(s, k), exact(double(k.count))});
    }
    return t;
}

FrequencyTable toTable(const ExerciseSeries& s) {
    FrequencyTable t;
    t.nature = s.shape == Shape::Classes ? FrequencyTable::Nature::Classes
                                         : FrequencyTable::Nature::Values;
    t.closedRight = s.closedRight;
    for (const auto& p : s.weighted())
        t.lines.push_back({.value = textOfNumber(p.value), .count = QString::number(p.count)});
    for (const auto& k : s.classes)
        t.lines.push_back({.lower = textOfNumber(k.lower),
                           .upper = textOfNumber(k.upper),
                           .count = QString::number(k.count)});
    return t;
}

}  // namespace core
