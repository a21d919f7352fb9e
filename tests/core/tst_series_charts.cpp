// The main charts worked out from the model alone, with no window: lines, dots and
// labels to the twip, as the chart area then shows them.

#include "core/random.h"
#include "core/series_charts.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;
using core::ChartKind;
using core::Drawing;

namespace {

using Kind = Drawing::Operation::Kind;
constexpr quint32 kBlue = 65536u * 255;
constexpr quint32 kRed = 255;
const QStringList kExercise = {"5", "14", "31", "124", "106", "51", "22", "7"};
const QList<double> kExerciseX = {100, 1227, 2354, 3481, 4608, 5735, 6862, 7989};
const QList<double> kExerciseTops = {4435, 4111, 3499, 151, 799, 2779, 3823, 4363};

// A model as the window holds it once the series and the second list are typed.
std::unique_ptr<core::Model> model(const QStringList& series1, const QStringList& series2 = {},
                                   bool withSecond = false) {
    auto m = std::make_unique<core::Model>();
    for (int i = 0; i < 10; ++i) m->setColour(i, core::kPalette[i]);
    m->calculer_bilan(series1);
    m->readList2(series2.join(u"\r\n"_s));
    m->setPrendreListe2(core::Variant(withSecond));
    return m;
}

QList<QLineF> lines(const Drawing& d, quint32 colour) {
    QList<QLineF> found;
    for (const auto& op : d.operations())
        if (op.kind == Kind::Line && op.colour == colour)
            found << QLineF(op.x1, op.y1, op.x2, op.y2);
    return found;
}

QList<QPointF> dots(const Drawing& d, int width) {
    QList<QPointF> found;
    for (const auto& op : d.operations())
        if (op.kind == Kind::Dot && op.width == width) found << QPointF(op.x1, op.y1);
    return found;
}

// "array:index text @left,top" for each label shown, in slot order.
QStringList shown(const Drawing& d) {
    QStringList found;
    for (const Drawing::Label& l : d.shownLabels())
        found << u"%1:%2 %3 @%4,%5"_s.arg(l.array).arg(l.index).arg(
            l.text, l.left ? QString::number(*l.left) : u"-"_s,
            l.top ? QString::number(*l.top) : u"-"_s);
    return found;
}

QStringList exerciseLabels(double dx, double dy) {
    QStringList found;
    for (int i = 0; i < kExercise.size(); ++i)
        found << u"0:%1 %2 @%3,%4"_s.arg(i)
                     .arg(kExercise[i])
                     .arg(kExerciseX[i] + dx)
                     .arg(kExerciseTops[i] + dy);
    return found;
}

}  // namespace

class SeriesChartsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void exercise_data();
    void exercise();
    void pie_data();
    void pie();
    void secondList_data();
    void secondList();
    void curveRaisesTheLargestValue();
    void labelsOffTheRangeKeepTheirPlace();
    void laterLabelsTakeTheSlot();
    void modelTellsOfItsChanges();
};

void SeriesChartsTest::exercise_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sticks");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("description");
    const QString values = kExercise.join(u", "_s);
    QTest::newRow("sticks") << int(ChartKind::Sticks) << 8 << 0 << 0 << exerciseLabels(150, 0)
                            << u"Diagramme en bâtons : "_s + values;
    QTest::newRow("curve") << int(ChartKind::Curve) << 0 << 7 << 8 << exerciseLabels(0, 100)
                           << u"Courbe : "_s + values;
    // The curve's labels take the slots the sticks had.
    QTest::newRow("both") << int(ChartKind::Both) << 8 << 7 << 8 << exerciseLabels(0, 100)
                          << u"Diagramme en bâtons et courbe : "_s + values;
}

void SeriesChartsTest::exercise() {
    QFETCH(int, kind);
    QFETCH(int, sticks);
    QFETCH(int, segments);
    QFETCH(int, points);
    QFETCH(QStringList, labels);
    QFETCH(QString, description);

    const Drawing d = core::chart(*model(kExercise), ChartKind(kind));
    QList<QLineF> expectedSticks, expectedSegments;
    QList<QPointF> expectedDots;
    for (int i = 0; i < sticks; ++i)
        expectedSticks << QLineF(kExerciseX[i], 4615, kExerciseX[i], kExerciseTops[i]);
    for (int i = 1; i <= segments; ++i)
        expectedSegments << QLineF(kExerciseX[i - 1], kExerciseTops[i - 1], kExerciseX[i],
                                   kExerciseTops[i]);
    for (int i = 0; i < points; ++i) expectedDots << QPointF(kExerciseX[i], kExerciseTops[i]);
    QCOMPARE(lines(d, kBlue), expectedSticks);
    QCOMPARE(lines(d, 0), expectedSegments);
    QCOMPARE(dots(d, 7), expectedDots);
    for (const auto& op : d.operations())
        if (op.kind == Kind::Line) QCOMPARE(int(op.width), 2);
    QCOMPARE(shown(d), labels);
    for (const Drawing::Label& l : d.shownLabels()) QCOMPARE(l.back, core::kLabelBackground1);
    QCOMPARE(core::chartDescription(d, ChartKind(kind)), description);
}

