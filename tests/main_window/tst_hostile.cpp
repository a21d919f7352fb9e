// Hostile series: extreme magnitudes, twenty digits, many decimals, and a thousand or
// ten thousand values. Every handler copes and nothing breaks; how long each takes is
// measured by make bench.

#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QStringList kHostile = {u"1e308"_s,
                              u"-1e308"_s,
                              u"12345678901234567890"_s,
                              u"0,123456789012345678"_s,
                              u"-0,000001"_s,
                              u"1,79769313486232E+308"_s,
                              u"5e-324"_s,
                              u"0"_s};

QStringList series(int count) {
    QStringList items;
    for (int i = 0; i < count; ++i) items << kHostile[i % kHostile.size()];
    return items;
}
}  // namespace

class HostileTest : public QObject {
    Q_OBJECT

private slots:
    void everyHandlerCopes_data();
    void everyHandlerCopes();
    void typedExtremesAreTaken();
    void aHugeSecondList();
};

void HostileTest::everyHandlerCopes_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("8 hostile values") << 8;
    QTest::newRow("1,000 values") << 1000;
    QTest::newRow("10,000 values") << 10000;
}

void HostileTest::everyHandlerCopes() {
    QFETCH(int, count);
    statistique& w = test::freshStart();
    test::loadSeries(series(count));
    w.Text_liste2->setText(kHostile.join(u"\r\n"_s));
    test::MessageBoxAnswerer answerer;

    const QList<std::pair<const char*, QAbstractButton*>> buttons = {
        {"Fréquence", w.Command2},
        {"Bâtons", &w.Option_graph(0)},
        {"Camembert", &w.Option_graph(1)},
        {"Courbe", &w.Option_graph(2)},
        {"Les deux", &w.Option_graph(3)},
        {"2ème liste", w.Check1},
        {"Bâtons, 2 listes", &w.Option_graph(0)},
        {"Camembert, 2 listes", &w.Option_graph(1)},
        {"Les deux, 2 listes", &w.Option_graph(3)},
        {"Croissant", w.Command_asc},
        {"Décroiss", w.Command_desc},
        {"Aleatoire 2", w.Command_aleatoire2},
        {">", w.Command_ajout},
        {"<", &w.Command_enlever(0)}};
    for (const auto& [name, button] : buttons) {
        QTest::mouseClick(button, Qt::LeftButton);
        w.Picture1->surface()->grab();  // painted too
        QVERIFY2(test::allFinite(*w.Picture1), name);
        QCOMPARE(w.List2->count(), 4);
    }
    QCOMPARE(w.List1->count(), count);  // one added, one removed
    QTest::mouseClick(&w.Command_enlever(1), Qt::LeftButton);
    QCOMPARE(w.List1->count(), 0);
    QVERIFY(answerer.texts.isEmpty());
}

void HostileTest::typedExtremesAreTaken() {
    statistique& w = test::freshStart();
    for (const QString& value : kHostile) {
        w.Text1->setText(value);
        QTest::mouseClick(w.Command_ajout, Qt::LeftButton);
    }
    QCOMPARE(w.List1->count(), 1 + kHostile.size());
    QCOMPARE(w.List2->itemText(0), u"Valeur max= 1,79769313486232E+308"_s);
    QCOMPARE(w.List2->itemText(1), u"Valeur min= -1E+308"_s);
    for (int chart = 0; chart < 4; ++chart) {
        QTest::mouseClick(&w.Option_graph(chart), Qt::LeftButton);
        QVERIFY(test::allFinite(*w.Picture1));
    }
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QVERIFY(w.Label1->caption().startsWith(u"effectif de la valeur ' 0 ' = "_s));
}

void HostileTest::aHugeSecondList() {
    statistique& w = test::freshStart();
    QStringList lines;
    for (int i = 0; i < 10000; ++i) lines << kHostile[i % kHostile.size()];
    w.Text_liste2->setText(lines.join(u"\r\n"_s));
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 51.0);
    QCOMPARE(dexo_mod::valeurs_liste2(0), 1e308);
}

QTEST_MAIN(HostileTest)
#include "tst_hostile.moc"
