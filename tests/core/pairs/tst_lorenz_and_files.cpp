// The Lorenz curve and the Gini index on known distributions and against the mean
// absolute difference, their faults, and pairs read from the files a spreadsheet
// writes, each fault named by its line and column.

#include "core/numbers.h"
#include "core/pairs/pairs_file.h"
#include "core/pairs/typed_pairs.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace core::pairs;

namespace {

std::vector<Point> points(const QList<QPointF>& list) {
    std::vector<Point> out;
    for (const QPointF& p : list) out.push_back({p.x(), p.y()});
    return out;
}

core::TableAnalysis valuesTable(const QList<std::array<double, 2>>& rows) {
    core::FrequencyTable t;
    for (const auto& [v, n] : rows)
        t.lines.push_back({.value = core::textOfNumber(v), .count = QString::number(n)});
    return core::analyseTable(t);
}

}  // namespace

class LorenzAndFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void knownGini_data();
    void knownGini();
    void oneHoldsAll_data();
    void oneHoldsAll();
    void tableAgainstMeanDifference();
    void classesByTheirCentres();
    void shareFaults_data();
    void shareFaults();
    void readingPairs_data();
    void readingPairs();
    void typedRows();
    void lorenzFiles_data();
    void lorenzFiles();
};

void LorenzAndFilesTest::knownGini_data() {
    QTest::addColumn<QList<QPointF>>("shares");
    QTest::addColumn<double>("gini");
    QTest::addColumn<int>("count");  // points once (0 ; 0) is in front
    QTest::newRow("equality") << QList<QPointF>{{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}, {1, 1}}
                              << 0.0 << 5;
    // 1 − [0,5 × 0,2 + 0,5 × 1,2] = 0,3
    QTest::newRow("half hold a fifth") << QList<QPointF>{{0, 0}, {0.5, 0.2}, {1, 1}} << 0.3 << 3;
    QTest::newRow("ends at 1 within rounding")
        << QList<QPointF>{{0.5, 0.2}, {0.9999999999999, 1}} << 0.3 << 3;
}

void LorenzAndFilesTest::knownGini() {
    QFETCH(QList<QPointF>, shares);
    QFETCH(double, gini);
    QFETCH(int, count);
    const auto l = lorenzFromShares(points(shares));
    QVERIFY2(l, qPrintable(l.fault));
    QVERIFY(std::abs(l->gini - gini) < 1e-12);
    QCOMPARE(int(l->points.size()), count);
    QCOMPARE(l->points.front(), (Point{0, 0}));
    QCOMPARE(l->points.back(), (Point{1, 1}));
}

void LorenzAndFilesTest::oneHoldsAll_data() {
    QTest::addColumn<int>("n");
    for (int n : {2, 5, 10, 100}) QTest::addRow("%d classes", n) << n;
}

void LorenzAndFilesTest::oneHoldsAll() {
    QFETCH(int, n);
    // n classes of equal size, the last holding everything: (n − 1) / n.
    QList<QPointF> shares;
    for (int k = 1; k < n; ++k) shares << QPointF(double(k) / n, 0);
    shares << QPointF(1, 1);
    QVERIFY(std::abs(lorenzFromShares(points(shares))->gini - double(n - 1) / n) < 1e-12);
    // The same from a table: n − 1 people with nothing and one with 50.
    const auto t = lorenzFromTable(valuesTable({{0, double(n - 1)}, {50, 1}}));
    QVERIFY(std::abs(t->gini - double(n - 1) / n) < 1e-12);
}

