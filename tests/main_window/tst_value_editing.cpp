// Adding, removing and the random fill of the series, each followed by the engine's run.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "support/fresh_start.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ValueEditingTest : public QObject {
    Q_OBJECT

private slots:
    void addsTheTextAndRunsTheEngine();
    void refusesTextsThatAreNotNumbers_data();
    void refusesTextsThatAreNotNumbers();
    void removesTheLastItemThenAsks();
    void removesTheClickedItem();
    void removesEverything_data();
    void removesEverything();
    void randomFillIsTheSameAtEveryStart();
    void anItemShownUnselectedIsNotSelected();

private:
    statistique& shownWithFocusOnText1(const QString& text, const QLocale& locale = test::french());
};

statistique& ValueEditingTest::shownWithFocusOnText1(const QString& text, const QLocale& locale) {
    statistique& window = test::freshStart(locale);
    window.showCentred();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
    window.Text1->setFocus();
    window.Text1->setText(text);
    window.Text1->end(false);
    return window;
}

void ValueEditingTest::addsTheTextAndRunsTheEngine() {
    statistique& window = test::freshStart();
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);  // "0", the starting text
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    QCOMPARE(test::items(*window.List1), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    window.Text1->setText(u" 12 "_s);  // blanks around a number are allowed
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    QCOMPARE(window.List1->itemText(3), u" 12 "_s);
    QCOMPARE(window.Text1->text(), u" 12 "_s);
    QCOMPARE(window.List1->selectedIndex(), 3);
    QCOMPARE(test::items(*window.List2), (QStringList{u"Valeur max= 12"_s, u"Valeur min= 0"_s,
                                                      u"Moyenne: 3,000"_s, u"Effectif total=4"_s}));
}

void ValueEditingTest::refusesTextsThatAreNotNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("point in French") << "3.5";
    QTest::newRow("two numbers") << "1 2";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("beyond the double range") << "1e999";
}

void ValueEditingTest::refusesTextsThatAreNotNumbers() {
    QFETCH(QString, text);
    // GIVEN a series 4, 8 whose first item the user has clicked
    statistique& window = shownWithFocusOnText1(u"4"_s);
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    window.List1->setSelectedIndex(0);
    const QStringList series = test::items(*window.List1);
    const QStringList summary = test::items(*window.List2);
    // WHEN ">" is clicked with a text that is not a number
    window.Text1->setText(text);
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    // THEN nothing is added, the engine did not run, and the text is ready to retype
    QCOMPARE(test::items(*window.List1), series);
    QCOMPARE(test::items(*window.List2), summary);
    QCOMPARE(window.List1->selectedIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), window.Text1);
    QCOMPARE(window.Text1->selectedText(), text);
}

void ValueEditingTest::removesTheLastItemThenAsks() {
    statistique& window = test::freshStart();
    window.List1->clearItems();
    for (const char* v : {"4", "8", "15"}) window.List1->append(QString::fromLatin1(v));
    dexo_mod::calculer_bilan();
    test::MessageBoxAnswerer answerer;
    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QCOMPARE(test::items(*window.List1), (QStringList{u"4"_s, u"8"_s}));
    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(window.List1->count(), 0);

    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{u"Pour retirer une valeur, cliquer d'abord dessus."_s});
    QCOMPARE(answerer.titles, QStringList{u"Statistique"_s});
    QCOMPARE(answerer.buttons, QStringList{u"OK"_s});
    // The engine ran after the message.
    QCOMPARE(test::items(*window.List2), (QStringList{u"Valeur max= "_s, u"Valeur min= "_s,
                                                      u"Moyenne: 0,000"_s, u"Effectif total=0"_s}));
}

void ValueEditingTest::removesTheClickedItem() {
    statistique& window = test::freshStart();
    for (const char* v : {"4", "8"}) {
        window.Text1->setText(QString::fromLatin1(v));
        QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::settle();
    const QRect first = window.List1->visualRect(window.List1->model()->index(0, 0));
    QTest::mouseClick(window.List1->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QCOMPARE(test::items(*window.List1), (QStringList{u"4"_s, u"8"_s}));
    QCOMPARE(window.List2->itemText(1), u"Valeur min= 4"_s);
}

void ValueEditingTest::removesEverything_data() {
    QTest::addColumn<QStringList>("series");
    QTest::newRow("empty") << QStringList{};
    QTest::newRow("one") << QStringList{u"3"_s};
    QTest::newRow("several, none selected") << QStringList{u"3"_s, u"abc"_s, u"5"_s};
}

void ValueEditingTest::removesEverything() {
    QFETCH(QStringList, series);
    statistique& window = test::freshStart();
    window.List1->clearItems();
    for (const QString& v : series) window.List1->append(v);
    test::MessageBoxAnswerer answerer;
    QTest::mouseClick(&window.Command_enlever(1), Qt::LeftButton);
    QCOMPARE(window.List1->count(), 0);
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(window.List2->itemText(3), u"Effectif total=0"_s);
}

void ValueEditingTest::randomFillIsTheSameAtEveryStart() {
    QList<QStringList> fills;
    for (int start = 0; start < 2; ++start) {
        statistique& window = test::freshStart();
        QTest::mouseClick(window.Command_aleatoire, Qt::LeftButton);
        const QStringList items = test::items(*window.List1);
        QCOMPARE(items.size(), 6);
        for (const QString& item : items) {
            bool whole = false;
            const int v = item.toInt(&whole);
            QVERIFY2(whole && v >= 0 && v <= 99 && item == QString::number(v), qPrintable(item));
        }
        QCOMPARE(window.List1->selectedIndex(), 5);
        QCOMPARE(window.List2->itemText(3), u"Effectif total=6"_s);
        fills << items;
        // A second fill in the same run goes on with the sequence.
        QTest::mouseClick(window.Command_aleatoire, Qt::LeftButton);
        QVERIFY(test::items(*window.List1) != items);
    }
    QCOMPARE(fills[0], fills[1]);
    QCOMPARE(fills[0], (QStringList{u"70"_s, u"53"_s, u"57"_s, u"28"_s, u"30"_s, u"77"_s}));
}

void ValueEditingTest::anItemShownUnselectedIsNotSelected() {
    // GIVEN 4, 8, 15 with 15 selected, as the list shows it
    statistique& window = shownWithFocusOnText1(u"0"_s);
    test::loadSeries({u"4"_s, u"8"_s, u"15"_s});
    test::settle();
    const QRect last = window.List1->visualRect(window.List1->model()->index(2, 0));
    // WHEN the learner Ctrl+clicks it, which takes its highlight away
    QTest::mouseClick(window.List1->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
    QVERIFY(window.List1->selectionModel()->selectedIndexes().isEmpty());
    // THEN "Fréquence" answers as for no selection, and "<" asks for a click first
    QCOMPARE(window.List1->selectedIndex(), -1);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QVERIFY2(window.Label1->caption().startsWith(u"effectif de la valeur ' 0 ' = 0 "_s),
             qPrintable(window.Label1->caption()));
    test::MessageBoxAnswerer answerer;
    QTest::mouseClick(&window.Command_enlever(0), Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{u"Pour retirer une valeur, cliquer d'abord dessus."_s});
    QCOMPARE(test::items(*window.List1), (QStringList{u"4"_s, u"8"_s, u"15"_s}));
}

QTEST_MAIN(ValueEditingTest)
#include "tst_value_editing.moc"
