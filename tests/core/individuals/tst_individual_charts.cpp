// Charts of the individuals: what each tells a screen reader, the sectors of the pie
// in proportion to the counts, and nothing drawn where nobody is selected.

#include "core/individuals/charts.h"
#include "core/individuals/filter.h"
#include "core/numbers.h"
#include "sample.h"

#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using namespace core::individuals;

class IndividualChartsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void described_data();
    void described();
    void pieInProportion();
    void nobodySelected();
};

void IndividualChartsTest::described_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("description");
    QTest::newRow("bars") << u"bars"_s
                          << u"Diagramme en barres de Transport, effectif de chaque modalité : "
                             u"Bus : 3, Vélo : 2, Pied : 2"_s;
    QTest::newRow("pie") << u"pie"_s
                         << u"Diagramme circulaire de Transport, part de chaque modalité : Bus "
                            u"42,9 %, Vélo 28,6 %, Pied 28,6 %"_s;
    QTest::newRow("histogram")
        << u"histogram"_s
        << u"Taille (cm) : Histogramme, classes de même amplitude, effectif de chaque classe : "
           u"[150 ; 160[ : 1, [160 ; 170[ : 4, [170 ; 180[ : 1, [180 ; 190[ : 1"_s;
}

// GIVEN the class of eight WHEN a chart is made THEN its description says the counts.
void IndividualChartsTest::described() {
    QFETCH(QString, chart);
    QFETCH(QString, description);
    const Dataset d = sample::classOfEight();
    const Selection all = Selection::all(8);
    const Modalities m = modalities(d, 2, all);
    core::TableChartRecord g;
    switch (*chartNamed(chart)) {
        case Chart::Bars:
            g = barsOfModalities(u"Transport"_s, m);
            break;
        case Chart::Pie:
            g = pieOfModalities(u"Transport"_s, m);
            break;
        case Chart::Histogram:
            g = histogramOfClasses(u"Taille (cm)"_s, classes(d, 1, all, 10));
            break;
    }
    QCOMPARE(g.fault, QString());
    QCOMPARE(g.description, description);
    QVERIFY(!g.drawing.operations().empty());
    QVERIFY(!chartNamed(u"sticks"));
}

// GIVEN three modalities counted 3, 2, 2 WHEN drawn as a pie THEN each colour fills a
// share of the spokes in proportion to its count.
void IndividualChartsTest::pieInProportion() {
    const Dataset d = sample::classOfEight();
    const auto g = pieOfModalities(u"Transport"_s, modalities(d, 2, Selection::all(8)));
    std::map<quint32, double> spokes;
    double all = 0;
    for (const auto& op : g.drawing.operations())
        if (op.width == 2) spokes[op.colour] += 1, all += 1;
    QCOMPARE(spokes.size(), size_t(3));
    QVERIFY(std::abs(spokes[quint32(core::kPalette[0])] / all - 3.0 / 7) < 0.01);
    QVERIFY(std::abs(spokes[quint32(core::kPalette[2])] / all - 2.0 / 7) < 0.01);
}

void IndividualChartsTest::nobodySelected() {
    const Dataset d = sample::classOfEight();
    const Selection none = evaluate(*parseFilter(u"Âge > 99"_s, d).value, d);
    const auto g = barsOfModalities(u"Transport"_s, modalities(d, 2, none));
    QCOMPARE(g.fault, u"Aucun individu sélectionné n'a de valeur à dessiner."_s);
    QVERIFY(g.drawing.operations().empty());
    QCOMPARE(histogramOfClasses(u"x"_s, classes(d, 1, Selection::all(8), 10, 155)).fault,
             u"la première borne (155) dépasse le minimum (150) : des valeurs seraient laissées "
             u"hors des classes"_s);
}

QTEST_GUILESS_MAIN(IndividualChartsTest)
#include "tst_individual_charts.moc"