void LorenzAndFilesTest::tableAgainstMeanDifference() {
    // Gini = Σᵢ Σⱼ nᵢ nⱼ |xᵢ − xⱼ| / (2 N² x̄), which the trapezoids give exactly when
    // each value is a point of the curve.
    QRandomGenerator g(7);
    for (int round = 0; round < 20; ++round) {
        QList<std::array<double, 2>> rows;
        for (int i = 0; i < 6; ++i)
            rows.append({double(g.bounded(1, 2000)), double(g.bounded(1, 30))});
        double N = 0, mass = 0, sum = 0;
        for (const auto& [v, n] : rows) {
            N += n;
            mass += v * n;
            for (const auto& [w, m] : rows) sum += n * m * std::abs(v - w);
        }
        const double expected = sum / (2 * N * N * (mass / N));
        const auto l = lorenzFromTable(valuesTable(rows));
        QVERIFY(l);
        QVERIFY2(std::abs(l->gini - expected) < 1e-12, qPrintable(QString::number(round)));
    }
}

void LorenzAndFilesTest::classesByTheirCentres() {
    // [0 ; 10[ and [10 ; 20[ once each: masses 5 and 15, so (0,5 ; 0,25) and Gini 0,25.
    core::FrequencyTable t{.nature = core::FrequencyTable::Nature::Classes};
    t.lines = {{.lower = u"10"_s, .upper = u"20"_s, .count = u"1"_s},
               {.lower = u"0"_s, .upper = u"10"_s, .count = u"1"_s}};
    const auto l = lorenzFromTable(core::analyseTable(t));
    QCOMPARE(l->points, (std::vector<Point>{{0, 0}, {0.5, 0.25}, {1, 1}}));
    QVERIFY(std::abs(l->gini - 0.25) < 1e-12);
    QCOMPARE(lorenzFromTable(valuesTable({{-3, 1}, {5, 1}})).fault,
             u"la valeur -3 est négative : une masse se partage en parts positives"_s);
    QCOMPARE(lorenzFromTable(valuesTable({{0, 4}})).fault,
             u"la masse totale du tableau est nulle"_s);
}

void LorenzAndFilesTest::shareFaults_data() {
    QTest::addColumn<QList<QPointF>>("shares");
    QTest::addColumn<QString>("fault");
    QTest::newRow("beyond 1") << QList<QPointF>{{0.5, 1.2}, {1, 1}}
                              << u"le point 1 (0,5 ; 1,2) sort de [0 ; 1] : les parts cumulées "
                                 u"s'écrivent de 0 à 1"_s;
    QTest::newRow("falling") << QList<QPointF>{{0.5, 0.3}, {0.6, 0.2}, {1, 1}}
                             << u"le point 2 (0,6 ; 0,2) est plus bas que le précédent : les "
                                u"parts cumulées croissent"_s;
    QTest::newRow("not ending at (1 ; 1)")
        << QList<QPointF>{{0.5, 0.3}, {1, 0.9}}
        << u"le dernier point (1 ; 0,9) n'est pas (1 ; 1) : toute la population détient toute "
           u"la masse"_s;
}

void LorenzAndFilesTest::shareFaults() {
    QFETCH(QList<QPointF>, shares);
    QFETCH(QString, fault);
    QCOMPARE(lorenzFromShares(points(shares)).fault, fault);
}

void LorenzAndFilesTest::readingPairs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");
    QTest::addColumn<QString>("fault");  // "line:column why"
    QTest::newRow("header, decimal commas")
        << QByteArray("Vitesse;Distance\r\n50;14,5\r\n90;42\r\n") << u"Vitesse/Distance"_s
        << QList<double>{50, 90} << QList<double>{14.5, 42} << QString();
    QTest::newRow("no header, tabs") << QByteArray("1\t2\n3\t4.5\n") << u"x/y"_s
                                     << QList<double>{1, 3} << QList<double>{2, 4.5} << QString();
    QTest::newRow("not a number") << QByteArray("a;b\n1;2\n3;douze\n") << QString()
                                  << QList<double>{} << QList<double>{}
                                  << u"3:2 « douze » n'est pas un nombre"_s;
    QTest::newRow("y missing") << QByteArray("a;b\n1;2\n3;\n") << QString() << QList<double>{}
                               << QList<double>{} << u"3:2 la valeur de y manque"_s;
    QTest::newRow("a third column")
        << QByteArray("1;2\n3;4;5\n") << QString() << QList<double>{} << QList<double>{}
        << u"2:3 le fichier a plus de deux colonnes"_s;
}

