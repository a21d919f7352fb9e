// Counts of the selected individuals: modalities in their three orders, classes of
// equal width and their faults, the cross table with its percentages and sentences,
// worked by hand on the class of eight and checked row by row on a random file.

#include "core/individuals/counts.h"
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
    return evaluate(*parseFilter(filter, d).value, d);
}

// "Bus 3, Vélo 2": the modalities as a line, to compare with one worked by hand.
QString line(const Modalities& m) {
    QStringList parts;
    for (const Modality& x : m.rows) parts << u"%1 %2"_s.arg(x.label).arg(x.count);
    return parts.join(u", "_s);
}

QString line(const Classes& c) {
    if (!c.fault.isEmpty()) return c.fault;
    QStringList parts;
    for (const ClassCount& x : c.rows)
        parts << core::intervalText(x.lower, x.upper, false) + u' ' + QString::number(x.count);
    return parts.join(u", "_s);
}

}  // namespace

class CountsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void modalities_data();
    void modalities();
    void classes_data();
    void classes();
    void towardsTableAndList();
    void randomAgainstRowByRow();
    void crossTableByHand();
    void explained_data();
    void explained();
    void cellsAndFiles();
    void byValue_data();
    void byValue();
};

void CountsTest::modalities_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("expected");
    QTest::newRow("appearance") << u"Transport"_s << u""_s << int(Order::Appearance)
                                << u"Bus 3, Vélo 2, Pied 2"_s;
    QTest::newRow("alphabetical") << u"Transport"_s << u""_s << int(Order::Alphabetical)
                                  << u"Bus 3, Pied 2, Vélo 2"_s;
    QTest::newRow("by count, ties by appearance")
        << u"Transport"_s << u"Âge ≠ 17"_s << int(Order::Count) << u"Bus 3, Vélo 2"_s;
    QTest::newRow("appearance among the selected")
        << u"Transport"_s << u"Sexe = \"M\""_s << int(Order::Appearance)
        << u"Vélo 1, Bus 1, Pied 1"_s;
    QTest::newRow("numeric taken as qualitative")
        << u"Taille (cm)"_s << u""_s << int(Order::Appearance)
        << u"150 1, 172 1, 165 1, 180 1, 160 2, 161,5 1"_s;
    QTest::newRow("numbers in French order")
        << u"Taille (cm)"_s << u""_s << int(Order::Alphabetical)
        << u"150 1, 160 2, 161,5 1, 165 1, 172 1, 180 1"_s;
    QTest::newRow("by count") << u"Âge"_s << u""_s << int(Order::Count) << u"15 3, 16 3, 17 2"_s;
}

// GIVEN the class of eight WHEN a variable is counted THEN its modalities are those
// counted by hand, in the order asked.
void CountsTest::modalities() {
    QFETCH(QString, variable);
    QFETCH(QString, filter);
    QFETCH(int, order);
    QFETCH(QString, expected);
    const Dataset d = sample::classOfEight();
    const Modalities m =
        core::individuals::modalities(d, d.indexOf(variable), selected(d, filter), Order(order));
    QCOMPARE(line(m), expected);
    std::int64_t sum = 0;
    double percents = 0;
    for (const Modality& x : m.rows) sum += x.count, percents += x.percent;
    QCOMPARE(m.total, sum);
    QVERIFY(m.rows.empty() || std::abs(percents - 100) < 1e-9);
}

