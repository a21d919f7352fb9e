// The cross table with a numeric variable taken as qualitative: its values met,
// ascending and written in the region's form, as modalities; checked on the class of
// eight by hand and on a random file against a count row by row.

#include "core/individuals/cross_table.h"
#include "core/individuals/filter.h"
#include "core/numbers.h"
#include "sample.h"

#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using namespace core::individuals;

namespace {

Selection selected(const Dataset& d, const QString& filter) {
    if (filter.isEmpty()) return Selection::all(d.rowCount());
    return evaluate(*parseFilter(filter, d).value, d);
}

// "15: 2 0 | 16: 1 2": the counts as a line, to compare with one worked by hand.
QString line(const CrossTable& t) {
    if (!t.fault.isEmpty()) return t.fault;
    QStringList rows;
    for (int r = 0; r < t.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < t.columns(); ++c) cells << QString::number(t.count(r, c));
        rows << t.rowLabels[r] + u": "_s + cells.join(u' ');
    }
    return t.columnLabels.join(u' ') + u" / "_s + rows.join(u" | "_s);
}

}  // namespace

class CrossTableTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void byValue_data();
    void byValue();
    void randomAgainstRowByRow();
};

void CrossTableTest::byValue_data() {
    QTest::addColumn<int>("rowVariable");
    QTest::addColumn<bool>("rowsAsModalities");
    QTest::addColumn<int>("columnVariable");
    QTest::addColumn<bool>("columnsAsModalities");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    // Âge: 15 15 17 16 for F, 16 16 17 for M, 15 for the pupil without sex.
    QTest::newRow("age in rows") << 3 << true << 0 << false << QString()
                                 << u"F M / 15: 2 0 | 16: 1 2 | 17: 1 1"_s;
    QTest::newRow("age in columns")
        << 0 << false << 3 << true << QString() << u"15 16 17 / F: 2 1 1 | M: 0 2 1"_s;
    // Ascending by value, not by text: 161,5 between 160 and 165, the comma of the region.
    QTest::newRow("decimals by value")
        << 1 << true << 3 << true << QString()
        << u"15 16 17 / 150: 1 0 0 | 160: 1 0 1 | 161,5: 0 1 0 | 165: 1 0 0 | 172: 0 1 0 | "
           u"180: 0 1 0"_s;
    QTest::newRow("only values met") << 3 << true << 2 << false << u"Sexe = \"M\""_s
                                     << u"Bus Vélo Pied / 16: 1 1 0 | 17: 0 0 1"_s;
    QTest::newRow("unticked stays in classes") << 3 << false << 0 << false << QString()
                                               << u"F M / [15 ; 16[: 2 0 | [16 ; 17[: 1 2 | "
                                                  u"[17 ; 18[: 1 1"_s;
    QTest::newRow("a qualitative side ignores the choice")
        << 0 << true << 2 << true << QString() << u"Bus Vélo Pied / F: 2 0 1 | M: 1 1 1"_s;
}

void CrossTableTest::byValue() {
    QFETCH(int, rowVariable);
    QFETCH(bool, rowsAsModalities);
    QFETCH(int, columnVariable);
    QFETCH(bool, columnsAsModalities);
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    const Dataset d = sample::classOfEight();
    Side rows{rowVariable}, columns{columnVariable};
    rows.asModalities = rowsAsModalities;
    columns.asModalities = columnsAsModalities;
    if (!rowsAsModalities && d.variables()[size_t(rowVariable)].nature == Nature::Numeric)
        rows.width = 1;
    QCOMPARE(line(crossTable(d, rows, columns, selected(d, filter))), expected);
}

// GIVEN a random file, a filter and a numeric variable taken as qualitative WHEN crossed
// THEN every cell is what a loop over the rows finds, and values come ascending.
void CrossTableTest::randomAgainstRowByRow() {
    const Dataset d = sample::randomDataset(20000, 11);
    const Selection s = selected(d, u"NON Transport = \"Bus\""_s);
    const auto& v = d.variables();
    std::map<std::pair<double, QString>, std::int64_t> cells;
    std::map<double, std::int64_t> byTime;
    for (std::size_t i = 0; i < d.rowCount(); ++i) {
        const double t = v[4].numbers[i];
        const std::int32_t sex = v[0].codes[i];
        if (!s.kept[i] || std::isnan(t) || sex < 0) continue;
        ++cells[{t, v[0].labels[sex]}];
        ++byTime[t];
    }
    Side time{4};
    time.asModalities = true;
    const CrossTable t = crossTable(d, time, {0}, s);
    QVERIFY(t.fault.isEmpty());
    QCOMPARE(t.rows(), int(byTime.size()));
    int r = 0;
    for (const auto& [value, count] : byTime) {
        QCOMPARE(t.rowLabels[r], core::textOfNumber(value));
        QCOMPARE(t.rowTotals[size_t(r)], count);
        for (int c = 0; c < t.columns(); ++c)
            QCOMPARE(t.count(r, c), (cells[{value, t.columnLabels[c]}]));
        ++r;
    }
    // Heights have hundreds of values; crossed with themselves they still fit.
    Side height{3};
    height.asModalities = true;
    QVERIFY(crossTable(d, height, height, s).fault.isEmpty());
    // One more value than a side holds: a fault asking for classes, not a huge table.
    std::vector<double> many(kMostModalities + 1);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = double(i);
    Dataset wide;
    wide.assign({sample::numeric(u"Code"_s, many)}, many.size());
    Side code{0};
    code.asModalities = true;
    QCOMPARE(crossTable(wide, code, code, Selection::all(many.size())).fault,
             u"Code prise comme qualitative a plus de 10\u202F000 modalités : groupez-la en "
             u"classes"_s);
}

QTEST_GUILESS_MAIN(CrossTableTest)
#include "tst_cross_table.moc"
