// Simulation runs: the same figures whatever the number of threads, the edge cases
// p = 0, p = 1, n = 1 and N = 1, the faults, a cancelled run, the means of a
// population, the fluctuation and the running frequency, the texts, the table of
// counts, the charts and the population files.

#include "core/numbers.h"
#include "core/simulation/charts.h"
#include "core/simulation/report.h"
#include "core/simulation/simulation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace core::simulation;

Q_DECLARE_METATYPE(std::vector<std::int64_t>)

namespace {

std::shared_ptr<const Population> population(std::vector<double> values) {
    return std::make_shared<Population>(populationOf(std::move(values)));
}

}  // namespace

class SimulationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void reproducible_data();
    void reproducible();
    void edges_data();
    void edges();
    void faults_data();
    void faults();
    void cancelLeavesNothing();
    void means();
    void fluctuationFollowsRoot();
    void largeNumbers_();
    void texts();
    void tableOfCounts_();
    void charts();
    void populationFiles_data();
    void populationFiles();
    void fluctuationWhateverThreads();
    void sizes_data();
    void sizes();
};

void SimulationTest::reproducible_data() {
    QTest::addColumn<bool>("means");
    QTest::newRow("frequencies") << false;
    QTest::newRow("means") << true;
}

// The same series gives the same figures with one thread, two or five; another differs.
void SimulationTest::reproducible() {
    QFETCH(bool, means);
    Parameters p{.p = 0.3, .n = 200, .samples = 20000, .series = 12};
    if (means) p.population = population({1, 2, 2, 5, 9});
    const auto one = simulate(p, {}, 1), two = simulate(p, {}, 2), five = simulate(p, {}, 5);
    QVERIFY(one && two && five);
    QVERIFY(one->values == two->values);
    QVERIFY(one->values == five->values);
    QCOMPARE(textOfRows(rowsOf(*one)), textOfRows(rowsOf(*two)));
    p.series = 13;
    QVERIFY(simulate(p)->values != one->values);
}

void SimulationTest::edges_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<qint64>("samples");
    QTest::addColumn<double>("mean");  // -1: any
    QTest::addColumn<double>("sd");    // -1: any
    QTest::newRow("p = 0") << 0.0 << qint64(50) << qint64(100) << 0.0 << 0.0;
    QTest::newRow("p = 1") << 1.0 << qint64(50) << qint64(100) << 1.0 << 0.0;
    QTest::newRow("p = 0, n = N = 1") << 0.0 << qint64(1) << qint64(1) << 0.0 << 0.0;
    QTest::newRow("N = 1") << 0.5 << qint64(1000) << qint64(1) << -1.0 << 0.0;
    QTest::newRow("n = 1") << 0.25 << qint64(1) << qint64(100000) << -1.0 << -1.0;
}

void SimulationTest::edges() {
    QFETCH(double, p);
    QFETCH(qint64, n);
    QFETCH(qint64, samples);
    QFETCH(double, mean);
    QFETCH(double, sd);
    const auto r = simulate({.p = p, .n = n, .samples = samples});
    QVERIFY(r);
    QCOMPARE(qint64(r->values.size()), samples);
    for (double f : r->values) QCOMPARE(f * double(n), std::round(f * double(n)));
    if (mean >= 0) QCOMPARE(r->mean, mean);
    if (sd >= 0) QCOMPARE(r->sd, sd);
    // With s = 0 the first three intervals shrink to p: only frequencies equal to it.
    std::int64_t atP = 0;
    for (double f : r->values) atP += f == p;
    if (r->sd == 0)
        for (int k = 0; k < 3; ++k) QCOMPARE(r->shares[size_t(k)].count, atP);
    if (n == 1 && p == 0.25) {
        QVERIFY(std::abs(r->mean - 0.25) < 4 * std::sqrt(0.1875 / 100000));
        // n = 1: f is 0 or 1, and [p − 1 ; p + 1] holds them all.
        QCOMPARE(r->shares[3].count, samples);
    }
}

