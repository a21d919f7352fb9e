// The table's charts worked out with no window: the histogram's areas, the cumulative
// polygon and its readings, the bars, the box plot, and the charts that do not fit.

#include "core/table_charts.h"

#include <QTest>

using namespace Qt::StringLiterals;
using core::TableChart;

namespace {

using Kind = core::Drawing::Operation::Kind;
constexpr quint32 kBlue = 65536u * 200 + 256u * 80 + 30;

core::TableAnalysis classes(const QList<std::array<double, 3>>& lines, bool closedRight = true) {
    core::FrequencyTable t;
    t.nature = core::FrequencyTable::Nature::Classes;
    t.closedRight = closedRight;
    for (const auto& [a, b, n] : lines)
        t.lines.push_back({.lower = QString::number(a),
                           .upper = QString::number(b),
                           .count = QString::number(n)});
    return core::analyseTable(t);
}

core::TableAnalysis values(const QList<std::array<double, 2>>& lines) {
    core::FrequencyTable t;
    for (const auto& [v, n] : lines)
        t.lines.push_back({.value = QString::number(v), .count = QString::number(n)});
    return core::analyseTable(t);
}

// The rectangles of the histogram, as (left, top, right, bottom) in twips: each drawn
// as four blue lines, the key's thinner ones left out.
QList<QRectF> rectangles(const core::Drawing& d) {
    QList<QRectF> found;
    const auto& ops = d.operations();
    for (size_t i = 0; i + 3 < ops.size(); i += 1) {
        if (ops[i].kind != Kind::Line || ops[i].colour != kBlue || ops[i].width != 2) continue;
        found << QRectF(QPointF(ops[i].x1, ops[i].y1), QPointF(ops[i + 1].x2, ops[i + 1].y2));
        i += 3;
    }
    return found;
}

// The record keeps single precision.
bool near(QPointF a, QPointF b) {
    return qAbs(a.x() - b.x()) < 0.01 && qAbs(a.y() - b.y()) < 0.01;
}

QStringList texts(const core::Drawing& d) {
    QStringList found;
    for (const auto& l : d.shownLabels()) found << l.text;
    return found;
}

}  // namespace

class TableChartRecordsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void histogramAreas_data();
    void histogramAreas();
    void exerciseCumulative();
    void valuesAsBarsAndSteps();
    void boxToExtremesOrDeciles();
    void chartsThatDoNotFit_data();
    void chartsThatDoNotFit();
    void namesOnTheCommandLine();
};

void TableChartRecordsTest::histogramAreas_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<QList<double>>("heights");  // relative to the first rectangle
    QTest::addColumn<QString>("yTitle");
    QTest::newRow("the exercise: equal widths, heights as counts")
        << 0
        << QList<double>{1, 14 / 5.0, 31 / 5.0, 124 / 5.0, 106 / 5.0, 51 / 5.0, 22 / 5.0, 7 / 5.0}
        << u"Effectif"_s;
    QTest::newRow("[0;10[ 10 and [10;30[ 10: heights 2 to 1")
        << 1 << QList<double>{1, 0.5} << u"Effectif par unité"_s;
}

void TableChartRecordsTest::histogramAreas() {
    QFETCH(int, table);
    QFETCH(QList<double>, heights);
    QFETCH(QString, yTitle);
    const core::TableAnalysis a = table == 0 ? core::analyseTable(core::exerciseTable())
                                             : classes({{0, 10, 10}, {10, 30, 10}}, false);
    const core::TableChartRecord g = core::tableChartRecord(a, TableChart::Histogram);
    QVERIFY2(g.fault.isEmpty(), qPrintable(g.fault));
    const QList<QRectF> r = rectangles(g.drawing);
    QCOMPARE(r.size(), heights.size());
    const double base = r[0].bottom() - r[0].top();
    for (int i = 0; i < r.size(); ++i) {
        QVERIFY(qAbs((r[i].bottom() - r[i].top()) / base - heights[i]) < 1e-3);
        QCOMPARE(r[i].bottom(), g.frame.zone.bottom());
        if (i > 0) QVERIFY(qAbs(r[i].left() - r[i - 1].right()) < 0.01);  // contiguous
    }
    // Equal widths for equal classes; the second class twice as wide.
    const double w0 = r[0].right() - r[0].left(), w1 = r[1].right() - r[1].left();
    QVERIFY(qAbs(w1 / w0 - (table == 0 ? 1 : 2)) < 1e-3);
    const QStringList t = texts(g.drawing);
    QVERIFY(t.contains(u"Histogramme"_s));
    QVERIFY(t.contains(yTitle));
    QVERIFY(g.description.startsWith(u"Histogramme"_s));
}

