// Two variables at scale: every fit and r on a million pairs, what a move of the
// learner's line costs on a hundred thousand (its sum of squared residuals, the overlay
// worked out again, and the frame painted over the points painted once), and the first
// drawing of a million points as the window paints it.

#include "core/pairs/fits.h"
#include "core/pairs/scatter_chart.h"
#include "pairs_window/pairs_window.h"
#include "pairs_window/scatter_view.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>

#include <map>
#include <memory>

namespace {

// Shared, as the window's table holds them for its scatter.
std::shared_ptr<const core::pairs::Pairs> sharedPairs(std::size_t n) {
    static std::map<std::size_t, std::shared_ptr<core::pairs::Pairs>> made;
    std::shared_ptr<core::pairs::Pairs>& shared = made[n];
    if (!shared) shared = std::make_shared<core::pairs::Pairs>();
    core::pairs::Pairs& p = *shared;
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
    return shared;
}

const core::pairs::Pairs& manyPairs(std::size_t n) {
    return *sharedPairs(n);
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

// The scatter's size in the window at its opening size.
QSize scatterSize() {
    static const QSize size = [] {
        pairs_window::Deux_variables window;
        window.show();
        const QSize shown = window.findChild<pairs_window::ScatterView*>()->size();
        window.hide();
        return shown;
    }();
    return size;
}

// The points' record made and painted once, as the window first shows them: the axes
// and points rasterised into the kept image, the mean point, r and captions over it.
void BM_pairs_first_drawing_1M(benchmark::State& state) {
    const std::shared_ptr<const core::pairs::Pairs> p = sharedPairs(1'000'000);
    QImage frame(scatterSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        // Shown at its size first, as in the window, before the pairs come.
        state.PauseTiming();
        pairs_window::ScatterView view(nullptr);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(frame.size());
        view.show();
        state.ResumeTiming();
        view.setPairs(p);
        view.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["width"] = frame.width();
    state.counters["height"] = frame.height();
}
BENCHMARK(BM_pairs_first_drawing_1M)->Unit(benchmark::kMillisecond);

// A move of the learner's line by an arrow, and the frame that shows it: the overlay
// and its sum worked out again, then painted over the kept image of the points; least
// squares shown beside it, the residuals not drawn (as the window opens).
void BM_pairs_moved_line_frame_100k(benchmark::State& state) {
    const core::pairs::Pairs& p = manyPairs(100'000);
    const std::shared_ptr<const core::pairs::Pairs> shared = sharedPairs(100'000);
    QImage frame(scatterSize(), QImage::Format_RGB32);
    pairs_window::ScatterView view(nullptr);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(frame.size());
    view.show();
    view.setPairs(shared);
    core::pairs::ScatterOptions options;
    options.fits.push_back(*core::pairs::fit(p, core::pairs::Method::LeastSquares));
    view.setOptions(options, true);
    view.render(&frame);  // the points' image, kept from the first frame on
    double step = 0.002;
    for (auto _ : state) {
        view.moveHandle(0, step);
        step = -step;
        view.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_pairs_moved_line_frame_100k)->Unit(benchmark::kMillisecond);

}  // namespace
