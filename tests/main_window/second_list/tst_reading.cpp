// Reading the second list from its text box at every change.

#include "engine/dexo_mod.h"
#include "support/fresh_start.h"

#include <QTest>

using namespace Qt::StringLiterals;
using dexo_mod::Variant;

class ReadingTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void keepsCellsPastTheCount();
    void ignoresItsOwnRewrites();
    void readsWhatIsTyped();
    void checkBoxTogglesTheFlag();
};

void ReadingTest::reads_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<double>>("summary");

    const QLocale fr = test::french();
    QTest::newRow("3, 5, 7") << fr << "3\r\n5\r\n7" << QList<double>{3, 5, 7}
                             << QList<double>{7, 3, 5};
    QTest::newRow("trailing line break") << fr << "3\r\n5\r\n7\r\n"
                                         << QList<double>{3, 5, 7} << QList<double>{7, 3, 5};
    QTest::newRow("a letter ends the list")
        << fr << "3\r\nx\r\n7" << QList<double>{3} << QList<double>{3, 3, 3};
    QTest::newRow("an empty line ends the list")
        << fr << "4\r\n\r\n7" << QList<double>{4} << QList<double>{4, 4, 4};
    QTest::newRow("first line a letter: empty")
        << fr << "x\r\n5\r\n7" << QList<double>{} << QList<double>{0, 0, 0};
    QTest::newRow("empty box: empty") << fr << "" << QList<double>{} << QList<double>{0, 0, 0};
    QTest::newRow("tab-separated numbers: empty")
        << fr << "70\t53\t" << QList<double>{} << QList<double>{0, 0, 0};
    QTest::newRow("decimal comma")
        << fr << "2,5\r\n-1" << QList<double>{2.5, -1} << QList<double>{2.5, -1, 0.75};
    QTest::newRow("decimal point locale")
        << test::english() << "2.5\r\n-1" << QList<double>{2.5, -1} << QList<double>{2.5, -1, 0.75};
    QList<double> fiftyOne;
    QString sixty;
    for (int i = 1; i <= 60; ++i) {
        if (i <= 51) fiftyOne << i;
        sixty += QString::number(i) + (i < 60 ? u"\r\n"_s : u""_s);
    }
    QTest::newRow("60 lines: 51 read") << fr << sixty << fiftyOne << QList<double>{51, 1, 26};
}

void ReadingTest::reads() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QList<double>, values);
    QFETCH(QList<double>, summary);

    statistique& window = test::freshStart(locale);
    window.Text_liste2->setText(text);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), double(values.size()));
    for (int i = 0; i < values.size(); ++i) QCOMPARE(dexo_mod::valeurs_liste2(i), values[i]);
    for (int i = 0; i < 3; ++i) QCOMPARE(dexo_mod::bilan_liste2(i).toDouble(), summary[i]);
    const std::vector<double> taken = dexo_mod::model().series2();
    QCOMPARE(QList<double>(taken.begin(), taken.end()), values);
    QCOMPARE(dexo_mod::model().secondListText, text);
}

void ReadingTest::keepsCellsPastTheCount() {
    statistique& window = test::freshStart();
    window.Text_liste2->setText(u"1\r\n2\r\n3"_s);
    window.Text_liste2->setText(u"8"_s);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 1.0);
    QCOMPARE(dexo_mod::valeurs_liste2(0), 8.0);
    QCOMPARE(dexo_mod::valeurs_liste2(2), 3.0);  // never cleared
    // A first line that is not a number leaves the first value; the second is still read.
    window.Text_liste2->setText(u"x\r\n5"_s);
    QCOMPARE(dexo_mod::valeurs_liste2(0), 8.0);
    QCOMPARE(dexo_mod::valeurs_liste2(1), 5.0);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 0.0);
}

void ReadingTest::ignoresItsOwnRewrites() {
    statistique& window = test::freshStart();
    window.Text_liste2->setText(u"4\r\n6"_s);
    dexo_mod::model().setMajListe2(-1);
    window.Text_liste2->setText(u"9\r\n9\r\n9"_s);
    dexo_mod::model().setMajListe2(0);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 2.0);
    QCOMPARE(dexo_mod::bilan_liste2(2).toDouble(), 5.0);
}

void ReadingTest::readsWhatIsTyped() {
    // GIVEN the box focused and emptied
    statistique& window = test::freshStart();
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Text_liste2->setFocus();
    window.Text_liste2->selectAll();
    QTest::keyClick(window.Text_liste2, Qt::Key_Backspace);
    // WHEN 1 Enter 2 Enter 3 (keypad decimal) 5 are typed, with a main-row 7 among them
    const auto keypad = [&](Qt::Key key, const QString& text) {
        QTest::sendKeyEvent(QTest::Click, window.Text_liste2, key, text, Qt::KeypadModifier);
        test::settle();
    };
    keypad(Qt::Key_1, u"1"_s);
    QTest::keyClick(window.Text_liste2, Qt::Key_Return);
    keypad(Qt::Key_2, u"2"_s);
    QTest::keyClick(window.Text_liste2, Qt::Key_7);
    test::settle();
    QTest::keyClick(window.Text_liste2, Qt::Key_Enter, Qt::KeypadModifier);
    keypad(Qt::Key_3, u"3"_s);
    keypad(Qt::Key_Period, u"."_s);
    keypad(Qt::Key_5, u"5"_s);
    // THEN the box holds three lines and the list reads them
    QCOMPARE(window.Text_liste2->text(), u"1\r\n2\r\n3,5"_s);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 3.0);
    QCOMPARE(dexo_mod::valeurs_liste2(2), 3.5);
    QCOMPARE(dexo_mod::bilan_liste2(0).toDouble(), 3.5);
}

void ReadingTest::checkBoxTogglesTheFlag() {
    statistique& window = test::freshStart();
    QVERIFY(dexo_mod::prendre_liste2().isEmpty());
    QTest::mouseClick(window.Check1, Qt::LeftButton);
    QVERIFY(dexo_mod::prendre_liste2().isTrue());
    QVERIFY(window.Check1->isChecked());
    QTest::mouseClick(window.Check1, Qt::LeftButton, {}, QPoint(90, 10));  // on the caption
    QVERIFY(!dexo_mod::prendre_liste2().isTrue());
    QVERIFY(!window.Check1->isChecked());
    QVERIFY(window.Picture1->operations().empty());  // nothing redrawn
}

QTEST_MAIN(ReadingTest)
#include "tst_reading.moc"
