#include "core/simulation/simulation.h"

#include "core/simulation/binomial.h"
#include "core/simulation/blocks.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::simulation {
namespace {

// The experiments of one series each start a long jump (2^192 draws) apart: the
// samples, the sequence of the law of large numbers, then each size of the fluctuation.
enum Experiment : int { kSamples = 0, kSequence = 1, kFirstSize = 2 };

Generator experiment(std::uint64_t series, int which) {
    Generator g(series);
    for (int i = 0; i < which; ++i) g.longJump();
    return g;
}

// Samples per block: a block is about the same work whatever n, small enough for the
// progress to move and the cancel to answer quickly.
std::int64_t blockOf(const Parameters& p) {
    if (!p.population) return 4096;
    return std::clamp<std::int64_t>((std::int64_t(1) << 18) / p.n, 1, 4096);
}

double meanOfSample(const Population& population, std::int64_t n, Generator& g) {
    double sum = 0;
    const double* values = population.values.data();
    if (population.cumulative.empty()) {
        const auto size = std::uint32_t(population.size);
        for (std::int64_t i = 0; i < n; ++i) sum += values[g.below32(size)];
    } else {
        const auto& c = population.cumulative;
        for (std::int64_t i = 0; i < n; ++i) {
            const auto drawn = std::int64_t(g.below(std::uint64_t(population.size)));
            sum += values[std::upper_bound(c.begin(), c.end(), drawn) - c.begin()];
        }
    }
    return sum / double(n);
}

// The N frequencies or means of samples of size n drawn from `base`'s streams.
std::optional<std::vector<double>> draw(const Parameters& p, std::int64_t n, const Generator& base,
                                        const Progress& progress, double from, double to,
                                        int threads) {
    std::vector<double> values(size_t(p.samples));
    const std::int64_t block = blockOf({.population = p.population, .n = n});
    const std::int64_t blocks = (p.samples + block - 1) / block;
    const Binomial binomial(n, p.p);
    const bool done =
        forEachBlock(base, blocks, threads, progress, from, to, [&](std::int64_t b, Generator& g) {
            const std::int64_t end = std::min(p.samples, (b + 1) * block);
            for (std::int64_t i = b * block; i < end; ++i)
                values[size_t(i)] = p.population ? meanOfSample(*p.population, n, g)
                                                 : double(binomial(g)) / double(n);
        });
    if (!done) return std::nullopt;
    return values;
}

void meanAndSd(const std::vector<double>& values, double& mean, double& sd) {
    double sum = 0;
    for (double v : values) sum += v;
    mean = sum / double(values.size());
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    sd = std::sqrt(squares / double(values.size()));
}

// Closed intervals, with room for the rounding of bounds that fall on a value exactly
// (0,5 − 1/√100 is 0,4, a frequency 40/100 may take).
std::int64_t countWithin(const std::vector<double>& values, double lower, double upper) {
    const double slack = 1e-12 * std::max({1.0, std::abs(lower), std::abs(upper)});
    std::int64_t count = 0;
    for (double v : values) count += v >= lower - slack && v <= upper + slack;
    return count;
}

}  // namespace

QString fault(const Parameters& p) {
    if (p.population) {
        if (p.population->size <= 0) return u"La population n'a aucune valeur à tirer."_s;
    } else if (!(p.p >= 0 && p.p <= 1)) {
        return u"La proportion p doit être comprise entre 0 et 1."_s;
    }
    if (p.n < 1 || p.n > kLargestSample)
        return u"La taille des échantillons n doit être un entier de 1 à 100 000."_s;
    if (p.samples < 1 || p.samples > kMostSamples)
        return u"Le nombre d'échantillons N doit être un entier de 1 à 1 000 000."_s;
    return {};
}

