// Two variables at scale: every fit and r on a million pairs, and what a move of the
// learner's line costs on a hundred thousand (its sum of squared residuals, and the
// overlay drawn again over the points painted once).

#include "core/pairs/fits.h"
#include "core/pairs/scatter_chart.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <map>

namespace {

const core::pairs::Pairs& manyPairs(std::size_t n) {
    static std::map<std::size_t, core::pairs::Pairs> made;
    core::pairs::Pairs& p = made[n];
    if (p.x.empty()) {
        QRandomGenerator g(42);
        p.x.reserve(n);
        p.y.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const double x = 1000 + g.bounded(500.0);
            p.x.push_back(x);
            p.y.push_back(3 * x + 20 + g.bounded(200.0));  // all positive, for ln y
        }
    }
    return p;
}

void BM_pairs_fits_1M(benchmark::State& state) {
    using namespace core::pairs;
    const Pairs& p = manyPairs(1'000'000);
    for (auto _ : state) {
        const auto s = summarize(p);
        benchmark::DoNotOptimize(s->r);
        benchmark::DoNotOptimize(leastSquares(*s));
        benchmark::DoNotOptimize(leastSquaresXInY(*s));
        benchmark::DoNotOptimize(mayer(p));
        benchmark::DoNotOptimize(exponentialFit(p));
    }
}
BENCHMARK(BM_pairs_fits_1M)->Unit(benchmark::kMillisecond);

void BM_pairs_moved_line_sum_100k(benchmark::State& state) {
    const core::pairs::Pairs& p = manyPairs(100'000);
    double a = 2.5;
    for (auto _ : state) {
        a += 1e-3;
        benchmark::DoNotOptimize(core::pairs::sumOfSquaredResiduals(p, {a, 100}));
    }
}
BENCHMARK(BM_pairs_moved_line_sum_100k)->Unit(benchmark::kMillisecond);

// What the window works out again at each move: the learner's line, its sum and the
// captions laid clear of it, over the base of axes and points drawn once.
void BM_pairs_moved_line_overlay_100k(benchmark::State& state) {
    using namespace core::pairs;
    const Pairs& p = manyPairs(100'000);
    ScatterOptions o{.fits = {*fit(p, Method::LeastSquares)}, .byEye = ByEyeLine{{2.5, 100}, {}}};
    const auto base = scatterBase(p, legendRows(o));
    for (auto _ : state) {
        o.byEye->line.a += 1e-3;
        benchmark::DoNotOptimize(scatterOverlay(p, *base, o));
    }
}
BENCHMARK(BM_pairs_moved_line_overlay_100k)->Unit(benchmark::kMillisecond);

void BM_pairs_scatter_record_1M(benchmark::State& state) {
    const core::pairs::Pairs& p = manyPairs(1'000'000);
    for (auto _ : state) benchmark::DoNotOptimize(core::pairs::scatterBase(p, 3));
}
BENCHMARK(BM_pairs_scatter_record_1M)->Unit(benchmark::kMillisecond);

}  // namespace
