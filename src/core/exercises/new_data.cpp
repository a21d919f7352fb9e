#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/pairs/fits.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// The program's generator, as a series of its own: the same 24-bit congruence, started
// from the series' number, so that a number gives the same data everywhere.
class Draw {
public:
    explicit Draw(quint32 serial) : stateLabel_((serial * 2654435761u) & 0xFFFFFFu) {
        for (int i = 0; i < 8; ++i) next();
    }
    double next() {
        stateLabel_ = (stateLabel_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return double(stateLabel_) / 16777216.0;
    }

private:
    quint32 stateLabel_;
};

void drawCounts(std::vector<qint64*>& counts, const std::vector<double>& weights, qint64 total,
                Draw& t) {
    std::vector<double> cumulativeCounts;
    double s = 0;
    for (double p : weights) cumulativeCounts.push_back(s += p);
    for (qint64* c : counts) *c = 0;
    if (s <= 0) return;
    for (qint64 i = 0; i < total; ++i) {
        const double u = t.next() * s;
        const size_t k =
            size_t(std::upper_bound(cumulativeCounts.begin(), cumulativeCounts.end(), u) -
                   cumulativeCounts.begin());
        ++*counts[std::min(k, counts.size() - 1)];
    }
}

double standardNormal(Draw& t) {
    return (t.next() + t.next() + t.next() + t.next() - 2) * std::sqrt(3.0);
}

// y = a·x + b + noise about the data's own fit, the noise as large as its residuals, rounded
// as the data were; about ln y where the questions fit ln y, so y stays positive.
void drawPairs(ExerciseSeries& s, bool lnY, Draw& t) {
    using pairs::Change;
    const auto c = pairs::fit(s.pairs, pairs::Method::LeastSquares, Change::None,
                              lnY ? Change::Log : Change::None);
    if (!c) return;
    const auto seen = pairs::changedPairs(s.pairs, Change::None, lnY ? Change::Log : Change::None);
    const auto r = pairs::residuals(*seen, c->line);
    double squares = 0;
    for (double e : r) squares += e * e;
    const double step = std::pow(10.0, -s.decimalsY);
    // Data that fit too well would round back to the same figures for every number.
    const double spread = std::max(std::sqrt(squares / double(r.size())), lnY ? 0.02 : step);
    for (size_t i = 0; i < s.pairs.size(); ++i) {
        const double z = c->line.at(s.pairs.x[i]) + spread * standardNormal(t);
        double y = std::round((lnY ? std::exp(z) : z) / step) * step;
        if (lnY && y <= 0) y = step;
        s.pairs.y[i] = y;
    }
}

void drawSeries(ExerciseSeries& s, Draw& t) {
    if (s.shape == Shape::Simulation) return;
    if (s.shape == Shape::Pairs) return;
    if (s.shape == Shape::Raw) {
        long double sum = 0, squares = 0;
        for (double x : s.rawValues) sum += x;
        const long double mean = sum / s.rawValues.size();
        for (double x : s.rawValues) squares += (x - mean) * (x - mean);
        const double spread = std::max(double(std::sqrt(squares / s.rawValues.size())), s.step);
        for (double& x : s.rawValues) {
            // Nearly normal about the series' own mean and spread, within its bounds.
            const double z = (t.next() + t.next() + t.next() + t.next() - 2) * std::sqrt(3.0);
            const double y = std::clamp(double(mean) + spread * z, s.min, s.max);
            x = std::clamp(s.min + std::round((y - s.min) / s.step) * s.step, s.min, s.max);
        }
        return;
    }
    std::vector<qint64*> counts;
    std::vector<double> weights;
    if (s.shape == Shape::Values)
        for (auto& p : s.values) {
            counts.push_back(&p.count);
            weights.push_back(double(p.count));
        }
    else
        for (auto& k : s.classes) {
            counts.push_back(&k.count);
            weights.push_back(double(k.count));
        }
    drawCounts(counts, weights, s.total, t);
}

}  // namespace

Exercise withNewData(const Exercise& e, quint32 serial) {
    Exercise n = e;
    Draw t(serial);
    const bool lnY =
        std::any_of(e.questions.begin(), e.questions.end(), [](auto& q) { return q.lnY; });
    const bool lorenz = std::any_of(e.questions.begin(), e.questions.end(),
                                    [](auto& q) { return q.quantity == Quantity::Gini; });
    for (ExerciseSeries& s : n.series) {
        if (s.shape == Shape::Simulation) s.draw = serial;
        // Cumulated shares stay as given: drawn anew, they would no longer be a Lorenz curve.
        if (s.shape == Shape::Pairs && !lorenz) drawPairs(s, lnY, t);
        drawSeries(s, t);
    }
    return n;
}

}  // namespace core
