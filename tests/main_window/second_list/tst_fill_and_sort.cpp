// The second list's random fill and its sorting, and what the charts make of it.

#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"
#include "ui/look.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using dexo_mod::Variant;

namespace {
QList<double> secondList() {
    QList<double> values;
    for (int i = 0; i < int(dexo_mod::effectif_liste2().toDouble()); ++i)
        values << dexo_mod::valeurs_liste2(i);
    return values;
}

QString lines(const QList<double>& values) {
    QStringList texts;
    for (double v : values) texts << core::textOfNumber(v);
    return texts.join(u"\r\n"_s);
}
}  // namespace

class FillAndSortTest : public QObject {
    Q_OBJECT

private slots:
    void randomFill();
    void randomFillIsTheSameAtEveryStart();
    void laterEditKeepsEveryValue();
    void sorts_data();
    void sorts();
    void sortsLongLists();
    void sortingBeforeAnyEdit();
    void chartsTakeTheFilledListIntoAccount();
};

void FillAndSortTest::randomFill() {
    statistique& window = test::freshStart();
    QSignalSpy changes(window.Text_liste2, &ui::MultiLineTextBox::changed);
    QTest::mouseClick(window.Command_aleatoire2, Qt::LeftButton);
    const QList<double> values = secondList();
    QCOMPARE(values.size(), 6);
    for (double v : values) QVERIFY(v >= 0 && v <= 99 && v == std::floor(v));
    QCOMPARE(window.Text_liste2->text(), lines(values));
    QCOMPARE(dexo_mod::bilan_liste2(0).toDouble(), *std::max_element(values.begin(), values.end()));
    QCOMPARE(dexo_mod::bilan_liste2(1).toDouble(), *std::min_element(values.begin(), values.end()));
    double sum = 0;
    for (double v : values) sum += v;
    QCOMPARE(dexo_mod::bilan_liste2(2).toDouble(), sum / 6);
    // The box was rewritten under the flag: its change events read nothing.
    QVERIFY(changes.count() >= 1);
    QCOMPARE(dexo_mod::maj_liste2(), qint16(0));
    // The model still knows the text, for files and the clipboard.
    QCOMPARE(dexo_mod::model().secondListText, window.Text_liste2->text());
}

void FillAndSortTest::randomFillIsTheSameAtEveryStart() {
    QList<QList<double>> fills;
    for (int start = 0; start < 2; ++start) {
        statistique& window = test::freshStart();
        QTest::mouseClick(window.Command_aleatoire2, Qt::LeftButton);
        fills << secondList();
    }
    QCOMPARE(fills[0], fills[1]);
    QCOMPARE(fills[0], (QList<double>{70, 53, 57, 28, 30, 77}));
}

void FillAndSortTest::laterEditKeepsEveryValue() {
    // GIVEN a filled list
    statistique& window = test::freshStart();
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.Command_aleatoire2, Qt::LeftButton);
    const QList<double> filled = secondList();
    // WHEN the learner adds a line at the end
    window.Text_liste2->setFocus();
    window.Text_liste2->moveCursor(QTextCursor::End);
    QTest::keyClick(window.Text_liste2, Qt::Key_Return);
    QTest::sendKeyEvent(QTest::Click, window.Text_liste2, Qt::Key_4, u"4"_s, Qt::KeypadModifier);
    test::settle();
    // THEN all six values are read again, and the seventh
    QCOMPARE(secondList(), filled + QList<double>{4});
}

void FillAndSortTest::sorts_data() {
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QList<double>>("sorted");
    QTest::newRow("30, 10, 20") << QList<double>{30, 10, 20} << true << QList<double>{10, 20, 30};
    QTest::newRow("already in order") << QList<double>{1, 2, 3} << true << QList<double>{1, 2, 3};
    QTest::newRow("all equal") << QList<double>{5, 5, 5, 5, 5} << true
                               << QList<double>{5, 5, 5, 5, 5};
    QTest::newRow("ties among others")
        << QList<double>{3, 1, 3, 2} << true << QList<double>{1, 2, 3, 3};
    QTest::newRow("negatives and decimals")
        << QList<double>{0.5, -2, 0} << true << QList<double>{-2, 0, 0.5};
    QTest::newRow("one value") << QList<double>{7} << true << QList<double>{7};
    QTest::newRow("descending") << QList<double>{30, 10, 20} << false << QList<double>{30, 20, 10};
    QTest::newRow("descending with ties")
        << QList<double>{3, 1, 3, 2} << false << QList<double>{3, 3, 2, 1};
}

void FillAndSortTest::sorts() {
    QFETCH(QList<double>, values);
    QFETCH(bool, ascending);
    QFETCH(QList<double>, sorted);
    statistique& window = test::freshStart();
    window.Text_liste2->setText(lines(values));
    const QList<double> summary = {dexo_mod::bilan_liste2(0).toDouble(),
                                   dexo_mod::bilan_liste2(1).toDouble(),
                                   dexo_mod::bilan_liste2(2).toDouble()};
    QTest::mouseClick(ascending ? window.Command_asc : window.Command_desc, Qt::LeftButton);
    QCOMPARE(secondList(), sorted);
    QCOMPARE(window.Text_liste2->text(), lines(sorted));
    QCOMPARE(dexo_mod::maj_liste2(), qint16(0));
    const QList<double> after = {dexo_mod::bilan_liste2(0).toDouble(),
                                 dexo_mod::bilan_liste2(1).toDouble(),
                                 dexo_mod::bilan_liste2(2).toDouble()};
    QCOMPARE(after, summary);
}

void FillAndSortTest::sortsLongLists() {
    for (int n : {26, 51}) {
        statistique& window = test::freshStart();
        QList<double> values;
        for (int i = 0; i < n; ++i) values << (i * 37) % 23 - 5;  // with repeats
        window.Text_liste2->setText(lines(values));
        QCOMPARE(secondList().size(), n);
        QTest::mouseClick(window.Command_asc, Qt::LeftButton);
        QList<double> expected = values;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(secondList(), expected);
        QTest::mouseClick(window.Command_desc, Qt::LeftButton);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(secondList(), expected);
        // The box reads back to the same list.
        window.Text_liste2->setText(window.Text_liste2->text());
        QCOMPARE(secondList(), expected);
    }
}

void FillAndSortTest::sortingBeforeAnyEdit() {
    statistique& window = test::freshStart();
    QTest::mouseClick(window.Command_asc, Qt::LeftButton);
    QCOMPARE(window.Text_liste2->text(), u"0"_s);
    QVERIFY(dexo_mod::effectif_liste2().isEmpty());
}

void FillAndSortTest::chartsTakeTheFilledListIntoAccount() {
    statistique& window = test::freshStart();
    QTest::mouseClick(window.Check1, Qt::LeftButton);
    QTest::mouseClick(window.Command_aleatoire2, Qt::LeftButton);
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    QCOMPARE(test::linesIn(*window.Picture1, ui::rgb(255, 0, 0)).size(), 6);
    QCOMPARE(window.Label_graph2(5).caption(), u"77"_s);
    QTest::mouseClick(&window.Option_graph(1), Qt::LeftButton);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 2).size(), 2 * 629);
    int secondPieSpokes = 0;
    for (const auto& op : window.Picture1->operations())
        if (op.kind == test::Operation::Kind::Line && op.colour != 0 && op.x1 == 6221.25f)
            ++secondPieSpokes;
    QCOMPARE(secondPieSpokes, 6 * 75);
}

QTEST_MAIN(FillAndSortTest)
#include "tst_fill_and_sort.moc"