void LorenzAndFilesTest::readingPairs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, names);
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    QFETCH(QString, fault);
    const core::Reading<Pairs> r = readPairs(bytes);
    if (!fault.isEmpty()) {
        QVERIFY(!r);
        QCOMPARE(u"%1:%2 %3"_s.arg(r.error.line).arg(r.error.column).arg(r.error.why), fault);
        return;
    }
    QVERIFY2(r, qPrintable(r.error.why));
    QCOMPARE(r.value->nameX + u'/' + r.value->nameY, names);
    QCOMPARE(r.value->x, std::vector<double>(x.begin(), x.end()));
    QCOMPARE(r.value->y, std::vector<double>(y.begin(), y.end()));
    // Written out and read back, the same pairs.
    QCOMPARE(*readPairs(pairsFile(*r.value)).value, *r.value);
}

void LorenzAndFilesTest::typedRows() {
    // A blank row is nothing; a faulty one is left out and named; the others count.
    const TypedPairs t = analyseTyped(
        {{u"1"_s, u"2,5"_s}, {}, {u"3"_s, u"douze"_s}, {u" "_s, u"4"_s}, {u"5.5"_s, u"6"_s}},
        u"Vitesse"_s, u"Distance"_s);
    QCOMPARE(t.pairs->x, (std::vector<double>{1, 5.5}));
    QCOMPARE(t.pairs->y, (std::vector<double>{2.5, 6}));
    QCOMPARE(t.rowOf, (std::vector<std::size_t>{0, 4}));
    QVERIFY(t.rows[1].empty && t.rows[1].faultyColumn < 0);
    QCOMPARE(t.rows[3].faultyColumn, 0);
    QCOMPARE(t.rows[3].why, u"la valeur manque"_s);
    QCOMPARE(faultText(t), u"Ligne 3, Distance : « douze » n'est pas un nombre"_s);
    QCOMPARE(faultText(analyseTyped({{u"1"_s, u"2"_s}})), QString());
}

void LorenzAndFilesTest::lorenzFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("gini");
    QTest::addColumn<QString>("fault");
    QTest::newRow("shares") << QByteArray("Population;Masse\n0,5;0,2\n1;1\n") << 0.3 << QString();
    QTest::newRow("classes") << QByteArray("Classe;Effectif\n[10 ; 20[;1\n[0 ; 10[;1\n") << 0.25
                             << QString();
    QTest::newRow("bounds and counts")
        << QByteArray("Borne inférieure;Borne supérieure;Effectif\n0;10;1\n10;20;1\n") << 0.25
        << QString();
    // n − 1 people with nothing and one with 50: (n − 1) / n.
    QTest::newRow("values and counts")
        << QByteArray("Valeur;Effectif\n0;3\n50;1\n") << 0.75 << QString();
    QTest::newRow("shares falling") << QByteArray("0,5;0,6\n0,7;0,5\n1;1\n") << 0.0
                                    << u"le point 2 (0,7 ; 0,5) est plus bas que le précédent : "
                                       u"les parts cumulées croissent"_s;
}

void LorenzAndFilesTest::lorenzFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(double, gini);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lorenz.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const core::Reading<Lorenz> l = readLorenzFile(path);
    if (!fault.isEmpty()) {
        QCOMPARE(l.error.why, fault);
        return;
    }
    QVERIFY2(l, qPrintable(l.error.why));
    QVERIFY(std::abs(l.value->gini - gini) < 1e-12);
}

QTEST_GUILESS_MAIN(LorenzAndFilesTest)
#include "tst_lorenz_and_files.moc"
