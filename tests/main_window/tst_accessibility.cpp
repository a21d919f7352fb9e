// What a screen reader finds: a French name on every control, and a chart area that
// tells which chart it shows and the values it labels.

#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "support/fresh_start.h"

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString nameOf(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

QString describedChart() {
    QAccessibleInterface* a =
        QAccessible::queryAccessibleInterface(statistique::instance().Picture1);
    return a->text(QAccessible::Description);
}

void draw(int chart) {
    QTest::mouseClick(&statistique::instance().Option_graph(chart), Qt::LeftButton);
}
}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void everyControlHasAName();
    void chartDescription_data();
    void chartDescription();
    void descriptionFollowsTheNextChart();
};

void AccessibilityTest::everyControlHasAName() {
    QList<QWidget*> controls = statistique::instance().findChildren<QWidget*>();
    controls += Dexo_enonce::instance().findChildren<QWidget*>();
    int named = 0;
    for (QWidget* w : controls) {
        if (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        QVERIFY2(!nameOf(w).trimmed().isEmpty(), qPrintable(w->objectName()));
        ++named;
    }
    QVERIFY(named >= 19 + 21);
    QCOMPARE(nameOf(statistique::instance().List2), u"Résumé de la série"_s);
    QCOMPARE(nameOf(&Dexo_enonce::instance().Text1(12)), u"Effectif de la classe 3"_s);
    // The frequency answer is read as the label's text.
    QTest::mouseClick(statistique::instance().Command2, Qt::LeftButton);
    QCOMPARE(nameOf(statistique::instance().Label1), statistique::instance().Label1->caption());
}

void AccessibilityTest::chartDescription_data() {
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<QList<double>>("second");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("description");
    const QStringList exercise = {"5", "14", "31", "124", "106", "51", "22", "7"};
    QTest::newRow("sticks") << exercise << QList<double>{} << 0
                            << "Diagramme en bâtons : 5, 14, 31, 124, 106, 51, 22, 7";
    QTest::newRow("pie") << exercise << QList<double>{} << 1
                         << "Camembert : 5, 14, 31, 124, 106, 51, 22, 7";
    QTest::newRow("curve") << QStringList{"2,5", "3"} << QList<double>{} << 2 << "Courbe : 2,5, 3";
    QTest::newRow("both") << QStringList{"1"} << QList<double>{} << 3
                          << "Diagramme en bâtons et courbe : 1";
    QTest::newRow("with the second list") << QStringList{"1", "2"} << QList<double>{3, 5} << 0
                                          << "Diagramme en bâtons : 1, 2 ; deuxième liste : 3, 5";
    QTest::newRow("nothing to label")
        << QStringList{} << QList<double>{} << 0 << "Diagramme en bâtons : aucune valeur";
}

void AccessibilityTest::chartDescription() {
    QFETCH(QStringList, series);
    QFETCH(QList<double>, second);
    QFETCH(int, chart);
    QFETCH(QString, description);
    test::loadSeries(series);
    if (!second.isEmpty()) {
        QString text;
        for (double v : second) text += (text.isEmpty() ? u""_s : u"\r\n"_s) + QString::number(v);
        statistique::instance().Text_liste2->setText(text);
        QTest::mouseClick(statistique::instance().Check1, Qt::LeftButton);
    }
    draw(chart);
    QCOMPARE(describedChart(), description);
}

void AccessibilityTest::descriptionFollowsTheNextChart() {
    QStringList many;
    for (int i = 1; i <= 25; ++i) many << QString::number(i);
    test::loadSeries(many);
    draw(0);
    QVERIFY(describedChart().endsWith(u", 20, 21"_s));  // only what the labels show
    test::loadSeries({u"4"_s});
    draw(2);
    QCOMPARE(describedChart(), u"Courbe : 4"_s);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
