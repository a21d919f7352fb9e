// The simulations' generator and samplers against exact probabilities, with fixed
// series numbers: the generator against its reference outputs and its jumps, uniform
// doubles and index draws, the binomial sampler's chi-square, mean and variance for
// both of its methods, and the shares of a run against the exact binomial law.

#include "core/numbers.h"
#include "core/simulation/binomial.h"
#include "core/simulation/simulation.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace core::simulation;

namespace {

// The exact law B(n, p), worked out on its own with the standard log-gamma.
std::vector<double> binomialLaw(std::int64_t n, double p) {
    std::vector<double> law(size_t(n + 1));
    for (std::int64_t k = 0; k <= n; ++k)
        law[size_t(k)] = p == 0 ? double(k == 0)
                         : p == 1
                             ? double(k == n)
                             : std::exp(std::lgamma(double(n + 1)) - std::lgamma(double(k + 1)) -
                                        std::lgamma(double(n - k + 1)) + double(k) * std::log(p) +
                                        double(n - k) * std::log1p(-p));
    return law;
}

// The 99.9 % point of the chi-square law (Wilson and Hilferty).
double chiSquareBound(double df) {
    const double a = 2 / (9 * df);
    return df * std::pow(1 - a + 3.09 * std::sqrt(a), 3);
}

// Observed counts against expected ones, cells pooled until each expects at least 5.
// Returns chi-square / its bound: below 1 passes.
double fit(const std::vector<std::int64_t>& observed, const std::vector<double>& expected) {
    double chi = 0, o = 0, e = 0;
    int cells = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        o += double(observed[i]);
        e += expected[i];
        if (e >= 5 || i + 1 == expected.size()) {
            if (e > 0) chi += (o - e) * (o - e) / e, ++cells;
            o = e = 0;
        }
    }
    return chi / chiSquareBound(std::max(1, cells - 1));
}

}  // namespace

class SimulationLawTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void generatorMatchesReference();
    void jumpsCommuteWithDraws();
    void uniformDoubles();
    void indexDraws_data();
    void indexDraws();
    void binomialFits_data();
    void binomialFits();
    void sharesAgreeWithLaw_data();
    void sharesAgreeWithLaw();
};

// splitmix64 then xoshiro256**, as their authors publish them, worked out in Python.
void SimulationLawTest::generatorMatchesReference() {
    Generator zero(0), series(4711);
    QCOMPARE(zero.next(), 0x99ec5f36cb75f2b4ull);
    QCOMPARE(zero.next(), 0xbf6e1f784956452aull);
    QCOMPARE(series.next(), 0xf923a38f1536545bull);
    QCOMPARE(series.next(), 0x4e6686940b91ab5full);
    QCOMPARE(series.next(), 0x56cf094bb103b9eeull);
}

// A jump is a polynomial in the step: jumping then drawing equals drawing then jumping,
// and a stream differs from its neighbours.
void SimulationLawTest::jumpsCommuteWithDraws() {
    Generator a(7), b(7);
    a.jump();
    for (int i = 0; i < 1000; ++i) a.next(), b.next();
    b.jump();
    QVERIFY(a == b);
    Generator c(7), d(7);
    c.longJump();
    for (int i = 0; i < 3; ++i) c.next(), d.next();
    d.longJump();
    QVERIFY(c == d);
    QVERIFY(streamOf(7, 1).next() != streamOf(7, 2).next());
    QVERIFY(streamOf(7, 0) == Generator(7));
}

void SimulationLawTest::uniformDoubles() {
    Generator g(11);
    double sum = 0, squares = 0;
    const int m = 1000000;
    for (int i = 0; i < m; ++i) {
        const double u = g.uniform();
        QVERIFY(u >= 0 && u < 1);
        QCOMPARE(std::ldexp(u, 53), std::floor(std::ldexp(u, 53)));
        sum += u;
        squares += u * u;
    }
    const double mean = sum / m, variance = squares / m - mean * mean;
    QVERIFY(std::abs(mean - 0.5) < 4 * std::sqrt(1.0 / 12 / m));
    QVERIFY(std::abs(variance - 1.0 / 12) < 0.002);
}

void SimulationLawTest::indexDraws_data() {
    QTest::addColumn<quint64>("range");
    QTest::addColumn<bool>("wide");
    QTest::newRow("a die, 32 bits") << quint64(6) << false;
    QTest::newRow("7, 64 bits") << quint64(7) << true;
    QTest::newRow("32 767 values") << quint64(32767) << false;
    QTest::newRow("3, 32 bits") << quint64(3) << false;
}

