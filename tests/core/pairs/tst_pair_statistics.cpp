// Two variables with no window: every figure and fit against an independent working
// (the normal equations solved directly, Mayer's groups from a stable sort), the
// properties any data keeps (collinear points, permutations, r within [−1 ; 1]), the
// changes of variable and the exponential fit on exact data, and the texts.

#include "core/numbers.h"
#include "core/pairs/fits.h"
#include "core/pairs/texts.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace core::pairs;

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Method)

namespace {

Pairs pairsOf(const QList<double>& x, const QList<double>& y) {
    return {u"x"_s, u"y"_s, std::vector<double>(x.begin(), x.end()),
            std::vector<double>(y.begin(), y.end())};
}

bool near(double a, double b, double tolerance = 1e-9) {
    return std::abs(a - b) <= tolerance * std::max({1.0, std::abs(a), std::abs(b)});
}

// The least-squares line from the normal equations, in raw sums, by Cramer's rule:
// Σx²·a + Σx·b = Σxy and Σx·a + n·b = Σy. Long double keeps the raw sums honest.
Line normalEquations(const Pairs& p) {
    long double sx = 0, sy = 0, sxx = 0, sxy = 0, n = p.size();
    for (std::size_t i = 0; i < p.size(); ++i) {
        sx += p.x[i];
        sy += p.y[i];
        sxx += (long double)p.x[i] * p.x[i];
        sxy += (long double)p.x[i] * p.y[i];
    }
    const long double d = sxx * n - sx * sx;
    return {double((sxy * n - sx * sy) / d), double((sxx * sy - sx * sxy) / d)};
}

Pairs randomPairs(quint32 seed, int n) {
    QRandomGenerator g(seed);
    Pairs p;
    for (int i = 0; i < n; ++i) {
        const double x = std::round(g.bounded(1000.0)) / 10;
        p.x.push_back(x);
        p.y.push_back(2.5 * x - 7 + g.bounded(40.0) - 20);
    }
    return p;
}

}  // namespace

class PairStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void handWorked();
    void againstNormalEquations_data();
    void againstNormalEquations();
    void collinearPointsGiveTheirLine_data();
    void collinearPointsGiveTheirLine();
    void mayerGroups_data();
    void mayerGroups();
    void changesOfVariableOnExactData_data();
    void changesOfVariableOnExactData();
    void exponentialFit();
    void predictions_data();
    void predictions();
    void faults_data();
    void faults();
    void sumOfSquaredResiduals();
    void farFromZero();
    void equations_data();
    void equations();
};

void PairStatisticsTest::handWorked() {
    // x: 1 2 3 4, y: 2 3 5 6. x̄ = 2,5, ȳ = 4, V(x) = 1,25, V(y) = 2,5, cov = 1,75,
    // a = 1,4, b = 0,5, r = 1,75 / √(1,25 × 2,5) ≈ 0,98995.
    const auto s = summarize(pairsOf({1, 2, 3, 4}, {2, 3, 5, 6}));
    QVERIFY(s);
    QCOMPARE(s->n, 4u);
    QVERIFY(near(s->meanX, 2.5) && near(s->meanY, 4));
    QVERIFY(near(s->varianceX, 1.25) && near(s->varianceY, 2.5) && near(s->covariance, 1.75));
    QVERIFY(near(*s->r, 1.75 / std::sqrt(1.25 * 2.5)));
    const auto l = leastSquares(*s);
    QVERIFY(near(l->a, 1.4) && near(l->b, 0.5));
    // x in y: a' = 1,75 / 2,5 = 0,7, b' = 2,5 − 0,7 × 4 = −0,3.
    const auto k = leastSquaresXInY(*s);
    QVERIFY(near(k->a, 0.7) && near(k->b, -0.3));
}

void PairStatisticsTest::againstNormalEquations_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("n");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
        QTest::addRow("seed %u, %d pairs", seed, int(seed) * 37) << seed << int(seed) * 37;
}

