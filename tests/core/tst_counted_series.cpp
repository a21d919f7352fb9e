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
double rangDansLaListe(std::vector<double> x, qint64 k) {
    std::sort(x.begin(), x.end());
    return x[size_t(std::clamp<qint64>(k, 1, qint64(x.size())) - 1)];
}

bool proches(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b) return !a && !b;
    return std::abs(*a - *b) <= 1e-9 * std::max({1.0, std::abs(*a), std::abs(*b)});
}

QString parametre(const core::TableAnalysis& a, const QString& nom) {
    for (const auto& [n, v] : core::parametresDuTableau(a))
        if (n == nom) return v;
    return u"(absent)"_s;
}

FrequencyTable valeurs(std::initializer_list<std::pair<const char*, const char*>> lignes) {
    FrequencyTable t;
    for (const auto& [v, n] : lignes)
        t.lignes.push_back({.valeur = QString::fromUtf8(v), .effectif = QString::fromUtf8(n)});
    return t;
}

}  // namespace
class EffectifsTest : public QObject {
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
void EffectifsTest::weightedEqualsExpanded() {
    QRandomGenerator hasard(4711);
    for (int essai = 0; essai < 400; ++essai) {
        std::vector<core::ValueCount> table;
        std::vector<double> liste;
        const int k = int(hasard.bounded(1, 12));
        for (int i = 0; i < k; ++i) {
            // Few distinct values so that modes and ties come up.
            const double x = double(int(hasard.bounded(-20, 21))) / (essai % 3 ? 1 : 4);
            if (std::any_of(table.begin(), table.end(),
                            [&](const auto& v) { return v.valeur == x; }))
                continue;
            const qint64 n = hasard.bounded(0, essai % 5 ? 9 : 3);
            table.push_back({x, n});
            for (qint64 j = 0; j < n; ++j) liste.push_back(x);
        }
        const core::WeightedParameters p = core::parametresPonderes(table);
        const core::SeriesParameters q = core::parametres(liste);
        QCOMPARE(p.effectif, q.effectif);
        QVERIFY(proches(p.minimum, q.minimum));
        QVERIFY(proches(p.maximum, q.maximum));
        QVERIFY(proches(p.etendue, q.etendue));
        QVERIFY(proches(p.moyenne, q.moyenne));
        QVERIFY(proches(p.mediane, q.mediane));
        QVERIFY(proches(p.premierQuartile, q.premierQuartile));
        QVERIFY(proches(p.troisiemeQuartile, q.troisiemeQuartile));
        QVERIFY(proches(p.ecartInterquartile, q.ecartInterquartile));
        QVERIFY(proches(p.variance, q.variance));
        QVERIFY(proches(p.ecartType, q.ecartType));
        QCOMPARE(p.modes, q.modes);
        if (!liste.empty()) {
            const qint64 N = qint64(liste.size());
            QCOMPARE(*p.premierDecile, rangDansLaListe(liste, (N + 9) / 10));
            QCOMPARE(*p.neuviemeDecile, rangDansLaListe(liste, (9 * N + 9) / 10));
        }
    }
}

// The parameters as the table window shows them, for tables typed in any order.
void EffectifsTest::weighted_data() {
    QTest::addColumn<FrequencyTable>("tableau");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu");
    const FrequencyTable pointures =
        valeurs({{"38", "4"}, {"36", "2"}, {"37", "7"}, {"39", "5"}, {"40", "2"}});
    QTest::newRow("shoe sizes: total") << pointures << u"Effectif total"_s << u"20"_s;
    QTest::newRow("shoe sizes: mean") << pointures << u"Moyenne"_s << u"37,900"_s;
    QTest::newRow("shoe sizes: median of ranks 10 and 11")
        << pointures << u"Médiane"_s << u"38,000"_s;
    QTest::newRow("shoe sizes: Q1 rank 5") << pointures << u"Premier quartile"_s << u"37,000"_s;
    QTest::newRow("shoe sizes: Q3 rank 15") << pointures << u"Troisième quartile"_s << u"39,000"_s;
    QTest::newRow("shoe sizes: D1 rank 2") << pointures << u"Premier décile"_s << u"36,000"_s;
    QTest::newRow("shoe sizes: D9 rank 18") << pointures << u"Neuvième décile"_s << u"39,000"_s;
    QTest::newRow("shoe sizes: mode") << pointures << u"Mode"_s << u"37"_s;
    QTest::newRow("equal counts: no mode")
        << valeurs({{"1", "3"}, {"2", "3"}}) << u"Mode"_s << u"aucun"_s;
    QTest::newRow("zero counts weigh nothing")
        << valeurs({{"1", "0"}, {"5", "2"}, {"9", "0"}}) << u"Étendue"_s << u"0,000"_s;
    QTest::newRow("empty table") << FrequencyTable{} << u"Moyenne"_s << u"—"_s;
    QTest::newRow("the largest total")
        << valeurs({{"1", "2147483646"}, {"3", "1"}}) << u"Effectif total"_s << u"2147483647"_s;
}

void EffectifsTest::weighted() {
    QFETCH(FrequencyTable, tableau);
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    QCOMPARE(parametre(core::analyser(tableau), nom), attendu);
}

// GIVEN the exercise's eight classes THEN the worked example comes out, in the window's
// words and on the polygon.
void EffectifsTest::exerciseClasses() {
    const core::TableAnalysis a = core::analyser(core::tableauDeLExercice());
    QCOMPARE(a.total, 360);
    QCOMPARE(parametre(a, u"Moyenne (par les centres)"_s), u"131,333"_s);
    QCOMPARE(parametre(a, u"Classe modale"_s), u"]120 ; 130]"_s);
    QCOMPARE(parametre(a, u"Médiane (estimation)"_s), u"130,566"_s);
    QCOMPARE(parametre(a, u"Classe de la médiane"_s), u"]130 ; 140]"_s);
    QCOMPARE(parametre(a, u"Premier quartile (estimation)"_s), u"123,226"_s);
    QCOMPARE(parametre(a, u"Troisième quartile (estimation)"_s), u"139,057"_s);
    QCOMPARE(parametre(a, u"Classe du premier quartile"_s), u"]120 ; 130]"_s);
    QCOMPARE(core::effectifAuDessus(a.classes, 130), 186.0);
    QCOMPARE(core::texteDuSeuil(a, 130),
             u"Au-dessus de 130 : 186 valeurs (51,667 %) ; au-dessous : 174 valeurs (48,333 %)."_s);
    const auto au143 = core::lignesDuSeuil(a, 143);
    QCOMPARE(au143[0], (std::pair{u"Effectif au-dessus de 143"_s, u"≈ 64,700"_s}));
    QCOMPARE(au143[3], (std::pair{u"Pourcentage au-dessous de 143"_s, u"82,028 %"_s}));
    const std::vector<QPointF> polygone = core::polygoneCumule(a.classes);
    QCOMPARE(polygone.size(), size_t(9));
    QCOMPARE(polygone.front(), QPointF(90, 0));
    QCOMPARE(polygone[1], QPointF(100, 5));
    QCOMPARE(polygone[4], QPointF(130, 174));
    QCOMPARE(polygone.back(), QPointF(170, 360));
    // Outside the polygon a threshold counts all or nothing.
    QCOMPARE(core::effectifAuDessus(a.classes, 80), 360.0);
    QCOMPARE(core::effectifAuDessous(a.classes, 200), 360.0);
}

// Unequal widths: the modal class is the densest, not the most numerous; a gap keeps
// the polygon flat.
void EffectifsTest::unequalClasses() {
    const std::vector<core::Interval> classes = {{0, 10, 10}, {10, 40, 15}, {50, 60, 5}};
    const core::ClassParameters p = core::parametresClasses(classes);
    QCOMPARE(p.classesModales, std::vector<int>{0});
    QCOMPARE(p.mediane->valeur, 10 + 5.0 / 15 * 30);
    QCOMPARE(p.mediane->classe, 1);
    const std::vector<QPointF> polygone = core::polygoneCumule(classes);
    const std::vector<QPointF> attendu = {{0, 0}, {10, 10}, {40, 25}, {50, 25}, {60, 30}};
    QCOMPARE(polygone, attendu);
    QCOMPARE(core::effectifCumuleEn(classes, 45), 25.0);
    // A level reached in the gap is read at the class where the count starts again.
    QCOMPARE(core::lectureCumulee(classes, 30)->valeur, 60.0);
    QVERIFY(!core::lectureCumulee(classes, 31));
}

QTEST_GUILESS_MAIN(EffectifsTest)
#include "tst_counted_series.moc"
