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

// Sums in blocks: within a block, four plain running sums (which the processor keeps
// apart and adds at once); each block's total then goes to a compensated sum. The
// error stays that of a block, a few hundred additions, however many pairs there are.
constexpr std::size_t kBlock = 512;

template <std::size_t K, class Terms>
void blockedSums(std::size_t n, Terms&& terms, CompensatedSum (&out)[K]) {
    for (std::size_t start = 0; start < n; start += kBlock) {
        const std::size_t end = std::min(n, start + kBlock);
        double lanes[4][K] = {};
        std::size_t i = start;
        for (; i + 4 <= end; i += 4)
            for (std::size_t l = 0; l < 4; ++l) terms(i + l, lanes[l]);
        for (; i < end; ++i) terms(i, lanes[0]);
        for (std::size_t k = 0; k < K; ++k)
            out[k].add((lanes[0][k] + lanes[1][k]) + (lanes[2][k] + lanes[3][k]));
    }
}

}  // namespace

Computed<Summary> summarize(std::span<const double> xs, std::span<const double> ys) {
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n < 2) return Computed<Summary>::failure(kTooFew);
    const double* x = xs.data();
    const double* y = ys.data();
    Summary s;
    s.n = n;
    const double N = double(n);
    CompensatedSum sums[2];
    blockedSums(
        n, [&](std::size_t i, double* t) { t[0] += x[i], t[1] += y[i]; }, sums);
    s.meanX = sums[0].value() / N;
    s.meanY = sums[1].value() / N;
    // The deviations from the means: their sums would be zero exactly, and what they
    // are not corrects the squares (the corrected two-pass algorithm).
    CompensatedSum d[5];
    const double mx = s.meanX, my = s.meanY;
    blockedSums(
        n,
        [&](std::size_t i, double* t) {
            const double u = x[i] - mx, v = y[i] - my;
            t[0] += u, t[1] += v, t[2] += u * u, t[3] += v * v, t[4] += u * v;
        },
        d);
    double minX = x[0], maxX = x[0], minY = y[0], maxY = y[0];
    for (std::size_t i = 0; i < n; ++i) {
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    const double eu = d[0].value(), ev = d[1].value();
    const double sxx = d[2].value() - eu * eu / N, syy = d[3].value() - ev * ev / N;
    s.covariance = (d[4].value() - eu * ev / N) / N;
    s.minX = minX;
    s.maxX = maxX;
    s.minY = minY;
    s.maxY = maxY;
    if (!std::isfinite(s.meanX) || !std::isfinite(s.meanY) || !std::isfinite(sxx) ||
        !std::isfinite(syy) || !std::isfinite(s.covariance))
        return Computed<Summary>::failure(kTooLarge);
    s.varianceX = std::max(0.0, sxx / N);
    s.varianceY = std::max(0.0, syy / N);
    // Values that differ by less than the square of a double can hold.
    if ((s.varianceX == 0 && minX != maxX) || (s.varianceY == 0 && minY != maxY))
        return Computed<Summary>::failure(
            u"les écarts entre les valeurs sont trop petits pour ce calcul"_s);
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

namespace {

// The line of one variable in the other through the mean point, its slope the
// covariance over the other's variance; refused where that variance is nought.
Computed<Line> regression(double covariance, double variance, double meanFrom, double meanTo,
                          const QString& flat) {
    if (variance == 0) return Computed<Line>::failure(flat);
    const double a = covariance / variance;
    const Line line{a, meanTo - a * meanFrom};
    if (!std::isfinite(line.a) || !std::isfinite(line.b)) return Computed<Line>::failure(kTooLarge);
    return Computed<Line>::success(line);
}

}  // namespace

Computed<Line> leastSquares(const Summary& s) {
    return regression(
        s.covariance, s.varianceX, s.meanX, s.meanY,
        u"la variance des x est nulle (toutes les valeurs de x sont égales) : aucune droite "
        u"de y en x ne s'ajuste"_s);
}

Computed<Line> leastSquaresXInY(const Summary& s) {
    return regression(
        s.covariance, s.varianceY, s.meanY, s.meanX,
        u"la variance des y est nulle (toutes les valeurs de y sont égales) : aucune droite "
        u"de x en y ne s'ajuste"_s);
}

namespace {

// The k-th smallest of the values (from 0), and how many are smaller, found by
// counting them into buckets between the least and the greatest, then selecting among
// the few in the bucket that holds it: a few passes over a million values where a
// selection among all of them would copy and shuffle them.
struct Rank {
    double value;
    std::size_t below;
};
Rank kthSmallest(const double* x, std::size_t n, std::size_t k) {
    double low = x[0], high = x[0];
    for (std::size_t i = 0; i < n; ++i) {
        low = std::min(low, x[i]);
        high = std::max(high, x[i]);
    }
    if (low == high) return {low, 0};
    constexpr std::size_t kBuckets = 4096;
    const double scale = double(kBuckets) / (high - low);
    std::vector<double> within;
    std::size_t before = 0;
    if (std::isfinite(scale) && scale > 0) {
        const auto bucket = [&](double v) {
            return std::min(kBuckets - 1, std::size_t(std::max(0.0, (v - low) * scale)));
        };
        std::vector<std::size_t> counts(kBuckets, 0);
        for (std::size_t i = 0; i < n; ++i) ++counts[bucket(x[i])];
        std::size_t chosen = 0;
        while (before + counts[chosen] <= k) before += counts[chosen++];
        within.reserve(counts[chosen]);
        for (std::size_t i = 0; i < n; ++i)
            if (bucket(x[i]) == chosen) within.push_back(x[i]);
    } else {
        within.assign(x, x + n);
    }
    const auto nth = within.begin() + std::ptrdiff_t(k - before);
    std::nth_element(within.begin(), nth, within.end());
    const double value = *nth;
    std::size_t below = before;
    for (double v : within) below += v < value;
    return {value, below};
}

}  // namespace

Computed<Mayer> mayer(std::span<const double> xs, std::span<const double> ys) {
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n < 2) return Computed<Mayer>::failure(kTooFew);
    const double* x = xs.data();
    const double* y = ys.data();
    Mayer m;
    m.firstCount = (n + 1) / 2;
    m.secondCount = n - m.firstCount;
    // The first group is the firstCount smallest x; of the pairs whose x is the last
    // it takes, those that come first, as a stable sort would leave them.
    const Rank last = kthSmallest(x, n, m.firstCount - 1);
    const std::size_t ties = m.firstCount - last.below;  // equal to the last, taken first
    std::size_t tiesSeen = 0;
    CompensatedSum sums[4];  // x and y of the first group, then of the second
    blockedSums(
        n,
        [&](std::size_t i, double* t) {
            const bool first = x[i] < last.value || (x[i] == last.value && tiesSeen++ < ties);
            t[first ? 0 : 2] += x[i];
            t[first ? 1 : 3] += y[i];
        },
        sums);
    CompensatedSum &x1 = sums[0], &y1 = sums[1], &x2 = sums[2], &y2 = sums[3];
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