// Every index equally likely: chi-square over the cells, none outside the range.
void SimulationLawTest::indexDraws() {
    QFETCH(quint64, range);
    QFETCH(bool, wide);
    Generator g(range);
    const std::int64_t draws = std::int64_t(range) * 100;
    std::vector<std::int64_t> counts(range, 0);
    for (std::int64_t i = 0; i < draws; ++i) {
        const std::uint64_t k = wide ? g.below(range) : g.below32(std::uint32_t(range));
        QVERIFY(k < range);
        ++counts[k];
    }
    QVERIFY(fit(counts, std::vector<double>(range, 100.0)) < 1);
}

void SimulationLawTest::binomialFits_data() {
    QTest::addColumn<qint64>("n");
    QTest::addColumn<double>("p");
    QTest::addColumn<bool>("inversion");
    QTest::newRow("10, 0,3") << qint64(10) << 0.3 << true;
    QTest::newRow("25, 1/6") << qint64(25) << 1.0 / 6 << true;
    QTest::newRow("1 000, 0,005") << qint64(1000) << 0.005 << true;
    QTest::newRow("30, 0,9 turned") << qint64(30) << 0.9 << true;
    QTest::newRow("25, 0,5") << qint64(25) << 0.5 << false;
    QTest::newRow("100, 0,3") << qint64(100) << 0.3 << false;
    QTest::newRow("1 000, 0,5") << qint64(1000) << 0.5 << false;
    QTest::newRow("1 000, 0,93 turned") << qint64(1000) << 0.93 << false;
    QTest::newRow("100 000, 1/6") << qint64(100000) << 1.0 / 6 << false;
}

// 400 000 draws against the exact law: the chi-square, the mean and the variance.
void SimulationLawTest::binomialFits() {
    QFETCH(qint64, n);
    QFETCH(double, p);
    QFETCH(bool, inversion);
    const Binomial binomial(n, p);
    QCOMPARE(binomial.byInversion(), inversion);
    Generator g(4711);
    const int m = 400000;
    std::vector<std::int64_t> counts(size_t(n + 1), 0);
    double sum = 0, squares = 0;
    for (int i = 0; i < m; ++i) {
        const std::int64_t k = binomial(g);
        QVERIFY(k >= 0 && k <= n);
        ++counts[size_t(k)];
        sum += double(k);
        squares += double(k) * double(k);
    }
    std::vector<double> expected = binomialLaw(n, p);
    for (double& e : expected) e *= m;
    QVERIFY2(fit(counts, expected) < 1, qPrintable(QString::number(fit(counts, expected))));
    const double mean = sum / m, variance = squares / m - mean * mean;
    const double nd = double(n), npq = nd * p * (1 - p);
    QVERIFY(std::abs(mean - nd * p) < 4 * std::sqrt(npq / m));
    QVERIFY(std::abs(variance / npq - 1) < 4 * std::sqrt(2.0 / m) + 0.002);
}

void SimulationLawTest::sharesAgreeWithLaw_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<qint64>("n");
    QTest::newRow("a coin, 100") << 0.5 << qint64(100);
    QTest::newRow("a die, 25") << 1.0 / 6 << qint64(25);
    QTest::newRow("0,3, 1 000") << 0.3 << qint64(1000);
    QTest::newRow("0,02, 50") << 0.02 << qint64(50);
}

// Each share against the exact probability that K/n falls in its interval, within
// four standard deviations of a share of N samples.
void SimulationLawTest::sharesAgreeWithLaw() {
    QFETCH(double, p);
    QFETCH(qint64, n);
    const std::int64_t N = 40000;
    const auto r = simulate({.p = p, .n = n, .samples = N, .series = 4711});
    QVERIFY(r);
    QCOMPARE(r->shares.size(), size_t(4));
    const std::vector<double> law = binomialLaw(n, p);
    for (const Share& s : r->shares) {
        double exact = 0;
        for (std::int64_t k = 0; k <= n; ++k) {
            const double f = double(k) / double(n);
            if (f >= s.lower - 1e-9 && f <= s.upper + 1e-9) exact += law[size_t(k)];
        }
        const double allowed = 4 * std::sqrt(exact * (1 - exact) / double(N)) + 1.0 / double(N);
        QVERIFY2(std::abs(s.share - exact) <= allowed,
                 qPrintable(s.name + u" "_s + QString::number(s.share) + u" "_s +
                            QString::number(exact)));
        QCOMPARE(s.share, double(s.count) / double(N));
    }
    QVERIFY(std::abs(r->sd - std::sqrt(p * (1 - p) / double(n))) <
            0.03 * std::sqrt(p * (1 - p) / double(n)));
}

QTEST_GUILESS_MAIN(SimulationLawTest)
#include "tst_simulation_law.moc"
