// Tables of counts: the weighted parameters against the raw series written out, and
// the classes and their polygon on the exercise's worked example. Typed rows and the
// table's files are tst_table_rows.

#include "core/counted_series.h"
#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/random.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using core::FrequencyTable;

namespace {

// Raw figures, written out by hand from the definitions, for comparing.
double rankInList(std::vector<double> x, qint64 k) {
    std::sort(x.begin(), x.end());
    return x[size_t(std::clamp<qint64>(k, 1, qint64(x.size())) - 1)];
}

bool closeEnough(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b) return !a && !b;
    return std::abs(*a - *b) <= 1e-9 * std::max({1.0, std::abs(*a), std::abs(*b)});
}

QString parameter(const core::TableAnalysis& a, const QString& name) {
    for (const auto& [n, v] : core::tableParameters(a))
        if (n == name) return v;
    return u"(absent)"_s;
}

FrequencyTable values(std::initializer_list<std::pair<const char*, const char*>> lines) {
    FrequencyTable t;
    for (const auto& [v, n] : lines)
        t.lines.push_back({.value = QString::fromUtf8(v), .count = QString::fromUtf8(n)});
    return t;
}

}  // namespace
class CountedSeriesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void weightedEqualsExpanded();
    void weighted_data();
    void weighted();
    void exerciseClasses();
    void unequalClasses();
};
// GIVEN random tables WHEN their parameters are computed THEN they are those of the
// list in which each value is written as often as its count.
void CountedSeriesTest::weightedEqualsExpanded() {
    QRandomGenerator random(4711);
    for (int trial = 0; trial < 400; ++trial) {
        std::vector<core::ValueCount> table;
        std::vector<double> list;
        const int k = int(random.bounded(1, 12));
        for (int i = 0; i < k; ++i) {
            // Few distinct values so that modes and ties come up.
            const double x = double(int(random.bounded(-20, 21))) / (trial % 3 ? 1 : 4);
            if (std::any_of(table.begin(), table.end(),
                            [&](const auto& v) { return v.value == x; }))
                continue;
            const qint64 n = random.bounded(0, trial % 5 ? 9 : 3);
            table.push_back({x, n});
            for (qint64 j = 0; j < n; ++j) list.push_back(x);
        }
        const core::WeightedParameters p = core::weightedParameters(table);
        const core::SeriesParameters q = core::parameters(list);
        QCOMPARE(p.count, q.count);
        QVERIFY(closeEnough(p.minimum, q.minimum));
        QVERIFY(closeEnough(p.maximum, q.maximum));
        QVERIFY(closeEnough(p.range, q.range));
        QVERIFY(closeEnough(p.mean, q.mean));
        QVERIFY(closeEnough(p.median, q.median));
        QVERIFY(closeEnough(p.firstQuartile, q.firstQuartile));
        QVERIFY(closeEnough(p.thirdQuartile, q.thirdQuartile));
        QVERIFY(closeEnough(p.interquartileRange, q.interquartileRange));
        QVERIFY(closeEnough(p.variance, q.variance));
        QVERIFY(closeEnough(p.standardDeviation, q.standardDeviation));
        QCOMPARE(p.modes, q.modes);
        if (!list.empty()) {
            const qint64 N = qint64(list.size());
            QCOMPARE(*p.firstDecile, rankInList(list, (N + 9) / 10));
            QCOMPARE(*p.ninthDecile, rankInList(list, (9 * N + 9) / 10));
        }
    }
}

// The parameters as the table window shows them, for tables typed in any order.
void CountedSeriesTest::weighted_data() {
    QTest::addColumn<FrequencyTable>("table");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const FrequencyTable shoeSizes =
        values({{"38", "4"}, {"36", "2"}, {"37", "7"}, {"39", "5"}, {"40", "2"}});
    QTest::newRow("shoe sizes: total") << shoeSizes << u"Effectif total"_s << u"20"_s;
    QTest::newRow("shoe sizes: mean") << shoeSizes << u"Moyenne"_s << u"37,900"_s;
    QTest::newRow("shoe sizes: median of ranks 10 and 11")
        << shoeSizes << u"Médiane"_s << u"38,000"_s;
    QTest::newRow("shoe sizes: Q1 rank 5") << shoeSizes << u"Premier quartile"_s << u"37,000"_s;
    QTest::newRow("shoe sizes: Q3 rank 15") << shoeSizes << u"Troisième quartile"_s << u"39,000"_s;
    QTest::newRow("shoe sizes: D1 rank 2") << shoeSizes << u"Premier décile"_s << u"36,000"_s;
    QTest::newRow("shoe sizes: D9 rank 18") << shoeSizes << u"Neuvième décile"_s << u"39,000"_s;
    QTest::newRow("shoe sizes: mode") << shoeSizes << u"Mode"_s << u"37"_s;
    QTest::newRow("equal counts: no mode")
        << values({{"1", "3"}, {"2", "3"}}) << u"Mode"_s << u"aucun"_s;
    QTest::newRow("zero counts weigh nothing")
        << values({{"1", "0"}, {"5", "2"}, {"9", "0"}}) << u"Étendue"_s << u"0,000"_s;
    QTest::newRow("empty table") << FrequencyTable{} << u"Moyenne"_s << u"—"_s;
    QTest::newRow("the largest total")
        << values({{"1", "2147483646"}, {"3", "1"}}) << u"Effectif total"_s << u"2147483647"_s;
}