void PairStatisticsTest::againstNormalEquations() {
    QFETCH(quint32, seed);
    QFETCH(int, n);
    Pairs p = randomPairs(seed, n);
    const auto s = summarize(p);
    const Line expected = normalEquations(p);
    const auto l = leastSquares(*s);
    QVERIFY(near(l->a, expected.a, 1e-9) && near(l->b, expected.b, 1e-9));
    QVERIFY(*s->r >= -1 && *s->r <= 1);
    // r² is the share of V(y) the line explains: 1 − SSR / (n·V(y)).
    const double ssr = core::pairs::sumOfSquaredResiduals(p, *l);
    QVERIFY(near(*s->r * *s->r, 1 - ssr / (double(n) * s->varianceY), 1e-9));
    // The least-squares line has the least sum: any other line has more.
    for (const Line other : {Line{l->a + 0.01, l->b}, Line{l->a, l->b - 0.1}})
        QVERIFY(core::pairs::sumOfSquaredResiduals(p, other) > ssr);
    // The same pairs in another order give the same figures.
    std::vector<std::size_t> order(p.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), QRandomGenerator(seed + 100));
    Pairs q;
    for (std::size_t i : order) {
        q.x.push_back(p.x[i]);
        q.y.push_back(p.y[i]);
    }
    const auto t = summarize(q);
    QVERIFY(near(t->meanX, s->meanX) && near(t->covariance, s->covariance) && near(*t->r, *s->r));
    const auto m = mayer(p), mq = mayer(q);
    QVERIFY(near(m->g1.x, mq->g1.x) && near(m->g1.y, mq->g1.y) && near(m->line.a, mq->line.a));
}

void PairStatisticsTest::collinearPointsGiveTheirLine_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("rising") << 2.0 << -3.0;
    QTest::newRow("falling") << -0.5 << 10.0;
    QTest::newRow("steep, far off") << 250.0 << 1e6;
}

void PairStatisticsTest::collinearPointsGiveTheirLine() {
    QFETCH(double, a);
    QFETCH(double, b);
    Pairs p;
    for (double x : {3.0, -1.0, 4.0, 10.0, 0.5, 7.0, 2.0}) {
        p.x.push_back(x);
        p.y.push_back(a * x + b);
    }
    const auto s = summarize(p);
    QCOMPARE(*s->r, a > 0 ? 1.0 : -1.0);
    for (Method method : {Method::LeastSquares, Method::LeastSquaresXInY, Method::Mayer}) {
        const auto c = fit(p, method);
        QVERIFY(c);
        const Line line = *c->yInX();
        QVERIFY2(near(line.a, a, 1e-9) && near(line.b, b, 1e-9), qPrintable(equation(*c, 6)));
    }
}

void PairStatisticsTest::mayerGroups_data() {
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");
    QTest::addColumn<int>("first");
    // Even: sorted x 1 2 | 3 4. Odd: the middle pair (x = 3) goes with the first.
    QTest::newRow("even") << QList<double>{4, 1, 3, 2} << QList<double>{8, 1, 5, 3} << 2;
    QTest::newRow("odd") << QList<double>{5, 1, 3, 2, 4} << QList<double>{9, 1, 5, 4, 6} << 3;
    // Equal x across the split: those met first go first, as a stable sort keeps them.
    QTest::newRow("ties at the split")
        << QList<double>{2, 1, 2, 2, 3, 2} << QList<double>{10, 0, 20, 30, 7, 40} << 3;
}

void PairStatisticsTest::mayerGroups() {
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    QFETCH(int, first);
    const auto m = mayer(pairsOf(x, y));
    QVERIFY(m);
    QCOMPARE(int(m->firstCount), first);
    QCOMPARE(core::pairs::mayerGroups(*m), x.size() % 2
                                               ? u"5 paires, un nombre impair : le premier groupe "
                                                 u"prend la paire du milieu (3 paires contre 2)"_s
                                               : u"2 groupes de %1 paires"_s.arg(first));
    // Independently: a stable sort by x and the means of each half.
    std::vector<std::pair<double, double>> sorted;
    for (int i = 0; i < x.size(); ++i) sorted.emplace_back(x[i], y[i]);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](auto& p, auto& q) { return p.first < q.first; });
    Point g1, g2;
    for (int i = 0; i < int(sorted.size()); ++i) {
        Point& g = i < first ? g1 : g2;
        g.x += sorted[i].first / (i < first ? first : int(sorted.size()) - first);
        g.y += sorted[i].second / (i < first ? first : int(sorted.size()) - first);
    }
    QVERIFY(near(m->g1.x, g1.x) && near(m->g1.y, g1.y));
    QVERIFY(near(m->g2.x, g2.x) && near(m->g2.y, g2.y));
    QVERIFY(near(m->line.at(g1.x), g1.y) && near(m->line.at(g2.x), g2.y));
}

