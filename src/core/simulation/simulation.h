#pragma once

// Sampling simulated: N samples of size n of a character of proportion p (their
// frequencies), or of a population drawn with replacement (their means); how the
// frequencies fluctuate as n grows; and one long sequence of draws whose running
// frequency settles on p. Everything depends only on the parameters and the series
// number: the samples are cut into blocks, each drawn from a stream of its own, so one
// thread or several give the same figures. Each run takes a progress callback that
// may cancel it; a cancelled run returns nothing, so a window keeps what it showed.

#include "core/counted_series.h"
#include "core/reading.h"
#include "core/simulation/generator.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace core {
struct TableAnalysis;
}

namespace core::simulation {

inline constexpr std::int64_t kLargestSample = 100000;    // n
inline constexpr std::int64_t kMostSamples = 1000000;     // N
inline constexpr std::int64_t kLongestSequence = 100000;  // the law of large numbers
inline constexpr std::uint64_t kDefaultSeries = 4711;

// Called now and then with the share of the work done, always on the thread that
// started the run (a window's worker on Qt's pool); false cancels the run.
using Progress = std::function<bool(double share)>;

// Values drawn with replacement, each as often as its count.
struct Population {
    std::vector<double> values;
    std::vector<std::int64_t> cumulative;  // running counts; empty where each counts once
    std::int64_t size = 0;
    double mean = 0, sd = 0;  // σ: the square root of the mean squared deviation
};
// How often value i is drawn among `size`.
std::int64_t countOf(const Population& population, size_t i);
// A series; values with their counts; a table's values, or its classes' centres.
Population populationOf(std::vector<double> values);
Population populationOf(const std::vector<ValueCount>& values);
Population populationOf(const TableAnalysis& table);
// A series file (its first column) or a table of counts (a header naming the counts,
// or classes in its first column), as the program opens either.
Reading<Population> readPopulationFile(const QString& path);

struct Parameters {
    double p = 0.5;
    std::shared_ptr<const Population> population;  // set: means of samples of it
    std::int64_t n = 100;                          // the size of each sample
    std::int64_t samples = 1000;                   // N
    std::uint64_t series = kDefaultSeries;
};
// Why the parameters cannot run, in French, or nothing when they can.
QString fault(const Parameters& parameters);

// The share of samples within [centre − half ; centre + half].
struct Share {
    QString name;  // "[p − 2s ; p + 2s]"
    double lower = 0, upper = 0;
    std::int64_t count = 0;
    double share = 0;  // count / N
};

struct Result {
    Parameters parameters;
    std::vector<double> values;  // the N frequencies or means, in the samples' order
    double mean = 0, sd = 0;     // of the values, s dividing by N
    double centre = 0;           // p, or the population's μ
    double spread = 0;           // √(p(1 − p)), or σ: one draw's standard deviation
    // ± s, ± 2s, ± 3s, then ± 1/√n (for means, ± 2σ/√n).
    std::vector<Share> shares;
};

// `threads` 0: as many as the machine has. Nothing when cancelled or at fault.
std::optional<Result> simulate(const Parameters& parameters, const Progress& progress = {},
                               int threads = 0);

// s for each size, N samples each, with the slope of the reference line against 1/√n.
struct Fluctuation {
    std::vector<std::int64_t> sizes;
    std::vector<double> sds;
    double slope = 0;  // √(p(1 − p)), or σ
    bool means = false;
};
std::vector<std::int64_t> defaultSizes();  // 25, 50, 100 … 1 600
std::optional<Fluctuation> fluctuation(const Parameters& parameters,
                                       const std::vector<std::int64_t>& sizes,
                                       const Progress& progress = {}, int threads = 0);

// One sequence of `parameters.n` draws (up to kLongestSequence): after each, the
// frequency of the character (or the mean of the values) so far.
struct LargeNumbers {
    std::vector<double> running;
    double centre = 0;
    bool means = false;
};
std::optional<LargeNumbers> largeNumbers(const Parameters& parameters,
                                         const Progress& progress = {});

}  // namespace core::simulation