void CountsTest::classes_data() {
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("start");  // NaN: the default
    QTest::addColumn<QString>("expected");
    const QVector<double> heights{150, 172, 165, sample::kNaN, 180, 160, 161.5, 160};
    QTest::newRow("default start")
        << heights << 10.0 << sample::kNaN
        << u"[150 ; 160[ 1, [160 ; 170[ 4, [170 ; 180[ 1, [180 ; 190[ 1"_s;
    QTest::newRow("given start") << heights << 10.0 << 145.0
                                 << u"[145 ; 155[ 1, [155 ; 165[ 3, [165 ; 175[ 2, [175 ; 185[ 1"_s;
    QTest::newRow("bounds as written")
        << QVector<double>{0.1, 0.2, 0.3} << 0.1 << 0.0
        << u"[0 ; 0,1[ 0, [0,1 ; 0,2[ 1, [0,2 ; 0,3[ 1, [0,3 ; 0,4[ 1"_s;
    QTest::newRow("negative values") << QVector<double>{-7, -5, 4} << 5.0 << sample::kNaN
                                     << u"[-10 ; -5[ 1, [-5 ; 0[ 1, [0 ; 5[ 1"_s;
    QTest::newRow("start above the minimum")
        << heights << 10.0 << 155.0
        << u"la première borne (155) dépasse le minimum (150) : des valeurs seraient laissées "
           u"hors des classes"_s;
    QTest::newRow("no width")
        << heights << 0.0 << sample::kNaN
        << u"l'amplitude des classes doit être un nombre strictement positif"_s;
    QTest::newRow("too many") << heights << 0.001 << sample::kNaN
                              << u"ces classes seraient plus de 10\u202f000 : choisissez une "
                                 u"amplitude plus grande"_s;
}

void CountsTest::classes() {
    QFETCH(QVector<double>, values);
    QFETCH(double, width);
    QFETCH(double, start);
    QFETCH(QString, expected);
    Dataset d;
    d.assign({sample::numeric(u"x"_s, {values.begin(), values.end()})}, size_t(values.size()));
    const Classes c =
        core::individuals::classes(d, 0, Selection::all(d.rowCount()), width,
                                   std::isnan(start) ? std::nullopt : std::optional(start));
    QCOMPARE(line(c), expected);
}

// GIVEN counts WHEN sent to the table of counts and to the list THEN the table reads
// back to the same figures, and a list stops at 32,767 values.
void CountsTest::towardsTableAndList() {
    const Dataset d = sample::classOfEight();
    const auto all = Selection::all(8);
    const core::TableAnalysis byValue = core::analyseTable(toTable(countsByValue(d, 1, all)));
    QCOMPARE(byValue.firstFault, -1);
    QCOMPARE(byValue.total, 7);
    QCOMPARE(byValue.values.size(), size_t(6));
    QCOMPARE(byValue.values[2].value, 161.5);
    const core::TableAnalysis inClasses =
        core::analyseTable(toTable(core::individuals::classes(d, 1, all, 10)));
    QCOMPARE(inClasses.firstFault, -1);
    QCOMPARE(inClasses.closedRight, false);
    QCOMPARE(inClasses.classes.size(), size_t(4));
    QCOMPARE(inClasses.classes[1].count, 4);
    QCOMPARE(*toList(selectedValues(d, 1, all)),
             (QStringList{u"150"_s, u"172"_s, u"165"_s, u"180"_s, u"160"_s, u"161,5"_s, u"160"_s}));
    QVERIFY(toList(std::vector<double>(kLongestList, 1)));
    QVERIFY(!toList(std::vector<double>(kLongestList + 1, 1)));
    QCOMPARE(numericParameters(d, 1, all).median, 161.5);
}

