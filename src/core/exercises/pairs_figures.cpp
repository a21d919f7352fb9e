#include "core/exercises/two_variables.h"

#include "core/exercises/wording.h"
#include "core/pairs/fits.h"
#include "core/pairs/lorenz.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {
namespace {

using pairs::Change;

// The pairs the question works on: y, or z = ln y.
pairs::Pairs asSeen(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (!q.lnY) return s.pairs;
    const auto c = pairs::changedPairs(s.pairs, Change::None, Change::Log);
    return c ? *c : pairs::Pairs{};
}

pairs::Computed<pairs::Curve> curve(const ExerciseSeries& s, const ExerciseQuestion& q) {
    return pairs::fit(s.pairs, q.mayer ? pairs::Method::Mayer : pairs::Method::LeastSquares,
                      Change::None, q.lnY ? Change::Log : Change::None);
}

pairs::Computed<pairs::Lorenz> lorenzOf(const ExerciseSeries& s) {
    if (s.shape == Shape::Classes) return pairs::lorenzFromTable(analyseTable(toTable(s)));
    std::vector<pairs::Point> parts;
    for (size_t i = 0; i < s.pairs.size(); ++i) parts.push_back({s.pairs.x[i], s.pairs.y[i]});
    return pairs::lorenzFromShares(parts);
}

QString f(double x) {
    return plain(x, 4);
}

// Σ of the terms the learner writes, and its value.
QString writtenSum(const QString& name, const QStringList& terms, double value) {
    return u"Σ"_s + name + u" = "_s + sum(terms) + u' ' + equals(value, 4);
}

QString terms(const pairs::Pairs& p, bool x, bool squares, bool products) {
    QStringList t;
    for (size_t i = 0; i < p.size(); ++i) {
        const double v = x ? p.x[i] : p.y[i];
        t << (products ? f(p.x[i]) + u" × "_s + f(p.y[i]) : squares ? f(v) + u"²"_s : f(v));
    }
    return sum(t);
}

}  // namespace

std::vector<double> expectedPairsFigures(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (q.quantity == Quantity::Gini) {
        const auto l = lorenzOf(s);
        return l ? std::vector<double>{l->gini} : std::vector<double>{};
    }
    const auto r = pairs::summarize(asSeen(s, q));
    if (!r) return {};
    std::optional<double> v;
    switch (q.quantity) {
        case Quantity::MeanX:
            v = r->meanX;
            break;
        case Quantity::MeanY:
            v = r->meanY;
            break;
        case Quantity::Covariance:
            v = r->covariance;
            break;
        case Quantity::Correlation:
            v = r->r;
            break;
        default: {
            const auto c = curve(s, q);
            if (!c) return {};
            if (q.quantity == Quantity::Slope) v = c->line.a;
            if (q.quantity == Quantity::Intercept) v = c->line.b;
            if (q.quantity == Quantity::Estimation) v = q.x ? c->y(*q.x) : c->x(*q.y);
        }
    }
    return v && std::isfinite(*v) ? std::vector<double>{*v} : std::vector<double>{};
}

