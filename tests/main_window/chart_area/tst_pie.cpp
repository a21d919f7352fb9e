// The pie chart, read back from its recorded dots and lines and its labels.

#include "core/random.h"
#include "engine/dexo_mod.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using dexo_mod::Variant;
using test::Operation;

namespace {
const QPointF kCentre(4147.5, 2407.5);
const QPointF kLeftCentre(2073.75, 2407.5);
const QPointF kRightCentre(6221.25, 2408);

void drawPie() {
    QTest::mouseClick(&statistique::instance().Option_graph(1), Qt::LeftButton);
}

void setSecondList(const QList<double>& values) {
    core::Model& model = dexo_mod::model();
    model.writeList2({values.begin(), values.end()}, true);
    model.setPrendreListe2(core::Variant(true));
}

// Lines leaving a centre: coloured ones are spokes, black ones are edges.
QList<Operation> linesFrom(QPointF centre, bool black) {
    QList<Operation> lines;
    for (const Operation& op : statistique::instance().Picture1->operations())
        if (op.kind == Operation::Kind::Line && QPointF(op.x1, op.y1) == centre &&
            (op.colour == 0) == black)
            lines << op;
    return lines;
}

QList<QPointF> ends(const QList<Operation>& lines) {
    QList<QPointF> points;
    for (const Operation& op : lines) points << QPointF(op.x2, op.y2);
    return points;
}

void verifyLabel(const ui::Label& label, const QString& caption, QPointF at) {
    QVERIFY(label.isVisibleTo(label.parentWidget()));
    QCOMPARE(label.caption(), caption);
    QCOMPARE(QPointF(label.left(), label.top()), at);
}
}  // namespace

class PieTest : public QObject {
    Q_OBJECT

private slots:
    void emptySeries();
    void singleItem();
    void twoEqualItems();
    void zeroItemGetsNoSector();
    void valuesSummingToZeroStayOnTheStartEdge();
    void negativeItemSweepsBack();
    void labelsAndSpokesForLongSeries_data();
    void labelsAndSpokesForLongSeries();
    void twoPies();
    void secondPieWithoutSecondList();
    void redrawKeepsTheGeometry();
};

void PieTest::emptySeries() {
    statistique& window = test::freshStart();
    test::loadSeries({});
    drawPie();
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 2).size(), 629);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 2).front(), QPointF(4147.5 + 2208, 2407.5));
    QCOMPARE(ends(linesFrom(kCentre, true)), QList<QPointF>{QPointF(4148.5, 200.5)});
    QVERIFY(linesFrom(kCentre, false).isEmpty());
    for (int i = 0; i < 21; ++i) QVERIFY(window.Label_graph(i).isHidden());
}

void PieTest::singleItem() {
    statistique& window = test::freshStart();
    test::loadSeries({u"5"_s});
    drawPie();
    const QList<Operation> spokes = linesFrom(kCentre, false);
    QCOMPARE(spokes.size(), 75);
    QSet<quint32> colours;
    for (const Operation& op : spokes) colours << op.colour;
    QCOMPARE(colours.size(), 1);
    bool fromTable = false;
    for (int i = 0; i < 10; ++i) fromTable |= quint32(dexo_mod::couleurs(i)) == *colours.begin();
    QVERIFY(fromTable);
    verifyLabel(window.Label_graph(0), u"5"_s, QPointF(5425.5, 4165.5));
    // The start edge reaches the outline; the end edge stops 35 twips short.
    QCOMPARE(ends(linesFrom(kCentre, true)),
             (QList<QPointF>{QPointF(4148.5, 200.5), QPointF(4134.5, 235.5)}));
    QCOMPARE(window.Picture1->operations().back().colour, 0u);
    QCOMPARE(window.List1->selectedIndex(), 0);
}

void PieTest::twoEqualItems() {
    statistique& window = test::freshStart();
    test::loadSeries({u"1"_s, u"1"_s});
    drawPie();
    verifyLabel(window.Label_graph(0), u"1"_s, QPointF(6213.5, 1736.5));
    verifyLabel(window.Label_graph(1), u"1"_s, QPointF(2081.5, 3082.5));
    QCOMPARE(linesFrom(kCentre, false).size(), 150);
    QCOMPARE(linesFrom(kCentre, true).size(), 3);
}

void PieTest::zeroItemGetsNoSector() {
    statistique& window = test::freshStart();
    test::loadSeries({u"0"_s, u"5"_s});
    drawPie();
    QVERIFY(window.Label_graph(0).isHidden());
    verifyLabel(window.Label_graph(1), u"5"_s, QPointF(5425.5, 4165.5));
    QCOMPARE(linesFrom(kCentre, false).size(), 75);
    QCOMPARE(linesFrom(kCentre, true).size(), 2);
}

