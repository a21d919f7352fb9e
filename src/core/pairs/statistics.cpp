#include "core/pairs/statistics.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::pairs {

std::optional<Line> lineThrough(Point p, Point q) {
    if (!(p.x != q.x)) return std::nullopt;
    const double a = (q.y - p.y) / (q.x - p.x);
    const double b = p.y - a * p.x;
    if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
    return Line{a, b};
}

namespace {

const QString kTooFew = u"il faut au moins deux paires"_s;
const QString kTooLarge = u"les valeurs sont trop grandes pour ce calcul"_s;

double mean(const double* v, std::size_t n) {
    CompensatedSum s;
    for (std::size_t i = 0; i < n; ++i) s.add(v[i]);
    return s.value() / double(n);
}

}  // namespace

Computed<Summary> summarize(const Pairs& pairs) {
    const std::size_t n = std::min(pairs.x.size(), pairs.y.size());
    if (n < 2) return Computed<Summary>::failure(kTooFew);
    Summary s;
    s.n = n;
    const double* x = pairs.x.data();
    const double* y = pairs.y.data();
    s.meanX = mean(x, n);
    s.meanY = mean(y, n);
    // The deviations from the means, each summed with its compensation: their sums
    // would be zero exactly, and what they are not corrects the squares (the corrected
    // two-pass algorithm).
    CompensatedSum du, dv, uu, vv, uv;
    double minX = x[0], maxX = x[0], minY = y[0], maxY = y[0];
    for (std::size_t i = 0; i < n; ++i) {
        const double u = x[i] - s.meanX, v = y[i] - s.meanY;
        du.add(u);
        dv.add(v);
        uu.add(u * u);
        vv.add(v * v);
        uv.add(u * v);
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    const double N = double(n);
    const double eu = du.value(), ev = dv.value();
    s.varianceX = std::max(0.0, (uu.value() - eu * eu / N) / N);
    s.varianceY = std::max(0.0, (vv.value() - ev * ev / N) / N);
    s.covariance = (uv.value() - eu * ev / N) / N;
    s.minX = minX;
    s.maxX = maxX;
    s.minY = minY;
    s.maxY = maxY;
    if (!std::isfinite(s.meanX) || !std::isfinite(s.meanY) || !std::isfinite(s.varianceX) ||
        !std::isfinite(s.varianceY) || !std::isfinite(s.covariance))
        return Computed<Summary>::failure(kTooLarge);
    // Constant values have no spread at all, not a rounding's worth.
    if (minX == maxX) s.varianceX = 0;
    if (minY == maxY) s.varianceY = 0;
    if (s.varianceX == 0 || s.varianceY == 0) s.covariance = 0;
    if (s.varianceX > 0 && s.varianceY > 0) {
        const double r = s.covariance / (std::sqrt(s.varianceX) * std::sqrt(s.varianceY));
        s.r = std::clamp(r, -1.0, 1.0);
    }
    return Computed<Summary>::success(s);
}

Computed<Line> leastSquares(const Summary& s) {
    if (s.varianceX == 0)
        return Computed<Line>::failure(
            u"la variance des x est nulle (toutes les valeurs de x sont égales) : aucune droite "
            u"de y en x ne s'ajuste"_s);
    const double a = s.covariance / s.varianceX;
    const Line line{a, s.meanY - a * s.meanX};
    if (!std::isfinite(line.a) || !std::isfinite(line.b)) return Computed<Line>::failure(kTooLarge);
    return Computed<Line>::success(line);
}

Computed<Line> leastSquaresXInY(const Summary& s) {
    if (s.varianceY == 0)
        return Computed<Line>::failure(
            u"la variance des y est nulle (toutes les valeurs de y sont égales) : aucune droite "
            u"de x en y ne s'ajuste"_s);
    const double a = s.covariance / s.varianceY;
    const Line line{a, s.meanX - a * s.meanY};
    if (!std::isfinite(line.a) || !std::isfinite(line.b)) return Computed<Line>::failure(kTooLarge);
    return Computed<Line>::success(line);
}

Computed<Mayer> mayer(const Pairs& pairs) {
    const std::size_t n = std::min(pairs.x.size(), pairs.y.size());
    if (n < 2) return Computed<Mayer>::failure(kTooFew);
    Mayer m;
    m.firstCount = (n + 1) / 2;
    m.secondCount = n - m.firstCount;
    // The first group is the firstCount smallest x; of the pairs whose x is the last
    // it takes, those that come first, as a stable sort would leave them. Selecting
    // that x costs a pass, where sorting a million pairs would cost many.
    std::vector<double> sorted(pairs.x.begin(), pairs.x.begin() + std::ptrdiff_t(n));
    const auto nth = sorted.begin() + std::ptrdiff_t(m.firstCount - 1);
    std::nth_element(sorted.begin(), nth, sorted.end());
    const double last = *nth;
    std::size_t below = 0;
    for (std::size_t i = 0; i < n; ++i) below += pairs.x[i] < last;
    std::size_t equalTaken = m.firstCount - below;
    std::vector<char> first(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (pairs.x[i] < last) {
            first[i] = 1;
        } else if (pairs.x[i] == last && equalTaken > 0) {
            first[i] = 1;
            --equalTaken;
        }
    }
    // The mean points from each group's own sums.
    CompensatedSum x1, y1, x2, y2;
    for (std::size_t i = 0; i < n; ++i) {
        if (first[i]) {
            x1.add(pairs.x[i]);
            y1.add(pairs.y[i]);
        } else {
            x2.add(pairs.x[i]);
            y2.add(pairs.y[i]);
        }
    }
    m.g1 = {x1.value() / double(m.firstCount), y1.value() / double(m.firstCount)};
    m.g2 = {x2.value() / double(m.secondCount), y2.value() / double(m.secondCount)};
    const std::optional<Line> line = lineThrough(m.g1, m.g2);
    if (!line)
        return Computed<Mayer>::failure(
            u"les deux points moyens G1 et G2 ont la même abscisse : la droite de Mayer "
            u"serait parallèle à l'axe des ordonnées"_s);
    m.line = *line;
    return Computed<Mayer>::success(m);
}

double sumOfSquaredResiduals(const Pairs& pairs, const Line& line) {
    const std::size_t n = std::min(pairs.x.size(), pairs.y.size());
    CompensatedSum s;
    for (std::size_t i = 0; i < n; ++i) {
        const double e = pairs.y[i] - (line.a * pairs.x[i] + line.b);
        s.add(e * e);
    }
    return s.value();
}

std::vector<double> residuals(const Pairs& pairs, const Line& line) {
    const std::size_t n = std::min(pairs.x.size(), pairs.y.size());
    std::vector<double> e(n);
    for (std::size_t i = 0; i < n; ++i) e[i] = pairs.y[i] - (line.a * pairs.x[i] + line.b);
    return e;
}

}  // namespace core::pairs