void PairStatisticsTest::changesOfVariableOnExactData_data() {
    QTest::addColumn<Change>("onX");
    QTest::addColumn<Change>("onY");
    QTest::addColumn<QString>("law");  // y as a function of x, exactly on the changed line
    QTest::newRow("ln y = 0,3x + 1") << Change::None << Change::Log << u"exp"_s;
    QTest::newRow("y = 2 ln x + 1") << Change::Log << Change::None << u"log"_s;
    QTest::newRow("y = 6/x + 1") << Change::Inverse << Change::None << u"inverse"_s;
    QTest::newRow("1/y = 0,5x + 2") << Change::None << Change::Inverse << u"1/y"_s;
    QTest::newRow("y = 3x² − 4") << Change::Square << Change::None << u"square"_s;
    QTest::newRow("y² = 2x + 1") << Change::None << Change::Square << u"y²"_s;
    QTest::newRow("√y = x + 2") << Change::None << Change::SquareRoot << u"√y"_s;
    QTest::newRow("y = 4√x − 1") << Change::SquareRoot << Change::None << u"√x"_s;
}

void PairStatisticsTest::changesOfVariableOnExactData() {
    QFETCH(Change, onX);
    QFETCH(Change, onY);
    QFETCH(QString, law);
    const auto f = [&](double x) {
        if (law == u"exp"_s) return std::exp(0.3 * x + 1);
        if (law == u"log"_s) return 2 * std::log(x) + 1;
        if (law == u"inverse"_s) return 6 / x + 1;
        if (law == u"1/y"_s) return 1 / (0.5 * x + 2);
        if (law == u"square"_s) return 3 * x * x - 4;
        if (law == u"y²"_s) return std::sqrt(2 * x + 1);
        if (law == u"√y"_s) return (x + 2) * (x + 2);
        return 4 * std::sqrt(x) - 1;
    };
    Pairs p;
    for (double x : {0.5, 1.0, 2.0, 3.0, 5.0, 8.0}) {
        p.x.push_back(x);
        p.y.push_back(f(x));
    }
    for (Method method : {Method::LeastSquares, Method::Mayer}) {
        const auto c = fit(p, method, onX, onY);
        QVERIFY2(c, qPrintable(c.fault));
        // The curve brought back goes through every pair, and the changed scatter is
        // exactly on its line: r = ±1.
        for (std::size_t i = 0; i < p.size(); ++i) QVERIFY(near(c->y(p.x[i]), p.y[i], 1e-9));
        QVERIFY(near(std::abs(*summarize(*changedPairs(p, onX, onY))->r), 1, 1e-12));
        QVERIFY(near(c->x(f(4)), 4, 1e-9));
    }
}

void PairStatisticsTest::exponentialFit() {
    // y = 3 × 1,2ˣ exactly; then a turnover with noise, against ln y fitted by hand.
    Pairs p;
    for (int x = 0; x < 8; ++x) {
        p.x.push_back(x);
        p.y.push_back(3 * std::pow(1.2, x));
    }
    auto e = core::pairs::exponentialFit(p);
    QVERIFY(near(e->k, 3, 1e-12) && near(e->a, 1.2, 1e-12));
    QCOMPARE(equation(*e, 2), u"y = 3 × 1,2ˣ"_s);
    p.y = {100, 108, 119, 127, 140, 150, 163, 178};
    e = core::pairs::exponentialFit(p);
    Pairs logs = p;
    for (double& v : logs.y) v = std::log(v);
    const Line l = normalEquations(logs);
    QVERIFY(near(e->k, std::exp(l.b)) && near(e->a, std::exp(l.a)));
    QVERIFY(near(e->curve.y(10), e->k * std::pow(e->a, 10)));
}