void SeriesChartsTest::pie_data() {
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<int>("spokes");
    QTest::addColumn<int>("edges");  // black lines from the centre: start edge, end edges
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("empty") << QStringList{} << 0 << 1 << QStringList{};
    QTest::newRow("one item") << QStringList{"5"} << 75 << 2 << QStringList{"0:0 5 @5425.5,4165.5"};
    QTest::newRow("two equal items") << QStringList{"1", "1"} << 150 << 3
                                     << QStringList{"0:0 1 @6213.5,1736.5", "0:1 1 @2081.5,3082.5"};
    QTest::newRow("a zero gets no sector")
        << QStringList{"0", "5"} << 75 << 2 << QStringList{"0:1 5 @5425.5,4165.5"};
    QTest::newRow("22 items: 21 labels")
        << QStringList(22, u"1"_s) << 22 * 75 << 23 << QStringList{};
}

void SeriesChartsTest::pie() {
    QFETCH(QStringList, series);
    QFETCH(int, spokes);
    QFETCH(int, edges);
    QFETCH(QStringList, labels);

    const QPointF centre(4147.5, 2407.5);
    core::Random::restart();
    const Drawing d = core::chart(*model(series), ChartKind::Pie);
    int coloured = 0, black = 0;
    QSet<quint32> colours;
    for (const auto& op : d.operations()) {
        if (op.kind != Kind::Line || QPointF(op.x1, op.y1) != centre) continue;
        if (op.colour == 0) {
            ++black;
        } else {
            ++coloured;
            colours << op.colour;
        }
    }
    QCOMPARE(coloured, spokes);
    QCOMPARE(black, edges);
    QCOMPARE(dots(d, 2).size(), 629);
    QCOMPARE(dots(d, 2).front(), QPointF(4147.5 + 2208, 2407.5));
    for (quint32 colour : colours)
        QVERIFY(std::find(std::begin(core::kPalette), std::end(core::kPalette), double(colour)) !=
                std::end(core::kPalette));
    if (!labels.isEmpty()) QCOMPARE(shown(d), labels);
    QCOMPARE(int(d.shownLabels().size()),
             std::min(int(series.size()) - int(series.count(u"0"_s)), 21));
    // One colour draw per item and one more, from the one generator.
    core::Random::restart();
    for (int i = 0; i <= series.size(); ++i) core::Random::next();
    const float next = core::Random::next();
    core::Random::restart();
    core::chart(*model(series), ChartKind::Pie);
    QCOMPARE(core::Random::next(), next);
}

void SeriesChartsTest::secondList_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QList<QLineF>>("red");
    QTest::addColumn<QStringList>("labels");
    // The longer second list sets the step (Int(7895 / 3)) and the scale (Int(4515 / 8)).
    QTest::newRow("second list longer")
        << QStringList{"2", "4"} << QStringList{"1", "2", "3", "8"}
        << QList<QLineF>{{150, 4615, 150, 4051},
                         {2781, 4615, 2781, 3487},
                         {5412, 4615, 5412, 2923},
                         {8043, 4615, 8043, 103}}
        << QStringList{"0:0 2 @250,3487",  "0:1 4 @2881,2359", "1:0 1 @300,4051",
                       "1:1 2 @2931,3487", "1:2 3 @5562,2923", "1:3 8 @8193,103"};
    QTest::newRow("empty series: scale 50")
        << QStringList{} << QStringList{"3", "5", "7"}
        << QList<QLineF>{{150, 4615, 150, 4465}, {4097, 4615, 4097, 4365}, {8044, 4615, 8044, 4265}}
        << QStringList{"1:0 3 @300,4465", "1:1 5 @4247,4365", "1:2 7 @8194,4265"};
}