void SimulationTest::faults_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<qint64>("samples");
    QTest::addColumn<QString>("why");
    const QString p = u"La proportion p doit être comprise entre 0 et 1."_s;
    const QString n = u"La taille des échantillons n doit être un entier de 1 à 100 000."_s;
    const QString N = u"Le nombre d'échantillons N doit être un entier de 1 à 1 000 000."_s;
    QTest::newRow("p < 0") << -0.1 << qint64(10) << qint64(10) << p;
    QTest::newRow("p > 1") << 1.5 << qint64(10) << qint64(10) << p;
    QTest::newRow("p NaN") << std::nan("") << qint64(10) << qint64(10) << p;
    QTest::newRow("n = 0") << 0.5 << qint64(0) << qint64(10) << n;
    QTest::newRow("n too large") << 0.5 << qint64(100001) << qint64(10) << n;
    QTest::newRow("N = 0") << 0.5 << qint64(10) << qint64(0) << N;
    QTest::newRow("N too large") << 0.5 << qint64(10) << qint64(1000001) << N;
}

void SimulationTest::faults() {
    QFETCH(double, p);
    QFETCH(qint64, n);
    QFETCH(qint64, samples);
    QFETCH(QString, why);
    const Parameters parameters{.p = p, .n = n, .samples = samples};
    QCOMPARE(fault(parameters), why);
    QVERIFY(!simulate(parameters));
}

// Cancelled half-way, a run gives nothing; left alone, its progress climbs to 1.
void SimulationTest::cancelLeavesNothing() {
    const Parameters p{.p = 0.5, .n = 100, .samples = 100000};
    std::vector<double> seen;
    QVERIFY(!simulate(
        p,
        [&](double share) {
            seen.push_back(share);
            return share < 0.5;
        },
        1));
    QVERIFY(!seen.empty() && seen.back() >= 0.5 && seen.back() < 1);
    seen.clear();
    QVERIFY(simulate(
        p, [&](double share) { return seen.push_back(share), true; }, 1));
    QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    QCOMPARE(seen.back(), 1.0);
    QVERIFY(!fluctuation(p, {25, 50}, [](double) { return false; }));
}

// Means of a population: μ and σ of {1, 2, 2, 5, 9}, weighted as expanded, and the
// means' mean and spread against μ and σ/√n.
void SimulationTest::means() {
    const Population flat = populationOf(std::vector<double>{1, 2, 2, 5, 9});
    const Population weighted =
        populationOf(std::vector<core::ValueCount>{{1, 1}, {2, 2}, {5, 1}, {9, 1}});
    QCOMPARE(flat.mean, 3.8);
    QCOMPARE(flat.sd, std::sqrt(8.56));  // (7,84 + 3,24 · 2 + 1,44 + 27,04) / 5
    QCOMPARE(weighted.mean, flat.mean);
    QVERIFY(std::abs(weighted.sd - flat.sd) < 1e-12);
    for (const auto& pop : {flat, weighted}) {
        const auto r = simulate({.population = std::make_shared<Population>(pop),
                                 .n = 50,
                                 .samples = 20000,
                                 .series = 3});
        QVERIFY(r);
        const double sigma = flat.sd / std::sqrt(50.0);
        QVERIFY(std::abs(r->mean - 3.8) < 4 * sigma / std::sqrt(20000.0));
        QVERIFY(std::abs(r->sd / sigma - 1) < 0.03);
        // Close to normal: about 95 % within μ ± 2σ/√n.
        QVERIFY(std::abs(r->shares[3].share - 0.954) < 0.01);
        QCOMPARE(r->shares[3].name, u"[μ − 2σ/√n ; μ + 2σ/√n]"_s);
    }
}

void SimulationTest::fluctuationFollowsRoot() {
    const auto f = fluctuation({.p = 0.4, .samples = 5000, .series = 8}, defaultSizes());
    QVERIFY(f);
    QCOMPARE(f->sizes, (std::vector<std::int64_t>{25, 50, 100, 200, 400, 800, 1600}));
    QCOMPARE(f->slope, std::sqrt(0.24));
    for (size_t i = 0; i < f->sizes.size(); ++i) {
        const double expected = f->slope / std::sqrt(double(f->sizes[i]));
        QVERIFY(std::abs(f->sds[i] / expected - 1) < 0.05);
    }
}

void SimulationTest::largeNumbers_() {
    for (double p : {0.0, 1.0}) {
        const auto l = largeNumbers({.p = p, .n = 1000});
        QVERIFY(l && l->running.size() == 1000);
        for (double f : l->running) QCOMPARE(f, p);
    }
    const auto l = largeNumbers({.p = 0.5, .n = 100000, .series = 4711});
    QVERIFY(l);
    for (size_t k = 0; k < l->running.size(); ++k) {
        const double count = l->running[k] * double(k + 1);
        QVERIFY(std::abs(count - std::round(count)) < 1e-6);
    }
    QVERIFY(std::abs(l->running.back() - 0.5) < 4 * 0.5 / std::sqrt(100000.0));
    QVERIFY(!largeNumbers({.p = 0.5, .n = 100001}));
}