std::optional<Result> simulate(const Parameters& parameters, const Progress& progress,
                               int threads) {
    if (!fault(parameters).isEmpty()) return std::nullopt;
    auto values = draw(parameters, parameters.n, experiment(parameters.series, kSamples), progress,
                       0, 1, threads);
    if (!values) return std::nullopt;
    Result r{.parameters = parameters, .values = std::move(*values)};
    meanAndSd(r.values, r.mean, r.sd);
    const bool means = bool(parameters.population);
    if (!means) {
        // Frequencies are counts over n: their mean is the whole count over N·n, exactly.
        std::int64_t count = 0;
        for (double f : r.values) count += std::llround(f * double(parameters.n));
        r.mean = double(count) / (double(parameters.samples) * double(parameters.n));
    }
    r.centre = means ? parameters.population->mean : parameters.p;
    r.spread = means ? parameters.population->sd : std::sqrt(parameters.p * (1 - parameters.p));
    const QString c = means ? u"μ"_s : u"p"_s;
    const auto share = [&](const QString& name, double half) {
        const double lower = r.centre - half, upper = r.centre + half;
        const std::int64_t count = countWithin(r.values, lower, upper);
        r.shares.push_back({name, lower, upper, count, double(count) / double(r.values.size())});
    };
    share(u"[%1 − s ; %1 + s]"_s.arg(c), r.sd);
    share(u"[%1 − 2s ; %1 + 2s]"_s.arg(c), 2 * r.sd);
    share(u"[%1 − 3s ; %1 + 3s]"_s.arg(c), 3 * r.sd);
    const double root = std::sqrt(double(parameters.n));
    if (means)
        share(u"[μ − 2σ/√n ; μ + 2σ/√n]"_s, 2 * r.spread / root);
    else
        share(u"[p − 1/√n ; p + 1/√n]"_s, 1 / root);
    return r;
}

std::vector<std::int64_t> defaultSizes() {
    return {25, 50, 100, 200, 400, 800, 1600};
}

std::optional<Fluctuation> fluctuation(const Parameters& parameters,
                                       const std::vector<std::int64_t>& sizes,
                                       const Progress& progress, int threads) {
    Fluctuation f{.sizes = sizes, .means = bool(parameters.population)};
    f.slope = f.means ? parameters.population->sd : std::sqrt(parameters.p * (1 - parameters.p));
    // The work of each size, so that the progress moves evenly.
    std::vector<double> work;
    double total = 0;
    for (std::int64_t n : sizes) {
        Parameters one = parameters;
        one.n = n;
        if (!fault(one).isEmpty()) return std::nullopt;
        work.push_back(f.means ? double(n) : 1.0);
        total += work.back();
    }
    double done = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        const double from = done / total;
        done += work[i];
        const auto values =
            draw(parameters, sizes[i], experiment(parameters.series, kFirstSize + int(i)), progress,
                 from, done / total, threads);
        if (!values) return std::nullopt;
        double mean = 0, sd = 0;
        meanAndSd(*values, mean, sd);
        f.sds.push_back(sd);
    }
    return f;
}

std::optional<LargeNumbers> largeNumbers(const Parameters& parameters, const Progress& progress) {
    Parameters checked = parameters;
    checked.samples = 1;
    if (!fault(checked).isEmpty() || parameters.n > kLongestSequence) return std::nullopt;
    LargeNumbers l{.means = bool(parameters.population)};
    l.centre = l.means ? parameters.population->mean : parameters.p;
    Generator g = experiment(parameters.series, kSequence);
    l.running.reserve(size_t(parameters.n));
    double sum = 0;
    for (std::int64_t k = 1; k <= parameters.n; ++k) {
        // One draw: the character is there with probability p, i.e. B(1, p).
        sum += l.means ? meanOfSample(*parameters.population, 1, g)
                       : double(g.uniform() < parameters.p);
        l.running.push_back(sum / double(k));
        if (progress && k % 8192 == 0 && !progress(double(k) / double(parameters.n)))
            return std::nullopt;
    }
    return l;
}

}  // namespace core::simulation
