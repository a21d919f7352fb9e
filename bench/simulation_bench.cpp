// The simulations' two speed goals, measured as NumPy is in the same run (run.py): a
// million samples of size 1,000 of a proportion, and 10,000 means of samples of size
// 1,000 from a population of 32,767 values. Prints "name milliseconds" per measure, the
// median of a few runs, each run the whole of what the window would ask for.

#include "core/simulation/simulation.h"

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace sim = core::simulation;

namespace {

template <class Run>
double medianMs(int runs, Run&& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    double sink = 0;
    const double binomial = medianMs(runs, [&] {
        sink += sim::simulate({.p = 0.5, .n = 1000, .samples = 1000000, .series = 4711})->sd;
    });
    // The same population as NumPy's: 32,767 values from one generator.
    sim::Generator g(4711);
    std::vector<double> values(32767);
    for (double& v : values) v = 100 * g.uniform();
    const auto population = std::make_shared<sim::Population>(sim::populationOf(values));
    const double means = medianMs(runs, [&] {
        sink += sim::simulate({.population = population, .n = 1000, .samples = 10000})->sd;
    });
    std::printf("simulate/binomial_1e6x1000 %.3f\nsimulate/means_1e4x1000 %.3f\n", binomial, means);
    return sink > 0 ? 0 : 1;
}