void SimulationTest::texts() {
    QCOMPARE(intervalText(0.4, 0.6), u"[0,4 ; 0,6]"_s);
    QCOMPARE(intervalText(-0.000001, 0.123456), u"[0 ; 0,1235]"_s);
    const Share s{u"[p − 1/√n ; p + 1/√n]"_s, 0.4, 0.6, 9648, 0.9648};
    QCOMPARE(shareText(s, 10000),
             u"[p − 1/√n ; p + 1/√n] = [0,4 ; 0,6] : 9 648 échantillons sur "
             u"10 000, soit 96,48 %"_s);
    const auto r = simulate({.p = 1, .n = 10, .samples = 3});
    QCOMPARE(textOfRows(rowsOf(*r)),
             u"Paramètre\tValeur\nNombre d'échantillons\t3\nTaille des échantillons\t10\n"
             u"Moyenne des fréquences\t1\nÉcart-type des fréquences\t0\n"
             u"Part dans [p − s ; p + s]\t1\nPart dans [p − 2s ; p + 2s]\t1\n"
             u"Part dans [p − 3s ; p + 3s]\t1\nPart dans [p − 1/√n ; p + 1/√n]\t1\n"_s);
}

// Few frequencies: each with its count; many means: classes of one width covering them.
void SimulationTest::tableOfCounts_() {
    const auto few = simulate({.p = 0.5, .n = 4, .samples = 1600});
    const core::FrequencyTable t = tableOfCounts(*few);
    QCOMPARE(t.nature, core::FrequencyTable::Nature::Values);
    QVERIFY(t.lines.size() <= 5);
    qint64 total = 0;
    for (const auto& l : t.lines) total += l.count.toLongLong();
    QCOMPARE(total, qint64(1600));
    const auto many = simulate({.population = population({1, 2, 7}), .n = 30, .samples = 3000});
    const core::TableAnalysis a = core::analyseTable(tableOfCounts(*many));
    QCOMPARE(a.nature, core::FrequencyTable::Nature::Classes);
    QCOMPARE(a.total, qint64(3000));
    QCOMPARE(a.firstFault, -1);
    QVERIFY(a.classes.size() >= 10 && a.classes.size() <= 22);
}

// The histogram's classes hold every sample and its description tells each interval;
// the fluctuation has a dot per size and its line leaves the origin; the running
// frequency is read at each power of ten.
void SimulationTest::charts() {
    const auto r = simulate({.p = 0.5, .n = 100, .samples = 1000, .series = 4711});
    const core::TableChartRecord h = histogram(*r);
    QVERIFY(h.fault.isEmpty() && !h.drawing.isEmpty());
    QVERIFY(h.description.startsWith(
        u"Histogramme des fréquences de 1 000 échantillons de taille 100, moyenne "_s));
    qint64 total = 0;
    const QRegularExpression cls(u"\\[[^\\]\\[]* ; [^\\]\\[]*\\[ : (\\d+)"_s);
    for (const auto& m : cls.globalMatch(h.description)) total += m.captured(1).toLongLong();
    QCOMPARE(total, qint64(1000));
    for (const Share& s : r->shares) QVERIFY(h.description.contains(shareText(s, 1000)));

    const Fluctuation f{.sizes = {25, 100}, .sds = {0.1, 0.05}, .slope = 0.5};
    const core::TableChartRecord c = fluctuationChart(f);
    int dots = 0;
    bool fromOrigin = false;
    const QPointF origin = c.frame.point(0, 0);
    for (const auto& op : c.drawing.operations()) {
        dots += op.kind == core::Drawing::Operation::Kind::Dot;
        fromOrigin = fromOrigin || (op.kind == core::Drawing::Operation::Kind::Line &&
                                    op.colour != 0 && QPointF(op.x1, op.y1) == origin);
    }
    QCOMPARE(dots, 2);
    QVERIFY(fromOrigin);
    QVERIFY(
        c.description.contains(u"n = 25 : 1/√n = 0,2, s = 0,1 ; n = 100 : 1/√n = 0,1, s = 0,05"_s));
    QVERIFY(c.description.endsWith(u"pente √(p(1 − p)) = 0,5"_s));

    const auto l = largeNumbers({.p = 0.3, .n = 2000, .series = 4711});
    const core::TableChartRecord g = largeNumbersChart(*l);
    QVERIFY(g.description.contains(u"après 100 tirages : "_s +
                                   core::textOfNumber(std::round(l->running[99] * 1e4) / 1e4)));
    QVERIFY(g.description.contains(u"après 2 000 tirages : "_s));
    QVERIFY(g.description.endsWith(u"droite y = 0,3"_s));
    QVERIFY(!fluctuationChart({}).fault.isEmpty());
}

