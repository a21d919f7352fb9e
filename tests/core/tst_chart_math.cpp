// The step, the scale and the angles the charts compute with.

#include "core/chart_math.h"
#include "core/failure.h"

#include <QTest>

#include <random>

class ChartMathTest : public QObject {
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void step();
    void pointOnARadius();
    void spokesInRunsEqualTheExactOnes();
};

void ChartMathTest::scale_data() {
    QTest::addColumn<double>("largest");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<double>("k");
    QTest::newRow("exercise") << 124.0 << false << 36.0;
    QTest::newRow("negative") << -2.0 << false << -2258.0;
    QTest::newRow("decimal within 16 bits") << 0.2 << false << 22575.0;
    QTest::newRow("last that fits") << 0.137787 << false << 32767.0;
    QTest::newRow("first past 16 bits: exact quotient") << 0.1377 << false << 4515 / 0.1377;
    QTest::newRow("negative past 16 bits") << -0.1 << false << 4515 / -0.1;
    QTest::newRow("huge largest value: flat") << 1e308 << false << 0.0;
    QTest::newRow("zero") << 0.0 << true << 0.0;
    QTest::newRow("quotient beyond the double range") << 1e-320 << true << 0.0;
}

void ChartMathTest::scale() {
    QFETCH(double, largest);
    QFETCH(bool, fails);
    QFETCH(double, k);
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(core::Failure, chart_math::scale(4815, largest));
    } else {
        QCOMPARE(chart_math::scale(4815, largest), k);
    }
}

void ChartMathTest::step() {
    QCOMPARE(chart_math::step(8295, 8), 1127.0);
    QCOMPARE(chart_math::step(8295, 120), 66.0);
    QVERIFY_THROWS_EXCEPTION(core::Failure, chart_math::step(8295, 1));
    QCOMPARE(chart_math::ordinate(4815, 124, 36), 151.0);
    QCOMPARE(chart_math::ordinate(4815, -5, 903), 9130.0);
    QVERIFY_THROWS_EXCEPTION(core::Failure, chart_math::ordinate(4815, 1e308, 36));
}

void ChartMathTest::pointOnARadius() {
    // Twelve o'clock, then clockwise: a quarter turn (157) points right.
    QCOMPARE(chart_math::onRadius(4147.5, 2407.5, 2173, 0), QPointF(4148.5, 235.5));
    QCOMPARE(chart_math::onRadius(0, 0, 1000, 157), QPointF(1000, -0.0));
    QCOMPARE(chart_math::onRadius(4147.5, 2407.5, 2173, 251.2), QPointF(5425.5, 4165.5));
}

void ChartMathTest::spokesInRunsEqualTheExactOnes() {
    // Sectors of every width, from a few hundredths of a turn down to the slivers of a
    // ten-thousand-item pie, some across a quarter turn, walked spoke by spoke as the
    // pie does: every spoke of a run ends where onRadius puts it.
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> span(1e-5, 700.0), start(-700.0, 1400.0);
    int points = 0;
    for (int sector = 0; sector < 4000; ++sector) {
        const double rho = sector % 2 ? 2173 : 1519;
        const double cx = 4147.5, cy = 2407.5;
        double a = sector % 7 ? start(random) : 157 * (sector % 4) - 1e-4;
        const double step = (sector % 5 ? span(random) : span(random) * 1e-3) / 75;
        double angles[75];
        for (double& angle : angles) angle = a += step;
        int expected = 0, first = 0, count = 0;
        QPointF P;
        chart_math::Extremes ends(cx, cy, rho, angles, 75);
        while (ends.next(first, count, P)) {
            QCOMPARE(first, expected);
            for (int k = first; k < first + count; ++k, ++points)
                QCOMPARE(P, chart_math::onRadius(cx, cy, rho, angles[k]));
            expected = first + count;
        }
        QCOMPARE(expected, 75);
    }
    QCOMPARE(points, 4000 * 75);
}

QTEST_GUILESS_MAIN(ChartMathTest)
#include "tst_chart_math.moc"