void PieTest::valuesSummingToZeroStayOnTheStartEdge() {
    statistique& window = test::freshStart();
    test::loadSeries({u"5"_s, u"-5"_s});
    drawPie();
    const QPointF up(4148.5, 235.5);
    for (const QPointF& end : ends(linesFrom(kCentre, false))) QCOMPARE(end, up);
    QCOMPARE(ends(linesFrom(kCentre, true)).mid(1), (QList<QPointF>{up, up}));
    verifyLabel(window.Label_graph(1), u"-5"_s, up);
}

void PieTest::negativeItemSweepsBack() {
    test::freshStart();
    test::loadSeries({u"10"_s, u"-5"_s});
    drawPie();
    // Two turns forward, one back: the edges are 628 hundredths further on.
    QCOMPARE(ends(linesFrom(kCentre, true)).mid(1),
             (QList<QPointF>{QPointF(4127.5, 235.5), QPointF(4134.5, 235.5)}));
}

void PieTest::labelsAndSpokesForLongSeries_data() {
    QTest::addColumn<int>("items");
    QTest::newRow("22 items") << 22;
    QTest::newRow("52 items") << 52;
}

void PieTest::labelsAndSpokesForLongSeries() {
    QFETCH(int, items);
    statistique& window = test::freshStart();
    test::loadSeries(QStringList(items, u"1"_s));
    drawPie();
    for (int i = 0; i < 21; ++i) QCOMPARE(window.Label_graph(i).caption(), u"1"_s);
    // Every item gets its spokes and its end edge, past any fixed table.
    QCOMPARE(linesFrom(kCentre, false).size(), 75 * items);
    QCOMPARE(linesFrom(kCentre, true).size(), 1 + items);
    // One colour draw per item and one more.
    core::Random::restart();
    for (int i = 0; i <= items; ++i) core::Random::next();
    const float expected = core::Random::next();
    test::freshStart();
    test::loadSeries(QStringList(items, u"1"_s));
    drawPie();
    QCOMPARE(core::Random::next(), expected);
}

void PieTest::twoPies() {
    statistique& window = test::freshStart();
    test::loadSeries({u"1"_s, u"2"_s, u"3"_s});
    QList<double> second;
    for (int i = 0; i < 21; ++i) second << 1 + i % 3;
    setSecondList(second);
    drawPie();
    // The second pie's outline comes first, then the first pie's.
    const QList<QPointF> dots = test::dotsOfWidth(*window.Picture1, 2);
    QCOMPARE(dots.size(), 2 * 629);
    QCOMPARE(dots[0], QPointF(6221.25 + 1554, 2408));
    QCOMPARE(dots[629], QPointF(2073.75 + 1554, 2407.5));
    QCOMPARE(ends(linesFrom(kRightCentre, true)).front(), QPointF(6222.25, 855));
    QCOMPARE(ends(linesFrom(kLeftCentre, true)).front(), QPointF(2074.75, 854.5));
    // Item i of both pies shares a colour.
    const QList<Operation> right = linesFrom(kRightCentre, false);
    const QList<Operation> left = linesFrom(kLeftCentre, false);
    QCOMPARE(right.size(), 21 * 75);
    QCOMPARE(left.size(), 3 * 75);
    for (int i = 0; i < 3; ++i) QCOMPARE(left[i * 75].colour, right[i * 75].colour);
    // Second-pie spokes are drawn before the first pie's.
    const auto& ops = window.Picture1->operations();
    const auto firstOf = [&](QPointF centre) {
        for (size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == Operation::Kind::Line && ops[i].colour != 0 &&
                QPointF(ops[i].x1, ops[i].y1) == centre)
                return i;
        return ops.size();
    };
    QVERIFY(firstOf(kRightCentre) < firstOf(kLeftCentre));
    for (int i = 0; i < 20; ++i) QVERIFY(!window.Label_graph2(i).isHidden());
    QCOMPARE(window.Label_graph2(19).caption(), u"2"_s);
}

void PieTest::secondPieWithoutSecondList() {
    statistique& window = test::freshStart();
    test::loadSeries({u"4"_s});
    dexo_mod::model().setPrendreListe2(Variant(true));
    drawPie();
    QCOMPARE(linesFrom(kRightCentre, true).size(), 1);
    QVERIFY(linesFrom(kRightCentre, false).isEmpty());
    QCOMPARE(linesFrom(kLeftCentre, false).size(), 75);
    QCOMPARE(test::dotsOfWidth(*window.Picture1, 2).size(), 2 * 629);
}

void PieTest::redrawKeepsTheGeometry() {
    statistique& window = test::freshStart();
    test::loadSeries({u"3"_s, u"5"_s, u"8"_s});
    const auto geometry = [&] {
        QList<QLineF> lines;
        for (const Operation& op : window.Picture1->operations())
            lines << QLineF(op.x1, op.y1, op.x2, op.y2);
        return lines;
    };
    drawPie();
    const QList<QLineF> first = geometry();
    const QPointF label(window.Label_graph(2).left(), window.Label_graph(2).top());
    drawPie();
    QCOMPARE(geometry(), first);
    QCOMPARE(QPointF(window.Label_graph(2).left(), window.Label_graph(2).top()), label);
}

QTEST_MAIN(PieTest)
#include "tst_pie.moc"