void SimulationTest::populationFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");  // 0: refused
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("variance");
    QTest::addColumn<QString>("why");
    QTest::newRow("a series") << QByteArray("1\n2\n2\n5\n9\n") << qint64(5) << 3.8 << 8.56
                              << QString();
    QTest::newRow("two columns: the first")
        << QByteArray("Série 1;Série 2\n4;100\n6;200\n") << qint64(2) << 5.0 << 1.0 << QString();
    QTest::newRow("values and counts") << QByteArray("Valeur;Effectif\n1;2\n2;3\n5;1\n")
                                       << qint64(6) << 13.0 / 6 << 65.0 / 36 << QString();
    // Classes by their centres: 5 twice, 15 twice.
    QTest::newRow("classes") << QByteArray("Classe;Effectif\n[0 ; 10[;2\n[10 ; 20[;2\n")
                             << qint64(4) << 10.0 << 25.0 << QString();
    QTest::newRow("a count not a number") << QByteArray("Valeur;Effectif\n1;2\n2;x\n") << qint64(0)
                                          << 0.0 << 0.0 << u"« x » n'est pas un nombre"_s;
    QTest::newRow("no value") << QByteArray("Valeur;Effectif\n") << qint64(0) << 0.0 << 0.0
                              << u"il ne contient aucune ligne"_s;
}

// A population from the files the program opens, μ and σ² worked by hand.
void SimulationTest::populationFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(double, mean);
    QFETCH(double, variance);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"population.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const auto read = readPopulationFile(file.fileName());
    if (size == 0) {
        QVERIFY(!read);
        QVERIFY2(read.error.why.contains(why), qPrintable(read.error.why));
        return;
    }
    QVERIFY2(read, qPrintable(read.error.why));
    QCOMPARE(read.value->size, size);
    QVERIFY(std::abs(read.value->mean - mean) < 1e-12);
    QVERIFY(std::abs(read.value->sd * read.value->sd - variance) < 1e-9);
    QVERIFY(!readPopulationFile(dir.filePath(u"absent.csv"_s)));
}

// The sizes of a fluctuation are split between threads as the samples are.
void SimulationTest::fluctuationWhateverThreads() {
    const Parameters p{.population = population({0, 1, 1, 3}), .samples = 3000, .series = 99};
    const auto one = fluctuation(p, {25, 400}, {}, 1), two = fluctuation(p, {25, 400}, {}, 2);
    QVERIFY(one && two);
    QCOMPARE(one->sds, two->sds);
    QVERIFY(one->means);
    QCOMPARE(one->slope, std::sqrt(1.1875));  // σ² = 19/16
}

using Sizes = std::vector<std::int64_t>;

void SimulationTest::sizes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<int>("column");  // of the fault, 0 where none
    QTest::newRow("the usual") << u"25 ; 50;100\n1600"_s << Sizes{25, 50, 100, 1600} << 0;
    QTest::newRow("not whole") << u"25 ; 2,5"_s << Sizes{} << 6;
    QTest::newRow("zero") << u"0"_s << Sizes{} << 1;
    QTest::newRow("too large") << u"10 100001"_s << Sizes{} << 4;
    QTest::newRow("nothing") << u" ; "_s << Sizes{} << 1;
}

// Typed sizes, and where the first that is none stands.
void SimulationTest::sizes() {
    QFETCH(QString, text);
    QFETCH(Sizes, sizes);
    QFETCH(int, column);
    const auto read = readSizes(text);
    QCOMPARE(bool(read), column == 0);
    if (read)
        QCOMPARE(*read.value, sizes);
    else
        QCOMPARE(read.error.column, column);
    // The list: each frequency as a value, or nothing beyond 32 767.
    bool tooMany = true;
    const auto r = simulate({.p = 0.5, .n = 4, .samples = 3});
    QCOMPARE(listOf(*r, tooMany).size(), 3);
    QVERIFY(!tooMany);
    QVERIFY(listOf(*simulate({.n = 1, .samples = 32768}), tooMany).isEmpty() && tooMany);
}

QTEST_GUILESS_MAIN(SimulationTest)
#include "tst_simulation.moc"
