// The statistics engine, driven through List1, in a French and a point-decimal locale.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "support/fresh_start.h"

#include <QTest>

using namespace Qt::StringLiterals;
using dexo_mod::Variant;

class CalculerBilanTest : public QObject {
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
    void firstItemKeepsItsTextUntilReplaced();
    void leavesOtherDataAlone();
};

void CalculerBilanTest::summary_data() {
    QTest::addColumn<bool>("pointLocale");
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("selected");

    for (bool point : {false, true}) {
        const auto p = [point](QString s) { return point ? s.replace(u',', u'.') : s; };
        const QString where = point ? u" (point)"_s : u""_s;
        const auto row = [&](const QString& name) -> QTestData& {
            return QTest::newRow(qPrintable(name + where)) << point;
        };
        row(u"2, 9, 4"_s) << QStringList{"2", "9", "4"}
                          << QStringList{"Valeur max= 9", "Valeur min= 2", p("Moyenne: 5,000"),
                                         "Effectif total=3"}
                          << 2;
        row(u"single 5"_s) << QStringList{"5"}
                           << QStringList{"Valeur max= 5", "Valeur min= 5", p("Moyenne: 5,000"),
                                          "Effectif total=1"}
                           << 0;
        row(u"3, abc, 5"_s) << QStringList{"3", "abc", "5"}
                            << QStringList{"Valeur max= 5", "Valeur min= 3", p("Moyenne: 3,667"),
                                           "Effectif total=3"}
                            << 2;
        row(u"abc, 4"_s) << QStringList{"abc", "4"}
                         << QStringList{"Valeur max= 4", "Valeur min= 0", p("Moyenne: 2,000"),
                                        "Effectif total=2"}
                         << 1;
        row(u"empty"_s) << QStringList{}
                        << QStringList{"Valeur max= ", "Valeur min= ", p("Moyenne: 0,000"),
                                       "Effectif total=0"}
                        << -1;
        row(u"ties keep the earliest"_s) << QStringList{"07", "3", "7"}
                                         << QStringList{"Valeur max= 07", "Valeur min= 3",
                                                        p("Moyenne: 5,667"), "Effectif total=3"}
                                         << 2;
        row(u"decimals"_s) << QStringList{p("2,5"), p("3,25")}
                           << QStringList{p("Valeur max= 3,25"), p("Valeur min= 2,5"),
                                          p("Moyenne: 2,875"), "Effectif total=2"}
                           << 1;
        row(u"negatives"_s) << QStringList{"-4", "-2", "-9"}
                            << QStringList{"Valeur max= -2", "Valeur min= -9", p("Moyenne: -5,000"),
                                           "Effectif total=3"}
                            << 2;
        row(u"mean rounded half away from zero"_s)
            << QStringList{"1", p("1,001")}
            << QStringList{p("Valeur max= 1,001"), "Valeur min= 1", p("Moyenne: 1,001"),
                           "Effectif total=2"}
            << 1;
        row(u"decimal of the other locale"_s)
            << QStringList{"2", point ? "3,5" : "3.5"}
            << QStringList{"Valeur max= 2", "Valeur min= 2", p("Moyenne: 2,000"),
                           "Effectif total=2"}
            << 1;
    }
}

void CalculerBilanTest::summary() {
    QFETCH(bool, pointLocale);
    QFETCH(QStringList, series);
    QFETCH(QStringList, lines);
    QFETCH(int, selected);

    // GIVEN List1 holding the series
    statistique& window = test::freshStart(pointLocale ? test::english() : test::french());
    window.List1->clearItems();
    for (const QString& item : series) window.List1->append(item);
    // WHEN the engine runs
    dexo_mod::calculer_bilan();
    // THEN List2 holds its four lines and the last item is selected
    QCOMPARE(test::items(*window.List2), lines);
    QCOMPARE(window.List1->selectedIndex(), selected);
    QCOMPARE(dexo_mod::effectif_total().toDouble(), double(series.size()));
    QVERIFY(dexo_mod::effectif_total().type() == Variant::Type::Integer);
    // The model holds the series the engine read, for every other reader.
    QCOMPARE(dexo_mod::model().series1, series);
}

void CalculerBilanTest::firstItemKeepsItsTextUntilReplaced() {
    statistique& window = test::freshStart();
    window.List1->clearItems();
    window.List1->append(u"08"_s);
    window.List1->append(u"5"_s);
    dexo_mod::calculer_bilan();
    QCOMPARE(window.List2->itemText(0), u"Valeur max= 08"_s);
    QVERIFY(dexo_mod::bilan_liste1(0).type() == Variant::Type::Text);
    QVERIFY(dexo_mod::bilan_liste1(1).type() == Variant::Type::Double);

    window.List1->append(u"12"_s);
    dexo_mod::calculer_bilan();
    QCOMPARE(window.List2->itemText(0), u"Valeur max= 12"_s);
    QCOMPARE(dexo_mod::bilan_liste1(0).toDouble(), 12.0);
}

void CalculerBilanTest::leavesOtherDataAlone() {
    statistique& window = test::freshStart();
    for (int i = 3; i <= 10; ++i) dexo_mod::model().setBilanListe1(i, Variant(double(i)));
    window.List1->clearItems();
    dexo_mod::calculer_bilan();
    QVERIFY(dexo_mod::bilan_liste1(2).type() == Variant::Type::Integer);  // 0 / 0 left the 0
    QCOMPARE(dexo_mod::bilan_liste1(0).toText(), u""_s);
    for (int i = 3; i <= 10; ++i) QCOMPARE(dexo_mod::bilan_liste1(i).toDouble(), double(i));
    QVERIFY(dexo_mod::model().series1.isEmpty());
}

QTEST_MAIN(CalculerBilanTest)
#include "tst_calculer_bilan.moc"