void PairStatisticsTest::predictions_data() {
    QTest::addColumn<bool>("forY");
    QTest::addColumn<double>("given");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("kind");
    // y = 1,4x + 0,5 on x from 1 to 4, y from 2 to 6.
    QTest::newRow("y inside") << true << 2.5 << 4.0 << u"interpolation"_s;
    QTest::newRow("y at an end") << true << 4.0 << 6.1 << u"interpolation"_s;
    QTest::newRow("y beyond") << true << 10.0 << 14.5 << u"extrapolation"_s;
    QTest::newRow("x inside") << false << 4.7 << 3.0 << u"interpolation"_s;
    QTest::newRow("x below") << false << -0.9 << -1.0 << u"extrapolation"_s;
}

void PairStatisticsTest::predictions() {
    QFETCH(bool, forY);
    QFETCH(double, given);
    QFETCH(double, value);
    QFETCH(QString, kind);
    const Pairs p = pairsOf({1, 2, 3, 4}, {2, 3, 5, 6});
    const auto c = fit(p, Method::LeastSquares);
    const auto s = summarize(p);
    const auto e = forY ? predictY(*c, *s, given) : predictX(*c, *s, given);
    QVERIFY(e);
    QVERIFY(near(e->value, value));
    QCOMPARE(e->kind(), kind);
}

void PairStatisticsTest::faults_data() {
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");
    QTest::addColumn<Method>("method");
    QTest::addColumn<Change>("onX");
    QTest::addColumn<Change>("onY");
    QTest::addColumn<QString>("fault");
    QTest::newRow("one pair") << QList<double>{1} << QList<double>{2} << Method::LeastSquares
                              << Change::None << Change::None << u"il faut au moins deux paires"_s;
    QTest::newRow("V(x) = 0") << QList<double>{3, 3, 3} << QList<double>{1, 2, 4}
                              << Method::LeastSquares << Change::None << Change::None
                              << u"la variance des x est nulle (toutes les valeurs de x sont "
                                 u"égales) : aucune droite de y en x ne s'ajuste"_s;
    QTest::newRow("Mayer, one x") << QList<double>{3, 3} << QList<double>{1, 2} << Method::Mayer
                                  << Change::None << Change::None
                                  << u"les deux points moyens G1 et G2 ont la même abscisse : la "
                                     u"droite de Mayer serait parallèle à l'axe des ordonnées"_s;
    QTest::newRow("ln of y ≤ 0") << QList<double>{1, 2, 3} << QList<double>{4, -2, 1}
                                 << Method::LeastSquares << Change::None << Change::Log
                                 << u"ln y demande des valeurs strictement positives : y = -2 à "
                                    u"la paire 2"_s;
    QTest::newRow("1/x of 0") << QList<double>{1, 0, 3} << QList<double>{4, 2, 1} << Method::Mayer
                              << Change::Inverse << Change::None
                              << u"1/x demande des valeurs non nulles : x = 0 à la paire 2"_s;
    QTest::newRow("√ of x < 0") << QList<double>{1, -0.5, 3} << QList<double>{4, 2, 1}
                                << Method::LeastSquares << Change::SquareRoot << Change::None
                                << u"√x demande des valeurs positives : x = -0,5 à la paire 2"_s;
    QTest::newRow("too large") << QList<double>{1e300, -1e300, 5} << QList<double>{1, 2, 3}
                               << Method::LeastSquares << Change::None << Change::None
                               << u"les valeurs sont trop grandes pour ce calcul"_s;
    QTest::newRow("too close") << QList<double>{1e-300, 2e-300, 3e-300} << QList<double>{1, 2, 3}
                               << Method::LeastSquares << Change::None << Change::None
                               << u"les écarts entre les valeurs sont trop petits pour ce calcul"_s;
}

void PairStatisticsTest::faults() {
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    QFETCH(Method, method);
    QFETCH(Change, onX);
    QFETCH(Change, onY);
    QFETCH(QString, fault);
    const auto c = fit(pairsOf(x, y), method, onX, onY);
    QVERIFY(!c);
    QCOMPARE(c.fault, fault);
}

