// The stick chart and the curve, read back from the recorded drawing and the labels.

#include "engine/dexo_mod.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"
#include "ui/look.h"

#include <QTest>

using namespace Qt::StringLiterals;
using dexo_mod::Variant;

namespace {
constexpr quint32 kBlue = ui::rgb(0, 0, 255);
constexpr quint32 kRed = ui::rgb(255, 0, 0);
constexpr quint32 kBlack = 0;
constexpr double kBaseline = 4615;
const QStringList kExercise = {"5", "14", "31", "124", "106", "51", "22", "7"};
const QList<double> kExerciseX = {100, 1227, 2354, 3481, 4608, 5735, 6862, 7989};
const QList<double> kExerciseTops = {4435, 4111, 3499, 151, 799, 2779, 3823, 4363};

void click(int chart) {
    QTest::mouseClick(&statistique::instance().Option_graph(chart), Qt::LeftButton);
}

// The second list as its reading leaves it: values, count and summary.
void setSecondList(const QList<double>& values, bool taken = true) {
    core::Model& model = dexo_mod::model();
    model.writeList2({values.begin(), values.end()}, true);
    model.setPrendreListe2(core::Variant(taken));
}

QList<QLineF> stickLines(const QList<double>& xs, const QList<double>& tops) {
    QList<QLineF> lines;
    for (int i = 0; i < xs.size(); ++i) lines << QLineF(xs[i], kBaseline, xs[i], tops[i]);
    return lines;
}

QList<double> positions(int n, double dx, double first = 100) {
    QList<double> xs;
    for (int i = 0; i < n; ++i) xs << first + i * dx;
    return xs;
}

void verifyLabel(const ui::Label& label, const QString& caption, double left, double top) {
    QVERIFY2(label.isVisibleTo(label.parentWidget()), qPrintable(caption));
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.left(), left);
    QCOMPARE(label.top(), top);
}
}  // namespace

class SticksAndCurveTest : public QObject {
    Q_OBJECT

private slots:
    void sticks_data();
    void sticks();
    void emptySeries();
    void moreSticksThanLabels();
    void secondListLonger();
    void secondListShorter();
    void secondListOnAnEmptySeries();
    void curveOnTheExercise();
    void bothMovesEachLabelBelowItsPoint();
    void curveOfOnePointAndOfManyPoints();
    void curveWithTheSecondList();
    void farOffValuesDrawFinitely();
};

void SticksAndCurveTest::sticks_data() {
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<QList<double>>("xs");
    QTest::addColumn<QList<double>>("tops");

    QTest::newRow("exercise data") << kExercise << kExerciseX << kExerciseTops;
    QTest::newRow("single value dividing 4515")
        << QStringList{"7"} << QList<double>{100} << QList<double>{100};
    QTest::newRow("single value") << QStringList{"10"} << QList<double>{100} << QList<double>{105};
    QTest::newRow("all zeros: scale 50") << QStringList{"0", "0", "0"} << positions(3, 3947)
                                         << QList<double>{kBaseline, kBaseline, kBaseline};
    QTest::newRow("negatives point up")
        << QStringList{"-4", "-2", "-9"} << positions(3, 3947) << QList<double>{-4417, 99, -15707};
    QTest::newRow("mixed signs") << QStringList{"5", "-5"} << positions(2, 7895)
                                 << QList<double>{100, 9130};
    QTest::newRow("small decimals: exact scale")
        << QStringList{"0,05", "0,1", "0,12"} << positions(3, 3947)
        << QList<double>{2734, 853, 100};
    QTest::newRow("decimals within the 16-bit scale")
        << QStringList{"0,2", "0,15"} << positions(2, 7895) << QList<double>{100, 1229};
    QTest::newRow("first item not a number: up to the top edge")
        << QStringList{"abc", "4"} << positions(2, 7895) << QList<double>{0, 103};
}

void SticksAndCurveTest::sticks() {
    QFETCH(QStringList, series);
    QFETCH(QList<double>, xs);
    QFETCH(QList<double>, tops);

    // GIVEN the series in List1
    statistique& window = test::freshStart();
    test::loadSeries(series);
    // WHEN "Bâtons" is clicked
    click(0);
    // THEN one blue stick per item, labelled beside its top
    QCOMPARE(test::linesIn(*window.Picture1, kBlue), stickLines(xs, tops));
    QCOMPARE(window.Picture1->operations().size(), size_t(series.size()));
    for (int i = 0; i < series.size(); ++i)
        verifyLabel(window.Label_graph(i), series[i], xs[i] + 150, tops[i]);
    for (int i = series.size(); i < 21; ++i) QVERIFY(window.Label_graph(i).isHidden());
    QCOMPARE(window.List1->selectedIndex(), series.size() - 1);
    for (int i = 0; i < 4; ++i) QVERIFY(!window.Option_graph(i).value());
}

