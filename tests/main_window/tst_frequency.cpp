// How often the selected value occurs, as Label1 tells it.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "support/fresh_start.h"

#include <QTest>

using namespace Qt::StringLiterals;

class FrequencyTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void emptyListNeverShowsAnEarlierPercentage();
};

void FrequencyTest::answers_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("caption");

    const auto answer = [](const QString& value, const QString& count, const QString& percent) {
        return u"effectif de la valeur ' "_s + value + u" ' = "_s + count + u" / Fréquence : "_s +
               percent + u"%"_s;
    };
    QTest::newRow("5, 7, 5, 9, third selected")
        << test::french() << QStringList{"5", "7", "5", "9"} << 2 << answer("5", "2", "50,000");
    QTest::newRow("1, 2, 3, first selected")
        << test::french() << QStringList{"1", "2", "3"} << 0 << answer("1", "1", "33,333");
    QTest::newRow("12 and 12,0 are equal")
        << test::french() << QStringList{"12", "3", "12,0", "012"} << 0
        << answer("12", "3", "75,000");
    QTest::newRow("a text that is not a number counts")
        << test::french() << QStringList{"4", "abc", "4"} << 0 << answer("4", "3", "100,000");
    QTest::newRow("nothing selected counts zeros")
        << test::french() << QStringList{"0", "3", "0"} << -1 << answer("0", "2", "66,667");
    QTest::newRow("nothing selected, no zero: count 0")
        << test::french() << QStringList{"3", "8"} << -1 << answer("0", "0", "0,000");
    QTest::newRow("decimal value")
        << test::french() << QStringList{"2,5", "2,5", "1"} << 1 << answer("2,5", "2", "66,667");
    QTest::newRow("point locale") << test::english() << QStringList{"2.5", "2.5", "1"} << 1
                                  << answer("2.5", "2", "66.667");
}

void FrequencyTest::answers() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, series);
    QFETCH(int, selected);
    QFETCH(QString, caption);

    // GIVEN a series with one item selected
    statistique& window = test::freshStart(locale);
    window.List1->clearItems();
    for (const QString& item : series) window.List1->append(item);
    dexo_mod::calculer_bilan();
    const QStringList summary = test::items(*window.List2);
    window.List1->setSelectedIndex(selected);
    // WHEN "Fréquence" is clicked
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    // THEN Label1 answers and nothing else changed
    QCOMPARE(window.Label1->caption(), caption);
    QCOMPARE(window.List1->selectedIndex(), selected);
    QCOMPARE(test::items(*window.List2), summary);
    QCOMPARE(test::items(*window.List1), series);
}

void FrequencyTest::emptyListNeverShowsAnEarlierPercentage() {
    statistique& window = test::freshStart();
    QTest::mouseClick(window.Command2, Qt::LeftButton);  // the start-up series "0"
    QCOMPARE(window.Label1->caption(), u"effectif de la valeur ' 0 ' = 1 / Fréquence : 100,000%"_s);
    QTest::mouseClick(&window.Command_enlever(1), Qt::LeftButton);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(window.Label1->caption(), u"effectif de la valeur ' 0 ' = 0 / Fréquence : 0,000%"_s);
    QCOMPARE(window.List1->selectedIndex(), -1);
}

QTEST_MAIN(FrequencyTest)
#include "tst_frequency.moc"