void PairStatisticsTest::sumOfSquaredResiduals() {
    // Residuals of y = x + 1 on (0 ; 1), (1 ; 3), (2 ; 2): 0, 1, −1, so the sum is 2.
    const Pairs p = pairsOf({0, 1, 2}, {1, 3, 2});
    const Line line = *lineThrough({0, 1}, {2, 3});
    QCOMPARE(residuals(p, line), (std::vector<double>{0, 1, -1}));
    QCOMPARE(core::pairs::sumOfSquaredResiduals(p, line), 2.0);
    QCOMPARE(core::pairs::sumOfSquaredResiduals(p, byEye(line)), 2.0);
    QVERIFY(!lineThrough({1, 1}, {1, 5}));
}

void PairStatisticsTest::farFromZero() {
    // A million added to every x and a billion to every y move the means only.
    Pairs p = pairsOf({1, 2, 3, 4}, {2, 3, 5, 6});
    for (double& v : p.x) v += 1e6;
    for (double& v : p.y) v += 1e9;
    const auto s = summarize(p);
    QVERIFY(near(s->varianceX, 1.25, 1e-12) && near(s->covariance, 1.75, 1e-12));
    QVERIFY(near(leastSquares(*s)->a, 1.4, 1e-12));
    // 300,000 pairs a hundred million from zero, against two passes in extended
    // precision: the variance of x (about 833) keeps twelve digits.
    Pairs q = randomPairs(9, 300000);
    for (double& v : q.x) v += 1e8;
    long double mx = 0, vx = 0;
    for (double v : q.x) mx += v;
    mx /= q.size();
    for (double v : q.x) vx += (v - mx) * (v - mx);
    vx /= q.size();
    QVERIFY(near(summarize(q)->varianceX, double(vx), 1e-12));
}

void PairStatisticsTest::equations_data() {
    QTest::addColumn<Method>("method");
    QTest::addColumn<Change>("onX");
    QTest::addColumn<Change>("onY");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    const Method ls = Method::LeastSquares;
    const Change none = Change::None;
    QTest::newRow("+") << ls << none << none << 2.345 << 10.4 << 2 << u"y = 2,35x + 10,4"_s;
    QTest::newRow("−") << ls << none << none << 2.354 << -10.4 << 2 << u"y = 2,35x − 10,4"_s;
    QTest::newRow("a < 0") << ls << none << none << -0.5 << 3.0 << 1 << u"y = −0,5x + 3"_s;
    QTest::newRow("a = 1, b = 0") << ls << none << none << 1.0004 << 0.0001 << 2 << u"y = x"_s;
    QTest::newRow("a = 0") << ls << none << none << 0.001 << -2.0 << 2 << u"y = −2"_s;
    QTest::newRow("x in y") << Method::LeastSquaresXInY << none << none << 0.7 << -0.3 << 3
                            << u"x = 0,7y − 0,3"_s;
    QTest::newRow("ln y") << ls << none << Change::Log << 0.2 << 1.3 << 2 << u"ln y = 0,2x + 1,3"_s;
    QTest::newRow("ln x") << ls << Change::Log << none << 3.0 << 1.0 << 2 << u"y = 3 ln x + 1"_s;
    QTest::newRow("1/x") << ls << Change::Inverse << none << 5.0 << 2.0 << 2 << u"y = 5/x + 2"_s;
    QTest::newRow("x²") << ls << Change::Square << none << -1.5 << 0.0 << 2 << u"y = −1,5x²"_s;
    QTest::newRow("√y, √x") << ls << Change::SquareRoot << Change::SquareRoot << 2.0 << -1.0 << 0
                            << u"√y = 2 √x − 1"_s;
}

void PairStatisticsTest::equations() {
    QFETCH(Method, method);
    QFETCH(Change, onX);
    QFETCH(Change, onY);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(equation(Curve{method, onX, onY, {a, b}}, decimals), text);
    QCOMPARE(pointText({12.5, -40.06}, 1), u"(12,5 ; −40,1)"_s);
    QCOMPARE(rounded(-0.0004, 3), u"0"_s);
}

QTEST_GUILESS_MAIN(PairStatisticsTest)
#include "tst_pair_statistics.moc"