// GIVEN a random file and a filter WHEN counted THEN modalities, classes and the cross
// table are those a loop over the rows finds.
void CountsTest::randomAgainstRowByRow() {
    const Dataset d = sample::randomDataset(30000, 7);
    const Selection s = selected(d, u"Sexe = \"F\" OU Temps > 30"_s);
    const auto& v = d.variables();
    std::map<QString, std::int64_t> byMeans;
    std::map<std::pair<QString, std::int64_t>, std::int64_t> cells;
    std::map<std::int64_t, std::int64_t> byClass;
    for (std::size_t i = 0; i < d.rowCount(); ++i) {
        if (!s.kept[i]) continue;
        const std::int32_t code = v[1].codes[i];
        if (code >= 0) ++byMeans[v[1].labels[code]];
        const double t = v[3].numbers[i];
        if (std::isnan(t)) continue;
        const auto k = std::int64_t(std::floor((t - 140) / 5 + 1e-9));
        ++byClass[k];
        if (code >= 0) ++cells[{v[1].labels[code], k}];
    }
    const Modalities m = core::individuals::modalities(d, 1, s, Order::Alphabetical);
    QCOMPARE(m.rows.size(), byMeans.size());
    for (const Modality& x : m.rows) QCOMPARE(x.count, byMeans[x.label]);
    const Classes c = core::individuals::classes(d, 3, s, 5, 140);
    for (std::size_t k = 0; k < c.rows.size(); ++k) QCOMPARE(c.rows[k].count, byClass[k]);
    const CrossTable t = crossTable(d, {1}, {3, 5.0, 140.0}, s);
    QCOMPARE(t.columns(), int(c.rows.size()));
    std::int64_t total = 0;
    for (int r = 0; r < t.rows(); ++r)
        for (int k = 0; k < t.columns(); ++k) {
            QCOMPARE(t.count(r, k), (cells[{t.rowLabels[r], k}]));
            total += t.count(r, k);
        }
    QCOMPARE(t.count(t.rows(), t.columns()), total);
}

// GIVEN Sexe × Transport on the class of eight WHEN crossed THEN counts and totals are
// those counted by hand, missing values left out.
void CountsTest::crossTableByHand() {
    const Dataset d = sample::classOfEight();
    const CrossTable t = crossTable(d, {0}, {2}, Selection::all(8));
    QCOMPARE(t.rowLabels, (QStringList{u"F"_s, u"M"_s}));
    QCOMPARE(t.columnLabels, (QStringList{u"Bus"_s, u"Vélo"_s, u"Pied"_s}));
    QCOMPARE(t.counts, (std::vector<std::int64_t>{2, 0, 1, 1, 1, 1}));
    QCOMPARE(t.rowTotals, (std::vector<std::int64_t>{3, 3}));
    QCOMPARE(t.columnTotals, (std::vector<std::int64_t>{3, 1, 2}));
    QCOMPARE(t.total, 6);
    QCOMPARE(*share(t, Percentages::Row, 0, 0), 200.0 / 3);
    QCOMPARE(*share(t, Percentages::Column, 0, 0), 200.0 / 3);
    QCOMPARE(*share(t, Percentages::Total, 1, 3), 50.0);
    QCOMPARE(*share(t, Percentages::Row, 2, 1), 100.0 / 6);  // marginal
    const CrossTable none = crossTable(d, {0}, {2}, selected(d, u"Âge > 99"_s));
    QCOMPARE(none.rows(), 0);
    QVERIFY(!share(none, Percentages::Total, 0, 0));
}

void CountsTest::explained_data() {
    QTest::addColumn<int>("percentages");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("row") << int(Percentages::Row) << 0 << 0
                         << u"Parmi les individus « F », 66,7 % ont « Bus » pour Transport : "
                            u"fréquence conditionnelle"_s;
    QTest::newRow("column") << int(Percentages::Column) << 1 << 2
                            << u"Parmi les individus « Pied », 50,0 % ont « M » pour Sexe : "
                               u"fréquence conditionnelle"_s;
    QTest::newRow("total") << int(Percentages::Total) << 0 << 2
                           << u"16,7 % des individus ont « F » pour Sexe et « Pied » pour "
                              u"Transport : fréquence du couple"_s;
    QTest::newRow("counts") << int(Percentages::None) << 0 << 1
                            << u"0 individu a « F » pour Sexe et « Vélo » pour Transport"_s;
    QTest::newRow("marginal row") << int(Percentages::Row) << 2 << 2
                                  << u"33,3 % des individus ont « Pied » pour Transport : "
                                     u"fréquence marginale"_s;
    QTest::newRow("marginal column") << int(Percentages::Column) << 1 << 3
                                     << u"50,0 % des individus ont « M » pour Sexe : fréquence "
                                        u"marginale"_s;
    QTest::newRow("grand total") << int(Percentages::None) << 2 << 3
                                 << u"6 individus ont une valeur pour Sexe et pour Transport"_s;
}

