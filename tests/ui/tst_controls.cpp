// The controls the windows are built from, with the platform meaning the routines
// assume of them.

#include "support/fresh_start.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/timer.h"

#include <QItemSelectionModel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = ui::PictureBox::Operation::Kind;

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void listBoxSelection();
    void listBoxFailures();
    void listViewFollowsTheSelection();
    void listBoxTakesTheUsersClick();
    void textAssignmentRaisesChangeInsideTheSetter();
    void multiLineTextUsesCarriageReturns_data();
    void multiLineTextUsesCarriageReturns();
    void labelKeepsFractionalTwipsAndFitsItsCaption();
    void pictureRecordsOperationsInOrder();
    void pictureRefusesWhatItCannotDraw();
    void pictureKeepsItsImage();
    void pictureClipsFarOffLines();
    void rasterPaintsAsOneByOne_data();
    void rasterPaintsAsOneByOne();
    void timerTicksUntilStopped();
    void messageBoxIsAnsweredWithOk();
    void controlArrayPassesIndexAndFailsOutside();
    void controlArrayIsMadeOnFirstUse_data();
    void controlArrayIsMadeOnFirstUse();
};

void ControlsTest::listBoxSelection() {
    ui::ListBox list(nullptr);
    QCOMPARE(list.selectedIndex(), -1);
    QCOMPARE(list.selectedText(), u""_s);
    for (const char* t : {"4", "8", "15"}) list.append(QString::fromLatin1(t));
    list.setSelectedIndex(2);
    QCOMPARE(list.selectedText(), u"15"_s);
    list.removeAt(0);  // the selection stays on its item
    QCOMPARE(list.selectedIndex(), 1);
    QCOMPARE(list.selectedText(), u"15"_s);
    list.removeAt(1);  // removing the selected item leaves none selected
    QCOMPARE(list.selectedIndex(), -1);
    list.setSelectedIndex(0);
    list.setSelectedIndex(-1);
    QCOMPARE(list.selectedText(), u""_s);
    list.clearItems();
    QCOMPARE(list.count(), 0);
}

void ControlsTest::listBoxFailures() {
    ui::ListBox list(nullptr);
    QVERIFY_THROWS_EXCEPTION(core::Failure, list.setSelectedIndex(0));
    QVERIFY_THROWS_EXCEPTION(core::Failure, list.removeAt(-1));
    list.append(u"1"_s);
    QVERIFY_THROWS_EXCEPTION(core::Failure, list.setSelectedIndex(1));
    QVERIFY_THROWS_EXCEPTION(core::Failure, list.setSelectedIndex(-2));
    QVERIFY_THROWS_EXCEPTION(core::Failure, list.itemText(1));
}

void ControlsTest::listViewFollowsTheSelection() {
    // GIVEN a shown list of ten thousand items
    ui::ListBox list(nullptr);
    for (int i = 0; i < 10000; ++i) list.append(QString::number(i));
    list.show();
    // WHEN a routine walks it by selecting every item in turn
    for (int i = 0; i < list.count(); ++i) list.setSelectedIndex(i);
    // THEN the view shows the last item selected once the event loop runs
    QTRY_COMPARE(list.selectionModel()->currentIndex().row(), 9999);
    QCOMPARE(list.selectionModel()->selectedIndexes().size(), 1);
}