void SticksAndCurveTest::emptySeries() {
    statistique& window = test::freshStart();
    test::loadSeries({u"3"_s});
    click(3);  // something on the area and labels shown
    QTest::mouseClick(&window.Command_enlever(1), Qt::LeftButton);
    for (int chart : {0, 2}) {
        const int clears = window.Picture1->clearCount();
        click(chart);
        QCOMPARE(window.Picture1->clearCount(), clears + 1);
        QVERIFY(window.Picture1->operations().empty());
        for (int i = 0; i < 21; ++i) QVERIFY(window.Label_graph(i).isHidden());
    }
    // "Les deux" on an empty series: sticks wipe, the curve leaves the area alone.
    click(3);
    QVERIFY(window.Picture1->operations().empty());
}

void SticksAndCurveTest::moreSticksThanLabels() {
    statistique& window = test::freshStart();
    QStringList series;
    for (int i = 1; i <= 25; ++i) series << QString::number(i);
    test::loadSeries(series);
    click(0);
    QCOMPARE(test::linesIn(*window.Picture1, kBlue).size(), 25);
    for (int i = 0; i < 21; ++i) QCOMPARE(window.Label_graph(i).caption(), series[i]);
    QCOMPARE(window.Label_graph.count(), 21);
}

void SticksAndCurveTest::secondListLonger() {
    // The longer second list sets the step (Int(7895 / 3)) and the scale (Int(4515 / 8)).
    statistique& window = test::freshStart();
    test::loadSeries({u"2"_s, u"4"_s});
    setSecondList({1, 2, 3, 8});
    click(0);
    QCOMPARE(
        test::linesIn(*window.Picture1, kRed),
        stickLines(positions(4, 2631, 150), {4615 - 564, 4615 - 1128, 4615 - 1692, 4615 - 4512}));
    QCOMPARE(test::linesIn(*window.Picture1, kBlue),
             stickLines(positions(2, 2631), {4615 - 1128, 4615 - 2256}));
    // Red sticks come first.
    QCOMPARE(window.Picture1->operations().front().colour, kRed);
    verifyLabel(window.Label_graph2(3), u"8"_s, 150 + 3 * 2631 + 150, 4615 - 4512);
    verifyLabel(window.Label_graph(0), u"2"_s, 250, 4615 - 1128);
}

void SticksAndCurveTest::secondListShorter() {
    statistique& window = test::freshStart();
    test::loadSeries({u"2"_s, u"4"_s, u"6"_s});
    setSecondList({10, 1});
    click(0);
    // List1 decides: dx = Int(7895 / 2), k = Int(4515 / 6); the 10 rises past the top edge.
    QCOMPARE(test::linesIn(*window.Picture1, kRed),
             stickLines(positions(2, 3947, 150), {4615 - 7520, 4615 - 752}));
    QCOMPARE(test::linesIn(*window.Picture1, kBlue).size(), 3);
    verifyLabel(window.Label_graph2(0), u"10"_s, 300, 4615 - 7520);
    QVERIFY(window.Label_graph2(2).isHidden());
}

void SticksAndCurveTest::secondListOnAnEmptySeries() {
    statistique& window = test::freshStart();
    test::loadSeries({});
    setSecondList({3, 5, 7});
    click(0);
    // Spaced by the second list's count; the scale is 50.
    QCOMPARE(test::linesIn(*window.Picture1, kRed),
             stickLines(positions(3, 3947, 150), {4465, 4365, 4265}));
    QVERIFY(test::linesIn(*window.Picture1, kBlue).isEmpty());
    verifyLabel(window.Label_graph2(1), u"5"_s, 150 + 3947 + 150, 4365);

    // An empty second list taken into account draws nothing of it.
    setSecondList({});
    click(0);
    QVERIFY(window.Picture1->operations().empty());
}

