#include "core/exercises/figures.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace core {
namespace {

struct QuantityName {
    const char16_t* name;
    Quantity quantity;
};
constexpr QuantityName kQuantities[] = {
    {u"moyenne", Quantity::Mean},
    {u"mediane", Quantity::Median},
    {u"q1", Quantity::Q1},
    {u"q3", Quantity::Q3},
    {u"d1", Quantity::D1},
    {u"d9", Quantity::D9},
    {u"etendue", Quantity::Range},
    {u"ecart_interquartile", Quantity::InterquartileRange},
    {u"variance", Quantity::Variance},
    {u"ecart_type", Quantity::StandardDeviation},
    {u"mode", Quantity::Mode},
    {u"effectif_total", Quantity::TotalCount},
    {u"frequence_valeur", Quantity::ValueFrequency},
    {u"effectif_au_dessus", Quantity::CountAbove},
    {u"effectif_au_dessous", Quantity::CountBelow},
    {u"pourcentage_au_dessus", Quantity::PercentAbove},
    {u"pourcentage_au_dessous", Quantity::PercentBelow},
    {u"classe_modale", Quantity::ModalClass},
    {u"choix", Quantity::Choice},
    {u"plus_grand", Quantity::Largest},
    {u"plus_petit", Quantity::Smallest},
    {u"moyenne_x", Quantity::MeanX},
    {u"moyenne_y", Quantity::MeanY},
    {u"covariance", Quantity::Covariance},
    {u"correlation", Quantity::Correlation},
    {u"coefficient_directeur", Quantity::Slope},
    {u"ordonnee_origine", Quantity::Intercept},
    {u"estimation", Quantity::Estimation},
    {u"gini", Quantity::Gini},
    {u"ecart_type_frequences", Quantity::FrequencyStandardDeviation},
    {u"part_dans_intervalle", Quantity::ShareInInterval},
    {u"borne_inferieure", Quantity::LowerBound},
    {u"borne_superieure", Quantity::UpperBound},
    {u"decision_intervalle", Quantity::IntervalDecision},
};

}  // namespace

namespace exercises {

// What a quantity is called in a sentence.
QString nameOf(Quantity q) {
    switch (q) {
        case Quantity::Mean:
            return u"la moyenne"_s;
        case Quantity::Median:
            return u"la médiane"_s;
        case Quantity::Q1:
            return u"le premier quartile"_s;
        case Quantity::Q3:
            return u"le troisième quartile"_s;
        case Quantity::D1:
            return u"le premier décile"_s;
        case Quantity::D9:
            return u"le neuvième décile"_s;
        case Quantity::Range:
            return u"l'étendue"_s;
        case Quantity::InterquartileRange:
            return u"l'écart interquartile"_s;
        case Quantity::Variance:
            return u"la variance"_s;
        case Quantity::StandardDeviation:
            return u"l'écart type"_s;
        case Quantity::Mode:
            return u"le mode"_s;
        case Quantity::TotalCount:
            return u"l'effectif total"_s;
        default:
            return u"la réponse"_s;
    }
}

bool isChoice(Quantity q) {
    return q == Quantity::ModalClass || q == Quantity::Choice || q == Quantity::Largest ||
           q == Quantity::Smallest || q == Quantity::IntervalDecision;
}

bool asksThreshold(Quantity q) {
    return q == Quantity::CountAbove || q == Quantity::CountBelow || q == Quantity::PercentAbove ||
           q == Quantity::PercentBelow;
}

// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantity q) {
    return q <= Quantity::StandardDeviation || q == Quantity::TotalCount;
}

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
ExerciseSeries transformed(const ExerciseSeries& s, double m, double a) {
    if (m == 1 && a == 0) return s;
    ExerciseSeries t = s;
    for (double& x : t.rawValues) x = m * x + a;
    for (auto& p : t.values) p.value = m * p.value + a;
    for (auto& k : t.classes) {
        k.lower = m * k.lower + a;
        k.upper = m * k.upper + a;
    }
    return t;
}

std::vector<ValueCount> sorted(std::vector<ValueCount> v) {
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.value < q.value; });
    return v;
}

std::vector<Interval> sorted(std::vector<Interval> c) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.lower < q.lower; });
    return c;
}

