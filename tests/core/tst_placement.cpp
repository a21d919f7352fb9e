// Where a million points land, worked out with what they share taken once: the same
// positions to the bit as one value at a time, and the same answer as Qt's own test of a
// rectangle holding a point.

#include "core/drawing.h"
#include "core/graduations.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

namespace {
// Compared bit for bit: QCOMPARE on doubles forgives the last bits.
quint64 bits(double v) {
    return std::bit_cast<quint64>(v);
}
}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void scaleIsPositionToTheBit_data();
    void scaleIsPositionToTheBit();
    void insideIsQtsContains_data();
    void insideIsQtsContains();
};

void PlacementTest::scaleIsPositionToTheBit_data() {
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("length");
    QTest::newRow("a scatter's x") << 975.0 << 1525.0 << 9300.0;
    QTest::newRow("tenths") << 0.1 << 0.7 << 4815.0;
    QTest::newRow("across 0") << -3e-5 << 7e-4 << 1234.5;
    QTest::newRow("the largest doubles") << -1e308 << 1e308 << 8295.0;
    QTest::newRow("one value") << 42.0 << 42.0 << 300.0;
}

void PlacementTest::scaleIsPositionToTheBit() {
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, length);
    // GIVEN an axis graduated for the range and values in it and beyond each end
    const core::Axis axis = core::graduatedAxis(minimum, maximum);
    const core::AxisScale scale(axis, length);
    QRandomGenerator g(7);
    const double low = double(axis.start), high = double(axis.end);
    for (int i = 0; i < 20000; ++i) {
        const double share = g.generateDouble() * 1.4 - 0.2;
        const double value = low * (1 - share) + high * share;
        // THEN the scale puts each where the axis does, and both where the sum worked in
        // extended precision here puts it
        const double expected = double((static_cast<long double>(value) - axis.start) /
                                       (axis.end - axis.start) * length);
        QCOMPARE(bits(scale(value)), bits(axis.position(value, length)));
        QCOMPARE(bits(axis.position(value, length)), bits(expected));
    }
    // The ends of the axis at the ends of the length.
    QCOMPARE(scale(low), 0.0);
    QCOMPARE(scale(high), length);
}

void PlacementTest::insideIsQtsContains_data() {
    QTest::addColumn<QRectF>("area");
    QTest::newRow("a chart's zone") << QRectF(720, 1620, 9300, 4980);
    QTest::newRow("with a margin, negative corner") << QRectF(-64, -64, 850, 482);
    QTest::newRow("negative width and height") << QRectF(10, 20, -30, -40);
    QTest::newRow("no height") << QRectF(0, 5, 10, 0);
    QTest::newRow("no width") << QRectF(5, 0, 0, 10);
    QTest::newRow("far off, width lost in rounding") << QRectF(1e17, 0, 1, 10);
    QTest::newRow("a third") << QRectF(0.1, 0.2, 1.0 / 3, 0.7);
}

void PlacementTest::insideIsQtsContains() {
    QFETCH(QRectF, area);
    const core::Inside inside(area);
    QRandomGenerator g(3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Every corner and edge, points around them, and points with no value.
    std::vector<double> xs{area.left(), area.right(), nan}, ys{area.top(), area.bottom(), nan};
    for (int i = 0; i < 40; ++i) {
        xs.push_back(area.x() + (g.generateDouble() * 1.6 - 0.3) * area.width());
        ys.push_back(area.y() + (g.generateDouble() * 1.6 - 0.3) * area.height());
    }
    for (const double x : {area.left(), area.right()}) {
        xs.push_back(std::nextafter(x, -INFINITY));
        xs.push_back(std::nextafter(x, INFINITY));
    }
    for (const double y : {area.top(), area.bottom()}) {
        ys.push_back(std::nextafter(y, -INFINITY));
        ys.push_back(std::nextafter(y, INFINITY));
    }
    for (const double x : xs)
        for (const double y : ys) QCOMPARE(inside({x, y}), area.contains(QPointF(x, y)));
}

QTEST_GUILESS_MAIN(PlacementTest)
#include "tst_placement.moc"