void CountedSeriesTest::weighted() {
    QFETCH(FrequencyTable, table);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(parameter(core::analyseTable(table), name), expected);
}

// GIVEN the exercise's eight classes THEN the worked example comes out, in the window's
// words and on the polygon.
void CountedSeriesTest::exerciseClasses() {
    const core::TableAnalysis a = core::analyseTable(core::exerciseTable());
    QCOMPARE(a.total, 360);
    QCOMPARE(parameter(a, u"Moyenne (par les centres)"_s), u"131,333"_s);
    QCOMPARE(parameter(a, u"Classe modale"_s), u"]120 ; 130]"_s);
    QCOMPARE(parameter(a, u"Médiane (estimation)"_s), u"130,566"_s);
    QCOMPARE(parameter(a, u"Classe de la médiane"_s), u"]130 ; 140]"_s);
    QCOMPARE(parameter(a, u"Premier quartile (estimation)"_s), u"123,226"_s);
    QCOMPARE(parameter(a, u"Troisième quartile (estimation)"_s), u"139,057"_s);
    QCOMPARE(parameter(a, u"Classe du premier quartile"_s), u"]120 ; 130]"_s);
    QCOMPARE(core::countAbove(a.classes, 130), 186.0);
    QCOMPARE(core::thresholdText(a, 130),
             u"Au-dessus de 130 : 186 valeurs (51,667 %) ; au-dessous : 174 valeurs (48,333 %)."_s);
    const auto at143 = core::thresholdLines(a, 143);
    QCOMPARE(at143[0], (std::pair{u"Effectif au-dessus de 143"_s, u"≈ 64,700"_s}));
    QCOMPARE(at143[3], (std::pair{u"Pourcentage au-dessous de 143"_s, u"82,028 %"_s}));
    const std::vector<QPointF> polygon = core::cumulativePolygon(a.classes);
    QCOMPARE(polygon.size(), size_t(9));
    QCOMPARE(polygon.front(), QPointF(90, 0));
    QCOMPARE(polygon[1], QPointF(100, 5));
    QCOMPARE(polygon[4], QPointF(130, 174));
    QCOMPARE(polygon.back(), QPointF(170, 360));
    // Outside the polygon a threshold counts all or nothing.
    QCOMPARE(core::countAbove(a.classes, 80), 360.0);
    QCOMPARE(core::countBelow(a.classes, 200), 360.0);
}

// Unequal widths: the modal class is the densest, not the most numerous; a gap keeps
// the polygon flat.
void CountedSeriesTest::unequalClasses() {
    const std::vector<core::Interval> classes = {{0, 10, 10}, {10, 40, 15}, {50, 60, 5}};
    const core::ClassParameters p = core::classParameters(classes);
    QCOMPARE(p.modalClasses, std::vector<int>{0});
    QCOMPARE(p.median->value, 10 + 5.0 / 15 * 30);
    QCOMPARE(p.median->countedClass, 1);
    const std::vector<QPointF> polygon = core::cumulativePolygon(classes);
    const std::vector<QPointF> expected = {{0, 0}, {10, 10}, {40, 25}, {50, 25}, {60, 30}};
    QCOMPARE(polygon, expected);
    QCOMPARE(core::cumulativeCountAt(classes, 45), 25.0);
    // A level reached in the gap is read at the class where the count starts again.
    QCOMPARE(core::cumulativeReading(classes, 30)->value, 60.0);
    QVERIFY(!core::cumulativeReading(classes, 31));
}

QTEST_GUILESS_MAIN(CountedSeriesTest)
#include "tst_counted_series.moc"