void CountsTest::explained() {
    QFETCH(int, percentages);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, sentence);
    const CrossTable t = crossTable(sample::classOfEight(), {0}, {2}, Selection::all(8));
    QCOMPARE(explainCell(t, Percentages(percentages), row, column), sentence);
}

// GIVEN a cross table WHEN copied and saved THEN a spreadsheet gets tabbed cells, and
// the CSV file has its mark, ";" and CR LF, quoting what must be.
void CountsTest::cellsAndFiles() {
    const CrossTable t = crossTable(sample::classOfEight(), {0}, {2}, Selection::all(8));
    QCOMPARE(tabSeparated(crossCells(t, Percentages::None)),
             u"Sexe \\ Transport\tBus\tVélo\tPied\tTotal\nF\t2\t0\t1\t3\nM\t1\t1\t1\t3\n"
             u"Total\t3\t1\t2\t6\n"_s);
    QCOMPARE(crossCells(t, Percentages::Row)[1],
             (QStringList{u"F"_s, u"66,667"_s, u"0,000"_s, u"33,333"_s, u"100,000"_s}));
    const Cells cells{{u"a;b"_s, u"c\"d"_s}, {u"1"_s, u"2"_s}};
    QCOMPARE(csvFile(cells), QByteArray("\xEF\xBB\xBF\"a;b\";\"c\"\"d\"\r\n1;2\r\n"));
}

void CountsTest::byValue_data() {
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("ascending");
    QTest::newRow("signs and decimals") << QVector<double>{3, -5, 3, 2.5, sample::kNaN, -3, 10}
                                        << u"-5 1, -3 1, 2,5 1, 3 2, 10 1"_s;
    // More values than the table of values met holds: each differs (an identifier).
    QVector<double> many;
    for (int i = 0; i < 9000; ++i) many << double((i * 7919) % 9000) - 4500;
    QTest::newRow("nine thousand different") << many << QString();
    many << many;
    QTest::newRow("each twice") << many << QString();
}

// GIVEN numbers WHEN counted by value or taken as qualitative in French order THEN the
// values come ascending by value with their counts, as a map counts them.
void CountsTest::byValue() {
    QFETCH(QVector<double>, values);
    QFETCH(QString, ascending);
    Dataset d;
    d.assign({sample::numeric(u"x"_s, {values.begin(), values.end()})}, size_t(values.size()));
    const Selection all = Selection::all(d.rowCount());
    std::map<double, std::int64_t> counted;
    for (double x : values)
        if (!std::isnan(x)) ++counted[x];
    const auto counts = countsByValue(d, 0, all);
    QCOMPARE(counts.size(), counted.size());
    std::size_t k = 0;
    for (const auto& [x, n] : counted) {
        QCOMPARE(counts[k].value, x);
        QCOMPARE(counts[k].count, n);
        ++k;
    }
    const Modalities m = core::individuals::modalities(d, 0, all, Order::Alphabetical);
    if (!ascending.isEmpty()) QCOMPARE(line(m), ascending);
    QCOMPARE(m.rows.front().label, core::textOfNumber(counted.begin()->first));
    QCOMPARE(valueRow(counts, m.total, counts.size()),
             (QStringList{u"Total"_s, QString::number(m.total), u"100,000"_s}));
    QCOMPARE(valueRow(counts, m.total, 0)[1], QString::number(counted.begin()->second));
}

QTEST_GUILESS_MAIN(CountsTest)
#include "tst_counts.moc"