void TableChartRecordsTest::exerciseCumulative() {
    const core::TableAnalysis a = core::analyseTable(core::exerciseTable());
    const core::TableChartRecord g = core::tableChartRecord(a, TableChart::Cumulative);
    QVERIFY2(g.fault.isEmpty(), qPrintable(g.fault));
    // The broken line, in twips, through (90, 0), (100, 5), ..., (170, 360).
    const QList<QPointF> expected = {{90, 0},    {100, 5},   {110, 19},  {120, 50}, {130, 174},
                                     {140, 280}, {150, 331}, {160, 353}, {170, 360}};
    QList<QPointF> curve;
    for (const auto& op : g.drawing.operations())
        if (op.kind == Kind::Line && op.colour == kBlue) {
            if (curve.isEmpty()) curve << QPointF(op.x1, op.y1);
            curve << QPointF(op.x2, op.y2);
        }
    QCOMPARE(curve.size(), expected.size());
    for (int i = 0; i < curve.size(); ++i) {
        const QPointF p = g.frame.point(expected[i].x(), expected[i].y());
        QVERIFY2(near(curve[i], p), qPrintable(QString::number(i)));
    }
    QVERIFY(texts(g.drawing).contains(u"Me ≈ 130,566"_s));
    QVERIFY(texts(g.drawing).contains(u"Q1 ≈ 123,226"_s));
    QVERIFY(g.description.contains(u"(170 ; 360)"_s));
    // In percentages the same points end at 100.
    const core::TableChartRecord p = core::tableChartRecord(a, TableChart::CumulativePercent);
    QVERIFY(p.description.contains(u"(170 ; 100)"_s));
    QVERIFY(texts(p.drawing).contains(u"Me ≈ 130,566"_s));
}

void TableChartRecordsTest::valuesAsBarsAndSteps() {
    const core::TableAnalysis a = values({{38, 2}, {36, 5}, {40, 1}});
    const core::TableChartRecord g = core::tableChartRecord(a, TableChart::Sticks);
    QVERIFY2(g.fault.isEmpty(), qPrintable(g.fault));
    QList<QLineF> bars;
    for (const auto& op : g.drawing.operations())
        if (op.width == 6) bars << QLineF(op.x1, op.y1, op.x2, op.y2);
    // At the values' places on the axis, ascending, as tall as their counts.
    QCOMPARE(bars.size(), 3);
    QVERIFY(near(bars[0].p1(), g.frame.point(36, 0)));
    QVERIFY(near(bars[0].p2(), g.frame.point(36, 5)));
    QVERIFY(near(bars[1].p2(), g.frame.point(38, 2)));
    QVERIFY(near(bars[2].p2(), g.frame.point(40, 1)));
    QVERIFY(texts(g.drawing).contains(u"5"_s));
    QCOMPARE(g.description,
             u"Diagramme en bâtons, effectif de chaque valeur : 36 : 5, 38 : 2, 40 : 1"_s);
    // The cumulative counts rise in steps at each value.
    const core::TableChartRecord c = core::tableChartRecord(a, TableChart::Cumulative);
    QVERIFY(
        c.description.contains(u"(36 ; 0), (36 ; 5), (38 ; 5), (38 ; 7), (40 ; 7), (40 ; 8)"_s));
}

