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
pairs::Pairs vues(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (!q.lnY) return s.paires;
    const auto c = pairs::changedPairs(s.paires, Change::None, Change::Log);
    return c ? *c : pairs::Pairs{};
}

pairs::Computed<pairs::Curve> courbe(const ExerciseSeries& s, const ExerciseQuestion& q) {
    return pairs::fit(s.paires, q.mayer ? pairs::Method::Mayer : pairs::Method::LeastSquares,
                      Change::None, q.lnY ? Change::Log : Change::None);
}

pairs::Computed<pairs::Lorenz> lorenzDe(const ExerciseSeries& s) {
    if (s.forme == Forme::Classes) return pairs::lorenzFromTable(analyser(versTableau(s)));
    std::vector<pairs::Point> parts;
    for (size_t i = 0; i < s.paires.size(); ++i) parts.push_back({s.paires.x[i], s.paires.y[i]});
    return pairs::lorenzFromShares(parts);
}

QString f(double x) {
    return sobre(x, 4);
}

// Σ of the terms the learner writes, and its value.
QString sommeEcrite(const QString& nom, const QStringList& termes, double valeur) {
    return u"Σ"_s + nom + u" = "_s + somme(termes) + u' ' + egal(valeur, 4);
}

QString termes(const pairs::Pairs& p, bool x, bool carres, bool produits) {
    QStringList t;
    for (size_t i = 0; i < p.size(); ++i) {
        const double v = x ? p.x[i] : p.y[i];
        t << (produits ? f(p.x[i]) + u" × "_s + f(p.y[i]) : carres ? f(v) + u"²"_s : f(v));
    }
    return somme(t);
}

}  // namespace

std::vector<double> attendusPaires(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (q.quantite == Quantity::Gini) {
        const auto l = lorenzDe(s);
        return l ? std::vector<double>{l->gini} : std::vector<double>{};
    }
    const auto r = pairs::summarize(vues(s, q));
    if (!r) return {};
    std::optional<double> v;
    switch (q.quantite) {
        case Quantity::MoyenneX:
            v = r->meanX;
            break;
        case Quantity::MoyenneY:
            v = r->meanY;
            break;
        case Quantity::Covariance:
            v = r->covariance;
            break;
        case Quantity::Correlation:
            v = r->r;
            break;
        default: {
            const auto c = courbe(s, q);
            if (!c) return {};
            if (q.quantite == Quantity::CoefficientDirecteur) v = c->line.a;
            if (q.quantite == Quantity::OrdonneeOrigine) v = c->line.b;
            if (q.quantite == Quantity::Estimation) v = q.x ? c->y(*q.x) : c->x(*q.y);
        }
    }
    return v && std::isfinite(*v) ? std::vector<double>{*v} : std::vector<double>{};
}