QString solutionPairs(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const int dec = decimalsOf(q.precision);
    const auto v = expectedPairsFigures(s, q);
    if (v.empty()) return u"Ces données ne donnent pas de valeur : l'ajustement est impossible."_s;
    const QString end = u' ' + equals(v.front(), dec) + u'.';
    if (q.quantity == Quantity::Gini) {
        const auto l = lorenzOf(s);
        QStringList points;
        for (const auto& p : l->points) points << u"("_s + f(p.x) + u" ; "_s + f(p.y) + u')';
        return u"Les points de la courbe de Lorenz (part de la population ; part cumulée) : "_s +
               sum(points).replace(u" + "_s, u", "_s) +
               u". L'aire sous la courbe se lit par trapèzes : G = 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + "
               u"yᵢ₋₁) = 1 − "_s +
               f(1 - l->gini) + end;
    }
    const pairs::Pairs p = asSeen(s, q);
    const auto r = *pairs::summarize(p);
    const double n = double(r.n);
    const QString y = q.lnY ? u"z"_s : u"y"_s;
    QString t = q.lnY ? u"On pose zᵢ = ln yᵢ : "_s +
                            terms(p, false, false, false).replace(u" + "_s, u" ; "_s) + u". "_s
                      : QString();
    t += u"n = "_s + exact(n) + u". "_s;
    const QString sx = writtenSum(u"xᵢ"_s, {terms(p, true, false, false)}, n * r.meanX);
    const QString sy = writtenSum(y + u"ᵢ"_s, {terms(p, false, false, false)}, n * r.meanY);
    const QString meanXText = u"x̄ = Σxᵢ / n "_s + equals(r.meanX, 4);
    const QString meanYText = y + u"̄ = Σ"_s + y + u"ᵢ / n "_s + equals(r.meanY, 4);
    const QString sxy = writtenSum(u"xᵢ"_s + y + u"ᵢ"_s, {terms(p, true, false, true)},
                                   n * (r.covariance + r.meanX * r.meanY));
    const QString cov = u"cov(x ; "_s + y + u") = Σxᵢ"_s + y + u"ᵢ / n − x̄ × "_s + y + u"̄ "_s +
                        equals(r.covariance, 4);
    const QString sxx =
        writtenSum(u"xᵢ²"_s, {terms(p, true, true, false)}, n * (r.varianceX + r.meanX * r.meanX));
    const QString vx = u"V(x) = Σxᵢ² / n − x̄² "_s + equals(r.varianceX, 4);
    switch (q.quantity) {
        case Quantity::MeanX:
            return t + sx + u", donc x̄ = Σxᵢ / n"_s + end;
        case Quantity::MeanY:
            return t + sy + u", donc "_s + y + u"̄ = Σ"_s + y + u"ᵢ / n"_s + end;
        case Quantity::Covariance:
            return t + sx + u", "_s + meanXText + u" ; "_s + sy + u", "_s + meanYText + u" ; "_s +
                   sxy + u". Donc cov(x ; "_s + y + u") = Σxᵢ"_s + y + u"ᵢ / n − x̄ × "_s + y +
                   u"̄"_s + end;
        case Quantity::Correlation: {
            const QString syy = writtenSum(y + u"ᵢ²"_s, {terms(p, false, true, false)},
                                           n * (r.varianceY + r.meanY * r.meanY));
            return t + meanXText + u", "_s + meanYText + u" ; "_s + sxy + u", "_s + cov + u" ; "_s +
                   sxx + u", "_s + vx + u" ; "_s + syy + u", V("_s + y + u") "_s +
                   equals(r.varianceY, 4) + u". Donc r = cov(x ; "_s + y + u") / √(V(x) × V("_s +
                   y + u"))"_s + end;
        }
        default:
            break;
    }
    const auto c = *curve(s, q);
    QString right;
    if (q.mayer) {
        const auto m = *pairs::mayer(p);
        right = u"Rangées par x croissants, les paires forment deux groupes : les "_s +
                exact(double(m.firstCount)) + u" premières et les "_s +
                exact(double(m.secondCount)) + u" dernières"_s +
                (r.n % 2 ? u" (n est impair : le premier groupe prend la paire du milieu)"_s
                         : QString()) +
                u". Leurs points moyens : G₁("_s + f(m.g1.x) + u" ; "_s + f(m.g1.y) +
                u") et G₂("_s + f(m.g2.x) + u" ; "_s + f(m.g2.y) + u"). a = ("_s + y + u"G₂ − "_s +
                y + u"G₁) / (xG₂ − xG₁) = ("_s + f(m.g2.y) + u" − "_s + f(m.g1.y) + u") / ("_s +
                f(m.g2.x) + u" − "_s + f(m.g1.x) + u") "_s + equals(m.line.a, 4) + u" ; b = "_s +
                y + u"G₁ − a × xG₁ "_s + equals(m.line.b, 4) + u'.';
    } else {
        right = sx + u", "_s + meanXText + u" ; "_s + sy + u", "_s + meanYText + u" ; "_s + sxy +
                u", "_s + cov + u" ; "_s + sxx + u", "_s + vx +
                u". Droite des moindres carrés : a = cov(x ; "_s + y + u") / V(x) "_s +
                equals(c.line.a, 4) + u" ; b = "_s + y + u"̄ − a × x̄ "_s + equals(c.line.b, 4) +
                u'.';
    }
    t += right;
    const QString equation = (q.lnY ? u"ln y"_s : u"y"_s) + u" = "_s + f(c.line.a) + u" x "_s +
                             (c.line.b < 0 ? u"− "_s : u"+ "_s) + f(std::abs(c.line.b));
    switch (q.quantity) {
        case Quantity::Slope:
            return t + u" Le coefficient directeur est a"_s + end;
        case Quantity::Intercept:
            return t + u" L'ordonnée à l'origine est b"_s + end;
        default:
            break;
    }
    t += u" La droite : "_s + equation + u". "_s;
    if (q.x)
        return t + u"Pour x = "_s + exact(*q.x) + u" : "_s +
               (q.lnY ? u"y = e^(a × x + b)"_s : u"y = a × x + b"_s) + end;
    return t + u"Pour y = "_s + exact(*q.y) + u" : "_s +
           (q.lnY ? u"x = (ln y − b) / a"_s : u"x = (y − b) / a"_s) + end;
}

}  // namespace core::exercises