void ControlsTest::listBoxTakesTheUsersClick() {
    ui::ListBox list(nullptr);
    for (const char* t : {"a", "b", "c"}) list.append(QString::fromLatin1(t));
    list.resize(100, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect second = list.visualRect(list.model()->index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(list.selectedIndex(), 1);
    QCOMPARE(list.selectedText(), u"b"_s);
}

void ControlsTest::textAssignmentRaisesChangeInsideTheSetter() {
    ui::TextBox line(nullptr);
    ui::MultiLineTextBox multi(nullptr);
    QString seenInsideLine, seenInsideMulti;
    connect(&line, &ui::TextBox::changed, &line, [&] { seenInsideLine = line.text(); });
    connect(&multi, &ui::MultiLineTextBox::changed, &multi,
            [&] { seenInsideMulti = multi.text(); });
    line.setText(u"12"_s);
    multi.setText(u"3\r\n4"_s);
    // The handler ran before the setter returned.
    QCOMPARE(seenInsideLine, u"12"_s);
    QCOMPARE(seenInsideMulti, u"3\r\n4"_s);
}

void ControlsTest::multiLineTextUsesCarriageReturns_data() {
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<QString>("read");
    QTest::newRow("one line") << "5"
                              << "5";
    QTest::newRow("three lines") << "3\r\n5\r\n7"
                                 << "3\r\n5\r\n7";
    QTest::newRow("trailing break") << "3\r\n"
                                    << "3\r\n";
    QTest::newRow("bare line feed") << "3\n5"
                                    << "3\r\n5";
    QTest::newRow("bare carriage return") << "3\r5"
                                          << "3\r\n5";
    QTest::newRow("tabs kept") << "1\t2\t"
                               << "1\t2\t";
    QTest::newRow("empty") << ""
                           << "";
}

void ControlsTest::multiLineTextUsesCarriageReturns() {
    QFETCH(QString, assigned);
    QFETCH(QString, read);
    ui::MultiLineTextBox box(nullptr);
    box.setText(assigned);
    QCOMPARE(box.text(), read);
}

void ControlsTest::labelKeepsFractionalTwipsAndFitsItsCaption() {
    QWidget parent;
    ui::Label label(&parent, {.caption = u"Label3"_s,
                              .bounds = {0, 0, 720, 240},
                              .look = {.points = 9.75, .bold = true},
                              .autoSize = true});
    label.setLeft(5425.5);
    label.setTop(4165.5);
    QCOMPARE(label.left(), 5425.5);
    QCOMPARE(label.top(), 4165.5);
    QCOMPARE(label.geometry().topLeft(), QPoint(362, 278));  // 15 twips to the pixel
    const double narrow = ui::bounds(&label).width;
    label.setCaption(u"123456789"_s);
    QVERIFY(ui::bounds(&label).width > narrow);
    QCOMPARE(label.width(), ui::pixels(ui::bounds(&label).width));
}

void ControlsTest::pictureRecordsOperationsInOrder() {
    ui::PictureBox picture(nullptr, {240, 240, 8295, 4815}, ui::rgb(192, 255, 192));
    QCOMPARE(picture.outerWidth(), 8295.0f);
    QCOMPARE(picture.outerHeight(), 4815.0f);
    picture.setDrawWidth(2);
    picture.line(100, 4615, 100, 4435, ui::rgb(0, 0, 255));
    picture.setDrawWidth(7);
    picture.dot(100, 4435, 0);
    picture.setDrawWidth(2);
    picture.dot(4147.5, 2407.5);  // the foreground colour

    const auto& ops = picture.operations();
    QCOMPARE(ops.size(), size_t(3));
    QVERIFY(ops[0].kind == Kind::Line);
    QCOMPARE(ops[0].y2, 4435.0f);
    QCOMPARE(ops[0].colour, ui::rgb(0, 0, 255));
    QCOMPARE(ops[0].width, quint16(2));
    QVERIFY(ops[1].kind == Kind::Dot);
    QCOMPARE(ops[1].width, quint16(7));
    QCOMPARE(ops[2].x1, 4147.5f);
    QCOMPARE(ops[2].colour, picture.foreColour());

    const int clears = picture.clearCount();
    picture.clear();
    QVERIFY(picture.operations().empty());
    QCOMPARE(picture.clearCount(), clears + 1);
}

void ControlsTest::pictureRefusesWhatItCannotDraw() {
    ui::PictureBox picture(nullptr, {0, 0, 1500, 1500}, 0xFFFFFF);
    QVERIFY_THROWS_EXCEPTION(core::Failure, picture.setDrawWidth(0));
    QVERIFY_THROWS_EXCEPTION(core::Failure, picture.line(0, 0, 0, 1e300, 0));
    QVERIFY_THROWS_EXCEPTION(core::Failure,
                             picture.dot(std::numeric_limits<double>::infinity(), 0));
    QVERIFY(picture.operations().empty());
    QCOMPARE(picture.drawWidth(), 1);
}

void ControlsTest::pictureKeepsItsImage() {
    // GIVEN a blue line drawn on a green area
    ui::PictureBox picture(nullptr, {0, 0, 1560, 1560}, ui::rgb(192, 255, 192));
    picture.setDrawWidth(2);
    picture.line(750, 0, 750, 1500, ui::rgb(0, 0, 255));
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    // WHEN the window is covered and shown again
    picture.hide();
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    // THEN the widget shows the line and the background, from the kept image
    const QImage shown = picture.grab().toImage();
    const int border = 2;
    QCOMPARE(QColor(shown.pixel(border + 50, border + 40)), QColor(0, 0, 255));
    QCOMPARE(QColor(shown.pixel(border + 20, border + 40)), QColor(192, 255, 192));
    picture.clear();
    QCOMPARE(QColor(picture.image().pixel(50, 40)), QColor(192, 255, 192));
}

void ControlsTest::pictureClipsFarOffLines() {
    core::Drawing drawing;
    for (int i = 0; i < 100; ++i) {
        drawing.line(100 + i, 4615, 100 + i, -3e38, 0, 2);
        drawing.line(-3e38, -3e38, 3e38, 3e38, 0, 2);
    }
    ui::Rasteriser raster;
    raster.paint(drawing, QSize(553, 321), 1, 0xFFFFFF);
    QCOMPARE(QColor(raster.image().pixel(8, 100)), QColor(0, 0, 0));
}

// Lines of one colour on the same pixels across, with dots between them, painted at
// once: the image is the one painted an operation at a time.
void ControlsTest::rasterPaintsAsOneByOne_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("steep");
    QTest::addColumn<int>("colours");  // lines and dots in black, or in up to 3 colours
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("sticks on one column") << 1u << true << 1 << 1.0;
    QTest::newRow("rows, three colours") << 2u << false << 3 << 1.0;
    QTest::newRow("columns, three colours, 2x") << 3u << true << 3 << 2.0;
    QTest::newRow("columns, two colours, 1.5x") << 4u << true << 2 << 1.5;
}

void ControlsTest::rasterPaintsAsOneByOne() {
    QFETCH(quint32, seed);
    QFETCH(bool, steep);
    QFETCH(int, colours);
    QFETCH(qreal, ratio);
    const quint32 palette[3] = {0, ui::rgb(0, 0, 255), ui::rgb(255, 0, 0)};
    QRandomGenerator random(seed);
    core::Drawing drawing;
    ui::Rasteriser oneByOne;
    for (int i = 0; i < 400; ++i) {
        const quint32 colour = palette[random.bounded(colours)];
        const double across = 1500 + 15 * random.bounded(3), from = 15 * random.bounded(300);
        const double to = from + 15 * random.bounded(-60, 60);
        if (random.bounded(4) == 0)
            drawing.dot(steep ? across : from, steep ? from : across, colour,
                        1 + random.bounded(7));
        else if (steep)
            drawing.line(across, from, across, to, colour, 1 + random.bounded(3));
        else
            drawing.line(from, across, to, across, colour, 1 + random.bounded(3));
        oneByOne.paint(drawing, QSize(300, 300), ratio, 0xFFFFFF);
    }
    ui::Rasteriser atOnce;
    atOnce.paint(drawing, QSize(300, 300), ratio, 0xFFFFFF);
    QCOMPARE(atOnce.image(), oneByOne.image());
}

void ControlsTest::timerTicksUntilStopped() {
    ui::Timer timer(nullptr);
    QSignalSpy ticks(&timer, &ui::Timer::tick);
    timer.setInterval(10);
    QTRY_VERIFY(ticks.count() >= 2);
    timer.setInterval(0);
    QVERIFY(!timer.isRunning());
    QVERIFY_THROWS_EXCEPTION(core::Failure, timer.setInterval(-1));
}

void ControlsTest::messageBoxIsAnsweredWithOk() {
    test::freshStart();
    test::MessageBoxAnswerer answerer;
    ui::messageBox(u"Bonjour"_s);
    QCOMPARE(answerer.texts, QStringList{u"Bonjour"_s});
    QCOMPARE(answerer.titles, QStringList{u"Statistique"_s});
    QCOMPARE(answerer.buttons, QStringList{u"OK"_s});
}

void ControlsTest::controlArrayPassesIndexAndFailsOutside() {
    QWidget parent;
    ui::ControlArray<QPushButton> buttons;
    for (int i = 0; i < 3; ++i) buttons.add(new QPushButton(&parent), "Bouton");
    QList<int> clicked;
    buttons.connect(&QPushButton::clicked, &parent, [&](int index) { clicked << index; });
    buttons(2).click();
    buttons(0).click();
    QCOMPARE(clicked, (QList<int>{2, 0}));
    QCOMPARE(buttons(1).objectName(), u"Bouton"_s);
    QCOMPARE(buttons(1).property("index").toInt(), 1);
    QVERIFY_THROWS_EXCEPTION(core::Failure, buttons(3));
    QVERIFY_THROWS_EXCEPTION(core::Failure, buttons(-1));
}

// Two arrays made by one routine, as the chart's two label arrays are: whichever is used
// first, each is made once, whole, and only then.
void ControlsTest::controlArrayIsMadeOnFirstUse_data() {
    QTest::addColumn<int>("use");
    QTest::addColumn<bool>("secondFirst");
    const char* uses[4] = {"count", "index", "connect", "now"};
    for (int use = 0; use < 4; ++use)
        for (bool secondFirst : {false, true})
            QTest::addRow("%s of the %s array", uses[use], secondFirst ? "second" : "first")
                << use << secondFirst;
}

void ControlsTest::controlArrayIsMadeOnFirstUse() {
    QFETCH(int, use);
    QFETCH(bool, secondFirst);
    QWidget parent;
    ui::ControlArray<QPushButton> first;
    ui::ControlArray<QPushButton> second;
    int made = 0;
    const auto make = [&] {
        ++made;
        for (int i = 0; i < 3; ++i) first.add(new QPushButton(&parent), "Premier");
        for (int i = 0; i < 2; ++i) second.add(new QPushButton(&parent), "Second");
    };
    first.makeOnFirstUse(make);
    second.makeOnFirstUse(make);
    QCOMPARE(made, 0);
    QVERIFY(parent.findChildren<QPushButton*>().isEmpty());

    ui::ControlArray<QPushButton>& used = secondFirst ? second : first;
    QList<int> clicked;
    switch (use) {
        case 0:
            QCOMPARE(used.count(), secondFirst ? 2 : 3);
            break;
        case 1:
            QCOMPARE(used(1).property("index").toInt(), 1);
            break;
        case 2:
            used.connect(&QPushButton::clicked, &parent, [&](int index) { clicked << index; });
            used(1).click();
            QCOMPARE(clicked, QList<int>{1});
            break;
        default:
            used.makeNow();
            break;
    }
    QCOMPARE(made, 1);
    QCOMPARE(first.count(), 3);
    QCOMPARE(second.count(), 2);
    QCOMPARE(parent.findChildren<QPushButton*>().size(), 5);
    first.makeNow();
    second.makeNow();
    QCOMPARE(made, 1);
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
