// Two variables with no window, beyond the straight line: the changes of variable and
// the exponential fit on exact data, the predictions, and the equations as written.

#include "core/numbers.h"
#include "core/pairs/fits.h"
#include "core/pairs/texts.h"
#include "pair_working.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace core::pairs;

Q_DECLARE_METATYPE(Change)

namespace {

using test::near;
using test::normalEquations;
using test::pairsOf;

}  // namespace

class PairFitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void changesOfVariableOnExactData_data();
    void changesOfVariableOnExactData();
    void exponentialFit();
    void predictions_data();
    void predictions();
    void equations_data();
    void equations();
};

void PairFitsTest::changesOfVariableOnExactData_data() {
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

void PairFitsTest::changesOfVariableOnExactData() {
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

void PairFitsTest::exponentialFit() {
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

void PairFitsTest::predictions_data() {
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

void PairFitsTest::predictions() {
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

void PairFitsTest::equations_data() {
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

void PairFitsTest::equations() {
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

QTEST_GUILESS_MAIN(PairFitsTest)
#include "tst_pair_fits.moc"