// The value of rank r (from 1) in ascending order.
double valueAtRank(const std::vector<ValueCount>& ascending, qint64 r) {
    qint64 runningTotal = 0;
    for (const auto& p : ascending) {
        runningTotal += p.count;
        if (runningTotal >= r) return p.value;
    }
    return ascending.empty() ? 0 : ascending.back().value;
}

qint64 rankAbove(qint64 n, int num, int den) {
    return (n * num + den - 1) / den;
}

// "N/4", "3N/4": the level a quantile is read at.
QString levelOf(const Quantile& k) {
    return (k.num == 1 ? QString() : QString::number(k.num)) + u"N/"_s + QString::number(k.den);
}

std::optional<Quantile> quantileOf(Quantity q) {
    switch (q) {
        case Quantity::Median:
            return Quantile{1, 2, u"Me", u"la moitié"};
        case Quantity::Q1:
            return Quantile{1, 4, u"Q1", u"un quart"};
        case Quantity::Q3:
            return Quantile{3, 4, u"Q3", u"trois quarts"};
        case Quantity::D1:
            return Quantile{1, 10, u"D1", u"un dixième"};
        case Quantity::D9:
            return Quantile{9, 10, u"D9", u"neuf dixièmes"};
        default:
            return std::nullopt;
    }
}

namespace {

std::optional<double> figure(std::optional<double> x) {
    return x;
}
std::optional<double> figure(const std::optional<Estimation>& e) {
    return e ? std::optional<double>(e->value) : std::nullopt;
}

// A quantity among the parameters of values with counts, or of classes (whose quantiles
// are estimated on the cumulative polygon).
template <class Parameters>
std::optional<double> figureOf(const Parameters& p, Quantity q, qint64 total) {
    switch (q) {
        case Quantity::Mean:
            return figure(p.mean);
        case Quantity::Median:
            return figure(p.median);
        case Quantity::Q1:
            return figure(p.firstQuartile);
        case Quantity::Q3:
            return figure(p.thirdQuartile);
        case Quantity::D1:
            return figure(p.firstDecile);
        case Quantity::D9:
            return figure(p.ninthDecile);
        case Quantity::Range:
            return figure(p.range);
        case Quantity::InterquartileRange:
            return figure(p.interquartileRange);
        case Quantity::Variance:
            return figure(p.variance);
        case Quantity::StandardDeviation:
            return figure(p.standardDeviation);
        case Quantity::TotalCount:
            return double(total);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<double> valueOf(const ExerciseSeries& s, Quantity q) {
    if (s.shape == Shape::Classes) {
        const ClassParameters p = classParameters(s.classes);
        return figureOf(p, q, p.count);
    }
    return figureOf(weightedParameters(s.weighted()), q, s.count());
}

double thresholdCount(const ExerciseSeries& s, double threshold, bool above) {
    if (s.shape == Shape::Classes)
        return above ? countAbove(s.classes, threshold) : countBelow(s.classes, threshold);
    return above ? countAbove(s.weighted(), threshold) : countBelow(s.weighted(), threshold);
}

std::vector<double> modesOf(const ExerciseSeries& s) {
    return weightedParameters(s.weighted()).modes;
}

// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparedFigures(const Exercise& e, const ExerciseQuestion& q) {
    std::vector<std::optional<double>> v;
    for (const ExerciseSeries& s : e.series)
        v.push_back(valueOf(transformed(s, q.multiplier, q.add), q.comparedBy));
    return v;
}

}  // namespace exercises

qint64 ExerciseSeries::count() const {
    if (shape == Shape::Raw) return qint64(rawValues.size());
    if (shape == Shape::Pairs) return qint64(pairs.size());
    if (shape == Shape::Simulation) return samples;
    qint64 n = 0;
    for (const auto& p : values) n += p.count;
    for (const auto& k : classes) n += k.count;
    return n;
}

std::vector<ValueCount> ExerciseSeries::weighted() const {
    if (shape != Shape::Raw) return values;
    std::map<double, qint64> counts;
    for (double x : rawValues) ++counts[x];
    std::vector<ValueCount> v;
    for (const auto& [x, n] : counts) v.push_back({x, n});
    return v;
}

std::optional<Quantity> quantityNamed(QStringView name) {
    for (const auto& q : kQuantities)
        if (name == QStringView(q.name)) return q.quantity;
    return std::nullopt;
}

QString quantityName(Quantity q) {
    for (const auto& n : kQuantities)
        if (n.quantity == q) return QString::fromUtf16(n.name);
    return {};
}

}  // namespace core
