// The parameters window's box plot of both series as a record: each box, median and
// whisker where the five figures worked by hand put them on the record's own axis.

#include "core/numbers.h"
#include "core/series_box_plot.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Kind = core::Drawing::Operation::Kind;
constexpr quint32 kBlue = 65536u * 255, kRed = 255;

// The x-extent of the vertical and horizontal lines of one colour and width.
struct Extent {
    double left = 1e300, right = -1e300;
    QList<double> verticals;  // x of each vertical line
};
Extent extentOf(const core::Drawing& d, quint32 colour, int width) {
    Extent e;
    for (const auto& op : d.operations()) {
        if (op.kind != Kind::Line || op.colour != colour || op.width != width) continue;
        e.left = std::min({e.left, double(op.x1), double(op.x2)});
        e.right = std::max({e.right, double(op.x1), double(op.x2)});
        if (op.x1 == op.x2) e.verticals << op.x1;
    }
    return e;
}

}  // namespace

class SeriesBoxPlotTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void boxesStandAtTheirFigures_data();
    void boxesStandAtTheirFigures();
    void nothingToDraw();
};

void SeriesBoxPlotTest::boxesStandAtTheirFigures_data() {
    QTest::addColumn<std::vector<double>>("first");
    QTest::addColumn<std::vector<double>>("second");
    // min, Q1, Me, Q3, max of each, by hand (quartiles as the class is taught: the
    // value of rank ⌈n/4⌉ and ⌈3n/4⌉)
    QTest::addColumn<QList<double>>("figures1");
    QTest::addColumn<QList<double>>("figures2");
    QTest::newRow("worked example") << std::vector<double>{5, 7, 5, 9} << std::vector<double>{}
                                    << QList<double>{5, 5, 6, 7, 9} << QList<double>{};
    QTest::newRow("both") << std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8}
                          << std::vector<double>{10, 20, 30} << QList<double>{1, 2, 4.5, 6, 8}
                          << QList<double>{10, 10, 20, 30, 30};
    QTest::newRow("second alone") << std::vector<double>{} << std::vector<double>{-2, 2}
                                  << QList<double>{} << QList<double>{-2, -2, 0, 2, 2};
    QTest::newRow("one value") << std::vector<double>{3} << std::vector<double>{}
                               << QList<double>{3, 3, 3, 3, 3} << QList<double>{};
}

void SeriesBoxPlotTest::boxesStandAtTheirFigures() {
    QFETCH(std::vector<double>, first);
    QFETCH(std::vector<double>, second);
    QFETCH(QList<double>, figures1);
    QFETCH(QList<double>, figures2);
    const core::Surface surface{11700, float(core::kSeriesBoxPlotHeight), 2, 0};
    const core::TableChartRecord g =
        core::seriesBoxPlot(core::parameters(first), core::parameters(second), surface);
    QVERIFY(g.fault.isEmpty());
    const QList<double>* figures[2] = {&figures1, &figures2};
    const quint32 colours[2] = {kBlue, kRed};
    const auto x = [&](double v) { return g.frame.point(v, 0).x(); };
    for (int s = 0; s < 2; ++s) {
        const QList<double>& f = *figures[s];
        const Extent whiskers = extentOf(g.drawing, colours[s], 2);
        const Extent median = extentOf(g.drawing, colours[s], 3);
        if (f.isEmpty()) {
            QCOMPARE(whiskers.verticals.size() + median.verticals.size(), 0);
            continue;
        }
        // THEN the whiskers reach from the minimum to the maximum, the box's sides stand
        // at the quartiles and the median line at the median
        QCOMPARE(whiskers.left, x(f[0]));
        QCOMPARE(whiskers.right, x(f[4]));
        QCOMPARE(median.verticals, QList<double>{x(f[2])});
        for (const double at : {f[0], f[1], f[3], f[4]})
            QVERIFY2(whiskers.verticals.contains(float(x(at))), qPrintable(QString::number(at)));
        QVERIFY(g.description.contains(
            u"Série %1 : minimum %2"_s.arg(s + 1).arg(QLocale(QLocale::French).toString(f[0]))));
    }
    // Every line within the area, the axis's values included.
    for (const auto& op : g.drawing.operations())
        QVERIFY(op.x1 >= 0 && op.x2 <= surface.width && op.y2 <= surface.height);
    QVERIFY(x(double(g.frame.x.end)) < surface.width - 300);
}

void SeriesBoxPlotTest::nothingToDraw() {
    const core::TableChartRecord g =
        core::seriesBoxPlot(core::parameters({}), core::parameters({}), {});
    QVERIFY(g.drawing.isEmpty());
    QCOMPARE(g.fault, u"Aucune des deux séries n'a de valeur à dessiner."_s);
}

QTEST_GUILESS_MAIN(SeriesBoxPlotTest)
#include "tst_series_box_plot.moc"