void TableChartRecordsTest::boxToExtremesOrDeciles() {
    QList<std::array<double, 2>> notes;
    for (int v = 1; v <= 20; ++v) notes.append({double(v), 1});
    const core::TableAnalysis a = values(notes);
    const core::TableChartRecord g = core::tableChartRecord(a, TableChart::Box);
    QCOMPARE(g.description,
             u"Diagramme en boîte : minimum 1, Q1 5, médiane 10,5, Q3 15, maximum 20"_s);
    const core::TableChartRecord d = core::tableChartRecord(a, TableChart::Box, {}, true);
    QCOMPARE(d.description, u"Diagramme en boîte : D1 2, Q1 5, médiane 10,5, Q3 15, D9 18"_s);
    const QStringList marks = texts(d.drawing);
    for (const QString& m : {u"D1 = 2"_s, u"Q1 = 5"_s, u"Me = 10,5"_s, u"Q3 = 15"_s, u"D9 = 18"_s})
        QVERIFY2(marks.contains(m), qPrintable(marks.join(u" | "_s)));
    // The box stands on the axis of the bars, whiskers to the deciles or not, so that
    // one chart can be read against the other.
    const core::TableChartRecord sticks = core::tableChartRecord(a, TableChart::Sticks);
    QCOMPARE(d.frame.x.start, sticks.frame.x.start);
    QCOMPARE(d.frame.x.end, sticks.frame.x.end);
    const core::TableAnalysis speeds = classes({{90, 100, 5}, {100, 110, 14}, {110, 120, 31}});
    QCOMPARE(core::tableChartRecord(speeds, TableChart::Box, {}, true).frame.x.start,
             core::tableChartRecord(speeds, TableChart::Histogram).frame.x.start);
}

void TableChartRecordsTest::chartsThatDoNotFit_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("starts");
    QTest::newRow("histogram of values")
        << 0 << int(TableChart::Histogram) << u"Un histogramme se dessine"_s;
    QTest::newRow("bars of classes")
        << 1 << int(TableChart::Sticks) << u"Un diagramme en bâtons se dessine"_s;
    QTest::newRow("an empty table")
        << 2 << int(TableChart::Cumulative) << u"Le tableau n'a encore aucune valeur"_s;
    QTest::newRow("a row at fault is left out") << 3 << int(TableChart::Sticks) << QString();
}

void TableChartRecordsTest::chartsThatDoNotFit() {
    QFETCH(int, table);
    QFETCH(int, chart);
    QFETCH(QString, starts);
    const core::TableAnalysis analyses[4] = {
        values({{1, 2}}), classes({{0, 10, 3}}), values({}),
        core::analyseTable(core::FrequencyTable{
            .lines = {{.value = u"x"_s, .count = u"2"_s}, {.value = u"4"_s, .count = u"3"_s}}})};
    const core::TableChartRecord g = core::tableChartRecord(analyses[table], TableChart(chart));
    if (starts.isEmpty()) {
        QVERIFY2(g.fault.isEmpty(), qPrintable(g.fault));
        QCOMPARE(g.description, u"Diagramme en bâtons, effectif de chaque valeur : 4 : 3"_s);
        return;
    }
    QVERIFY2(g.fault.startsWith(starts), qPrintable(g.fault));
    QVERIFY(g.drawing.isEmpty() && g.drawing.labels().empty());
}

void TableChartRecordsTest::namesOnTheCommandLine() {
    const QStringList names = {u"bars"_s, u"histogram"_s, u"cumulative"_s, u"cumulative-percent"_s,
                               u"box"_s};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(core::tableChartNamed(names[i]), std::optional(TableChart(i)));
    QCOMPARE(core::tableChartNamed(u"pie"), std::nullopt);
}

QTEST_GUILESS_MAIN(TableChartRecordsTest)
#include "tst_table_chart_records.moc"