void SticksAndCurveTest::curveOnTheExercise() {
    statistique& window = test::freshStart();
    test::loadSeries(kExercise);
    const int clears = window.Picture1->clearCount();
    click(2);
    QCOMPARE(window.Picture1->clearCount(), clears + 1);
    QList<QLineF> segments;
    QList<QPointF> dots;
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            segments << QLineF(kExerciseX[i - 1], kExerciseTops[i - 1], kExerciseX[i],
                               kExerciseTops[i]);
        dots << QPointF(kExerciseX[i], kExerciseTops[i]);
        verifyLabel(window.Label_graph(i), kExercise[i], kExerciseX[i], kExerciseTops[i] + 100);
    }
    QCOMPARE(test::linesIn(*window.Picture1, kBlack), segments);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7), dots);
    QCOMPARE(window.Picture1->drawWidth(), 2);  // restored after the dots
    // Segment, then dot, at every point after the first.
    const auto& ops = window.Picture1->operations();
    QVERIFY(ops[0].kind == test::Operation::Kind::Dot);
    QVERIFY(ops[1].kind == test::Operation::Kind::Line);
    QVERIFY(ops[2].kind == test::Operation::Kind::Dot);
}

void SticksAndCurveTest::bothMovesEachLabelBelowItsPoint() {
    statistique& window = test::freshStart();
    test::loadSeries(kExercise);
    const int clears = window.Picture1->clearCount();
    click(3);
    QCOMPARE(window.Picture1->clearCount(), clears + 1);  // the curve does not wipe the sticks
    QCOMPARE(test::linesIn(*window.Picture1, kBlue), stickLines(kExerciseX, kExerciseTops));
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7).size(), 8);
    // The curve runs through the top ends of the sticks.
    QCOMPARE(test::linesIn(*window.Picture1, kBlack).front().p1(), QPointF(100, 4435));
    for (int i = 0; i < 8; ++i)
        verifyLabel(window.Label_graph(i), kExercise[i], kExerciseX[i], kExerciseTops[i] + 100);
    for (int i = 0; i < 4; ++i) QVERIFY(!window.Option_graph(i).value());
}

void SticksAndCurveTest::curveOfOnePointAndOfManyPoints() {
    statistique& window = test::freshStart();
    test::loadSeries({u"9"_s});
    click(2);
    QVERIFY(test::linesIn(*window.Picture1, kBlack).isEmpty());
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7), QList<QPointF>{QPointF(100, 4615 - 9 * 501)});

    // Past any fixed table: every point is drawn and joined.
    QStringList many;
    for (int i = 0; i < 120; ++i) many << QString::number(i % 7);
    test::loadSeries(many);
    click(2);
    const QList<QLineF> segments = test::linesIn(*window.Picture1, kBlack);
    QCOMPARE(segments.size(), 119);
    QCOMPARE(segments.last().p2().x(), 100.0 + 119 * 66);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7).size(), 120);
    QCOMPARE(window.List1->selectedIndex(), 119);
}

void SticksAndCurveTest::curveWithTheSecondList() {
    statistique& window = test::freshStart();
    test::loadSeries({u"2"_s, u"4"_s, u"6"_s});
    // A value left from an earlier, longer list sits past the count.
    dexo_mod::model().readList2(u"0\r\n0\r\n99"_s);
    setSecondList({10, 1});
    click(2);
    // The scale widens to 10, the second list's own largest value: k = Int(4515 / 10).
    QCOMPARE(dexo_mod::bilan_liste1(0).toDouble(), 10.0);
    const QList<QLineF> red = test::linesIn(*window.Picture1, kRed);
    QCOMPARE(red, QList<QLineF>{QLineF(100, 4615 - 4510, 4047, 4615 - 451)});
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 7).size(), 3 + 2);
    verifyLabel(window.Label_graph2(1), u"1"_s, 4047, 4615 - 451 + 100);
    QVERIFY(window.Label_graph2(2).isHidden());
    QCOMPARE(window.List2->itemText(0), u"Valeur max= 6"_s);  // the summary is not rewritten

    // The raise lasts: sticks drawn next scale to 10 too.
    dexo_mod::model().setPrendreListe2(Variant(false));
    click(0);
    QCOMPARE(test::linesIn(*window.Picture1, kBlue).last().p2().y(), 4615.0 - 6 * 451);
}

void SticksAndCurveTest::farOffValuesDrawFinitely() {
    statistique& window = test::freshStart();
    for (const QStringList& series : {QStringList{"1e308", "-1e308"}, QStringList{"-1e300", "-1"},
                                      QStringList{"1e-300", "5"}, QStringList{"-1e308", "-5"}}) {
        test::loadSeries(series);
        for (int chart = 0; chart < 4; ++chart) {
            click(chart);
            window.Picture1->surface()->grab();  // painted too
            QVERIFY2(test::allFinite(*window.Picture1), qPrintable(series.join(u' ')));
        }
    }
}

QTEST_MAIN(SticksAndCurveTest)
#include "tst_sticks_and_curve.moc"