QString solutionPaires(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const int dec = decimalesDe(q.precision);
    const auto v = attendusPaires(s, q);
    if (v.empty()) return u"Ces données ne donnent pas de valeur : l'ajustement est impossible."_s;
    const QString fin = u' ' + egal(v.front(), dec) + u'.';
    if (q.quantite == Quantity::Gini) {
        const auto l = lorenzDe(s);
        QStringList points;
        for (const auto& p : l->points) points << u"("_s + f(p.x) + u" ; "_s + f(p.y) + u')';
        return u"Les points de la courbe de Lorenz (part de la population ; part cumulée) : "_s +
               somme(points).replace(u" + "_s, u", "_s) +
               u". L'aire sous la courbe se lit par trapèzes : G = 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + "
               u"yᵢ₋₁) = 1 − "_s +
               f(1 - l->gini) + fin;
    }
    const pairs::Pairs p = vues(s, q);
    const auto r = *pairs::summarize(p);
    const double n = double(r.n);
    const QString y = q.lnY ? u"z"_s : u"y"_s;
    QString t = q.lnY ? u"On pose zᵢ = ln yᵢ : "_s +
                            termes(p, false, false, false).replace(u" + "_s, u" ; "_s) + u". "_s
                      : QString();
    t += u"n = "_s + exact(n) + u". "_s;
    const QString sx = sommeEcrite(u"xᵢ"_s, {termes(p, true, false, false)}, n * r.meanX);
    const QString sy = sommeEcrite(y + u"ᵢ"_s, {termes(p, false, false, false)}, n * r.meanY);
    const QString moyX = u"x̄ = Σxᵢ / n "_s + egal(r.meanX, 4);
    const QString moyY = y + u"̄ = Σ"_s + y + u"ᵢ / n "_s + egal(r.meanY, 4);
    const QString sxy = sommeEcrite(u"xᵢ"_s + y + u"ᵢ"_s, {termes(p, true, false, true)},
                                    n * (r.covariance + r.meanX * r.meanY));
    const QString cov = u"cov(x ; "_s + y + u") = Σxᵢ"_s + y + u"ᵢ / n − x̄ × "_s + y + u"̄ "_s +
                        egal(r.covariance, 4);
    const QString sxx = sommeEcrite(u"xᵢ²"_s, {termes(p, true, true, false)},
                                    n * (r.varianceX + r.meanX * r.meanX));
    const QString vx = u"V(x) = Σxᵢ² / n − x̄² "_s + egal(r.varianceX, 4);
    switch (q.quantite) {
        case Quantity::MoyenneX:
            return t + sx + u", donc x̄ = Σxᵢ / n"_s + fin;
        case Quantity::MoyenneY:
            return t + sy + u", donc "_s + y + u"̄ = Σ"_s + y + u"ᵢ / n"_s + fin;
        case Quantity::Covariance:
            return t + sx + u", "_s + moyX + u" ; "_s + sy + u", "_s + moyY + u" ; "_s + sxy +
                   u". Donc cov(x ; "_s + y + u") = Σxᵢ"_s + y + u"ᵢ / n − x̄ × "_s + y + u"̄"_s +
                   fin;
        case Quantity::Correlation: {
            const QString syy = sommeEcrite(y + u"ᵢ²"_s, {termes(p, false, true, false)},
                                            n * (r.varianceY + r.meanY * r.meanY));
            return t + moyX + u", "_s + moyY + u" ; "_s + sxy + u", "_s + cov + u" ; "_s + sxx +
                   u", "_s + vx + u" ; "_s + syy + u", V("_s + y + u") "_s + egal(r.varianceY, 4) +
                   u". Donc r = cov(x ; "_s + y + u") / √(V(x) × V("_s + y + u"))"_s + fin;
        }
        default:
            break;
    }
    const auto c = *courbe(s, q);
    QString droite;
    if (q.mayer) {
        const auto m = *pairs::mayer(p);
        droite = u"Rangées par x croissants, les paires forment deux groupes : les "_s +
                 exact(double(m.firstCount)) + u" premières et les "_s +
                 exact(double(m.secondCount)) + u" dernières"_s +
                 (r.n % 2 ? u" (n est impair : le premier groupe prend la paire du milieu)"_s
                          : QString()) +
                 u". Leurs points moyens : G₁("_s + f(m.g1.x) + u" ; "_s + f(m.g1.y) +
                 u") et G₂("_s + f(m.g2.x) + u" ; "_s + f(m.g2.y) + u"). a = ("_s + y + u"G₂ − "_s +
                 y + u"G₁) / (xG₂ − xG₁) = ("_s + f(m.g2.y) + u" − "_s + f(m.g1.y) + u") / ("_s +
                 f(m.g2.x) + u" − "_s + f(m.g1.x) + u") "_s + egal(m.line.a, 4) + u" ; b = "_s + y +
                 u"G₁ − a × xG₁ "_s + egal(m.line.b, 4) + u'.';
    } else {
        droite = sx + u", "_s + moyX + u" ; "_s + sy + u", "_s + moyY + u" ; "_s + sxy + u", "_s +
                 cov + u" ; "_s + sxx + u", "_s + vx +
                 u". Droite des moindres carrés : a = cov(x ; "_s + y + u") / V(x) "_s +
                 egal(c.line.a, 4) + u" ; b = "_s + y + u"̄ − a × x̄ "_s + egal(c.line.b, 4) + u'.';
    }
    t += droite;
    const QString equation = (q.lnY ? u"ln y"_s : u"y"_s) + u" = "_s + f(c.line.a) + u" x "_s +
                             (c.line.b < 0 ? u"− "_s : u"+ "_s) + f(std::abs(c.line.b));
    switch (q.quantite) {
        case Quantity::CoefficientDirecteur:
            return t + u" Le coefficient directeur est a"_s + fin;
        case Quantity::OrdonneeOrigine:
            return t + u" L'ordonnée à l'origine est b"_s + fin;
        default:
            break;
    }
    t += u" La droite : "_s + equation + u". "_s;
    if (q.x)
        return t + u"Pour x = "_s + exact(*q.x) + u" : "_s +
               (q.lnY ? u"y = e^(a × x + b)"_s : u"y = a × x + b"_s) + fin;
    return t + u"Pour y = "_s + exact(*q.y) + u" : "_s +
           (q.lnY ? u"x = (ln y − b) / a"_s : u"x = (y − b) / a"_s) + fin;
}

}  // namespace core::exercises