void SeriesChartsTest::secondList() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QList<QLineF>, red);
    QFETCH(QStringList, labels);
    const Drawing d = core::chart(*model(first, second, true), ChartKind::Sticks);
    QCOMPARE(lines(d, kRed), red);
    QCOMPARE(shown(d), labels);
    for (const Drawing::Label& l : d.shownLabels())
        QCOMPARE(l.back, l.array == 0 ? core::kLabelBackground1 : core::kLabelBackground2);
    // Not taken into account, the second list draws nothing.
    QVERIFY(lines(core::chart(*model(first, second, false), ChartKind::Sticks), kRed).isEmpty());
}

void SeriesChartsTest::curveRaisesTheLargestValue() {
    const auto two = model({u"2"_s, u"4"_s}, {u"10"_s, u"1"_s}, true);
    core::Model& m = *two;
    const Drawing d = core::chart(m, ChartKind::Curve);
    // Scaled to 10, the widest of both: k = Int(4515 / 10), each point then its red twin.
    QCOMPARE(dots(d, 7),
             (QList<QPointF>{{100, 4615 - 902}, {100, 105}, {7995, 4615 - 1804}, {7995, 4164}}));
    // Working the chart out leaves the model alone; drawing it raises the largest value.
    QCOMPARE(m.bilan_liste1(0).toDouble(), 4.0);
    core::afterChart(m, ChartKind::Sticks);
    QCOMPARE(m.bilan_liste1(0).toDouble(), 4.0);
    core::afterChart(m, ChartKind::Curve);
    QCOMPARE(m.bilan_liste1(0).toDouble(), 10.0);
    // Not taken into account, the second list raises nothing.
    const auto alone = model({u"2"_s}, {u"10"_s}, false);
    core::afterChart(*alone, ChartKind::Both);
    QCOMPARE(alone->bilan_liste1(0).toText(), u"2"_s);
}

void SeriesChartsTest::labelsOffTheRangeKeepTheirPlace() {
    // A value far below the scale puts its stick's foot beyond single precision: the
    // stick fails, and its label is captioned but keeps the height it had.
    Drawing d = core::chart(*model({u"1"_s, u"-1E+300"_s}), ChartKind::Sticks);
    QCOMPARE(d.shownLabels().size(), size_t(2));
    const Drawing::Label far = d.shownLabels()[1];
    QCOMPARE(far.text, u"-1E+300"_s);
    QVERIFY(far.left.has_value());
    QVERIFY(!far.top.has_value());
    core::placeAtStart(d);
    QCOMPARE(*d.shownLabels()[1].top, core::labelStart(0, 1).y());
    QCOMPARE(*d.shownLabels()[1].left, *far.left);
    for (const auto& op : d.operations()) {
        QVERIFY(std::isfinite(op.y2));
        QVERIFY(std::abs(op.y2) <= std::numeric_limits<float>::max());
    }
}

void SeriesChartsTest::laterLabelsTakeTheSlot() {
    Drawing d;
    d.label({.array = 1, .index = 2, .text = u"a"_s, .left = 10, .top = 20});
    d.label({.array = 0, .index = 5, .text = u"b"_s, .left = 1, .top = 2});
    d.label({.array = 1, .index = 2, .text = u"c"_s, .left = std::nullopt, .top = 40});
    QCOMPARE(shown(d), (QStringList{u"0:5 b @1,2"_s, u"1:2 c @10,40"_s}));
    d.clear();
    QVERIFY(d.shownLabels().empty());
}

void SeriesChartsTest::modelTellsOfItsChanges() {
    core::Model m;
    QSignalSpy first(&m, &core::Model::series1Changed);
    QSignalSpy second(&m, &core::Model::series2Changed);
    QCOMPARE(m.calculer_bilan({u"3"_s, u"x"_s, u"5"_s}),
             (QStringList{u"Valeur max= 5"_s, u"Valeur min= 3"_s, u"Moyenne: 3,667"_s,
                          u"Effectif total=3"_s}));
    QCOMPARE(first.count(), 1);
    QCOMPARE(m.series1, (QStringList{u"3"_s, u"x"_s, u"5"_s}));
    QString sixty;
    for (int i = 1; i <= 60; ++i) sixty += QString::number(i) + u"\r\n"_s;
    m.readList2(sixty);
    QCOMPARE(second.count(), 1);
    QCOMPARE(int(m.series2().size()), 51);    // what the charts take
    QCOMPARE(m.writtenValues2().size(), 60);  // what a file keeps
    QCOMPARE(m.bilan_liste2(2).toDouble(), 26.0);
}

QTEST_GUILESS_MAIN(SeriesChartsTest)
#include "tst_series_charts.moc"
