#include "core/exercises/two_variables.h"

#include "core/numbers.h"

#include <QJsonArray>

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {
namespace {

constexpr int kMostPairs = 10000;
// n × N: every answer, hint and solution runs the simulation again, on the window's thread.
constexpr qint64 kMostDraws = 2000000;

std::optional<double> finiteNumber(const QJsonValue& v) {
    if (!v.isDouble() || !std::isfinite(v.toDouble()) || std::abs(v.toDouble()) > 1e12)
        return std::nullopt;
    return v.toDouble();
}

// How many decimals a figure was written with, up to 6.
int writtenDecimals(double x) {
    int d = 0;
    while (d < 6 && std::abs(x * std::pow(10.0, d) - std::round(x * std::pow(10.0, d))) > 1e-6) ++d;
    return d;
}

}  // namespace

QString readPairs(const QJsonObject& o, ExerciseSeries& s) {
    s.pairs.nameX = o.value(u"nom_x"_s).toString(u"x"_s).left(200);
    s.pairs.nameY = o.value(u"nom_y"_s).toString(u"y"_s).left(200);
    const QJsonArray x = o.value(u"x"_s).toArray(), y = o.value(u"y"_s).toArray();
    if (x.size() < 2 || x.size() > kMostPairs || x.size() != y.size())
        return u"« x » et « y » doivent être deux listes de 2 à %1 nombres, autant dans chacune"_s
            .arg(kMostPairs);
    for (qsizetype i = 0; i < x.size(); ++i) {
        const auto a = finiteNumber(x[i]), b = finiteNumber(y[i]);
        if (!a || !b) return u"la paire n° %1 n'est pas faite de deux nombres"_s.arg(i + 1);
        s.pairs.x.push_back(*a);
        s.pairs.y.push_back(*b);
        s.decimalsY = std::max(s.decimalsY, writtenDecimals(*b));
    }
    return {};
}

QString readSimulation(const QJsonObject& o, ExerciseSeries& s) {
    for (const QJsonValue& v : o.value(u"population"_s).toArray()) {
        const auto x = finiteNumber(v);
        if (!x || s.population.size() >= size_t(kMostPairs))
            return u"« population » est une liste de 1 à %1 nombres"_s.arg(kMostPairs);
        s.population.push_back(*x);
    }
    if (!s.population.empty() && !o.value(u"frequence_observee"_s).isUndefined())
        return u"une fréquence observée se compare à p, pas à une population"_s;
    const auto p = s.population.empty() ? finiteNumber(o.value(u"p"_s)) : std::optional(0.5);
    const auto n = finiteNumber(o.value(u"n"_s)), N = finiteNumber(o.value(u"N"_s));
    if (!p || *p < 0 || *p > 1) return u"« p » doit être un nombre de 0 à 1"_s;
    if (!n || !N || *n < 1 || *N < 1 || *n != std::floor(*n) || *N != std::floor(*N) ||
        *n * *N > double(kMostDraws))
        return u"« n » et « N » doivent être des entiers positifs, n × N au plus %1"_s.arg(
            regionalLocale().toString(kMostDraws));
    s.p = *p;
    s.n = qint64(*n);
    s.samples = qint64(*N);
    const QJsonValue f = o.value(u"frequence_observee"_s);
    if (!f.isUndefined()) {
        const auto v = finiteNumber(f);
        if (!v || *v < 0 || *v > 1) return u"« frequence_observee » doit aller de 0 à 1"_s;
        s.observedFrequency = v;
    }
    return {};
}

QString readTwoVariablesQuestion(const QJsonObject& o, const ExerciseSeries& s,
                                 ExerciseQuestion& q) {
    const bool pairs = s.shape == Shape::Pairs, simulation = s.shape == Shape::Simulation;
    if (onPairs(q.quantity) && !pairs)
        return u"cette question se pose sur des paires (« forme » : « paires »)"_s;
    if (q.quantity == Quantity::Gini && !pairs && s.shape != Shape::Classes)
        return u"« gini » se demande sur des parts cumulées (paires) ou des classes"_s;
    if (onSimulation(q.quantity) && !simulation)
        return u"cette question se pose sur une simulation (« forme » : « simulation »)"_s;
    if ((pairs || simulation) && !onPairs(q.quantity) && !onSimulation(q.quantity) &&
        q.quantity != Quantity::Gini && q.quantity != Quantity::Choice)
        return u"cette quantité ne se demande pas sur ces données"_s;
    const QString method = o.value(u"methode"_s).toString(u"moindres_carres"_s);
    if (method != u"moindres_carres" && method != u"mayer")
        return u"« methode » vaut « moindres_carres » ou « mayer »"_s;
    q.mayer = method == u"mayer";
    const QString change = o.value(u"changement"_s).toString();
    if (!change.isEmpty() && change != u"ln_y")
        return u"« changement » ne peut valoir que « ln_y »"_s;
    q.lnY = !change.isEmpty();
    if (q.lnY)
        for (double y : s.pairs.y)
            if (!(y > 0)) return u"ln y demande des y tous strictement positifs"_s;
    if (q.quantity == Quantity::Estimation) {
        q.x = finiteNumber(o.value(u"x"_s));
        q.y = finiteNumber(o.value(u"y"_s));
        if (q.x.has_value() == q.y.has_value())
            return u"une estimation part d'un « x » ou d'un « y », l'un des deux"_s;
    }
    if (q.quantity == Quantity::ShareInInterval) {
        const QJsonValue k = o.value(u"k"_s);
        if (k.isUndefined()) {
            if (o.value(u"intervalle"_s).toString() != u"1/racine(n)")
                return u"« part_dans_intervalle » demande « k » (1, 2 ou 3) ou "
                       u"« intervalle » : « 1/racine(n) »"_s;
        } else if (k.toDouble() != 1 && k.toDouble() != 2 && k.toDouble() != 3) {
            return u"« k » vaut 1, 2 ou 3"_s;
        } else {
            q.k = k.toInt();
        }
    }
    const bool aroundP = q.quantity == Quantity::LowerBound || q.quantity == Quantity::UpperBound ||
                         (q.quantity == Quantity::ShareInInterval && q.k == 0);
    if (!s.population.empty() && aroundP)
        return u"[p − 1/√n ; p + 1/√n] se demande pour une proportion p, pas une population"_s;
    if (q.quantity == Quantity::IntervalDecision) {
        if (!s.observedFrequency)
            return u"la décision demande une « frequence_observee » dans les données"_s;
        q.choices = QStringList{u"La fréquence observée est dans l'intervalle"_s,
                                u"La fréquence observée n'est pas dans l'intervalle"_s};
        const QJsonArray choices = o.value(u"choix"_s).toArray();
        if (!choices.isEmpty()) {
            if (choices.size() != 2 || !choices[0].isString() || !choices[1].isString() ||
                choices[0].toString().isEmpty() || choices[0] == choices[1])
                return u"« choix » donne deux textes : « dans l'intervalle », puis « hors »"_s;
            q.choices =
                QStringList{choices[0].toString().left(200), choices[1].toString().left(200)};
        }
    }
    return {};
}

}  // namespace core::exercises
