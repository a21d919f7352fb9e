// Wiping the chart area, the chart buttons and the timer's deferred chart.

#include "engine/dexo_mod.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"
#include "ui/look.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

class ChartAreaTest : public QObject {
    Q_OBJECT

private slots:
    void timerDrawsTheStoredChartOnce_data();
    void timerDrawsTheStoredChartOnce();
    void wipingHidesEveryLabel();
    void sameButtonTwiceDrawsTwice();
    void chartIsKeptWhenCovered();
    void recordReplaysOntoAnyPainter();
};

void ChartAreaTest::timerDrawsTheStoredChartOnce_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("blueLines");
    QTest::addColumn<int>("bigDots");
    QTest::addColumn<int>("smallDots");
    QTest::newRow("sticks") << 0 << 8 << 0 << 0;
    QTest::newRow("pie") << 1 << 0 << 0 << 629;
    QTest::newRow("curve alone") << 2 << 0 << 8 << 0;
    QTest::newRow("no such chart") << 7 << 0 << 0 << 0;
}

void ChartAreaTest::timerDrawsTheStoredChartOnce() {
    QFETCH(int, choice);
    QFETCH(int, blueLines);
    QFETCH(int, bigDots);
    QFETCH(int, smallDots);
    statistique& window = test::freshStart();
    test::loadSeries({"5", "14", "31", "124", "106", "51", "22", "7"});
    window.Option_graph(choice % 4).setValue(true);
    const int clears = window.Picture1->clearCount();

    dexo_mod::model().setChoixGraphe(qint16(choice));
    window.Timer1->setInterval(100);
    QTRY_COMPARE(window.Timer1->interval(), 0);
    QVERIFY(!window.Timer1->isRunning());  // no second tick to come

    QCOMPARE(window.Picture1->clearCount(), clears + (choice < 4 ? 1 : 0));
    QCOMPARE(test::linesIn(*window.Picture1, ui::rgb(0, 0, 255)).size(), blueLines);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7).size(), bigDots);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 2).size(), smallDots);
    for (int i = 0; i < 4; ++i) QVERIFY(!window.Option_graph(i).value());
}

void ChartAreaTest::wipingHidesEveryLabel() {
    statistique& window = test::freshStart();
    for (int i = 0; i < 21; ++i) window.Label_graph(i).show();
    for (int i = 0; i < 20; ++i) window.Label_graph2(i).show();
    test::loadSeries({});
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    for (int i = 0; i < 21; ++i) QVERIFY(window.Label_graph(i).isHidden());
    for (int i = 0; i < 20; ++i) QVERIFY(window.Label_graph2(i).isHidden());
}

void ChartAreaTest::sameButtonTwiceDrawsTwice() {
    statistique& window = test::freshStart();
    test::loadSeries({u"3"_s, u"6"_s});
    const int clears = window.Picture1->clearCount();
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    QVERIFY(!window.Option_graph(0).value());
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    QCOMPARE(window.Picture1->clearCount(), clears + 2);
    QCOMPARE(test::linesIn(*window.Picture1, ui::rgb(0, 0, 255)).size(), 2);
}

void ChartAreaTest::chartIsKeptWhenCovered() {
    // GIVEN sticks drawn in the shown window
    statistique& window = test::freshStart();
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::loadSeries({u"10"_s});
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    // WHEN another window covers it and goes away
    QWidget cover;
    cover.setGeometry(window.geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    window.repaint();
    // THEN the stick is still shown: blue at x = 100 twips, green beside it
    const QImage shown = window.Picture1->grab().toImage();
    const int inside = 2;  // the border
    QCOMPARE(QColor(shown.pixel(inside + 7, inside + 200)), QColor(0, 0, 255));
    QCOMPARE(QColor(shown.pixel(inside + 20, inside + 200)), QColor(192, 255, 192));
}

void ChartAreaTest::recordReplaysOntoAnyPainter() {
    // GIVEN the sticks of the exercise's counts, as recorded
    statistique& window = test::freshStart();
    test::loadSeries({"5", "14", "31", "124", "106", "51", "22", "7"});
    QTest::mouseClick(&window.Option_graph(0), Qt::LeftButton);
    // WHEN the record is replayed onto a painter at twice the screen's resolution
    QImage image(1106, 642, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(2, 2);
    ui::replay(window.Picture1->drawing(), painter, QSizeF(553, 321), 2);
    painter.end();
    // THEN each stick stands in blue from the baseline to its top, and nothing beside it
    const int tops[8] = {4435, 4111, 3499, 151, 799, 2779, 3823, 4363};
    for (int i = 0; i < 8; ++i) {
        const int x = qRound((100 + 1127 * i) * 2 / 15.0);
        const int middle = qRound((4615 + tops[i]) / 2 * 2 / 15.0);
        QCOMPARE(QColor(image.pixel(x, middle)), QColor(0, 0, 255));
        QCOMPARE(QColor(image.pixel(x + 8, middle)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(x, qRound(tops[i] * 2 / 15.0) - 4)), QColor(Qt::white));
    }
}

QTEST_MAIN(ChartAreaTest)
#include "tst_chart_area.moc"
