// Two variables with no window: every figure and line against an independent working
// (the normal equations solved directly, Mayer's groups from a stable sort), the
// properties any data keeps (collinear points, permutations, r within [−1 ; 1]) and
// the faults. The changes of variable, the exponential fit and the texts are
// tst_pair_fits.

#include "core/numbers.h"
#include "core/pairs/fits.h"
#include "core/pairs/texts.h"
#include "pair_working.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace core::pairs;

Q_DECLARE_METATYPE(Method)

namespace {

using test::near;
using test::normalEquations;
using test::pairsOf;

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
    void faults_data();
    void faults();
    void sumOfSquaredResiduals();
    void farFromZero();
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

QTEST_GUILESS_MAIN(PairStatisticsTest)
#include "tst_pair_statistics.moc"
