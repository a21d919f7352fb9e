// The charts of two variables as records, and the rows the command line prints: the
// points where their pairs are, axes fitted to the data, G and the fits written where
// no caption covers another or a line, the learner's residuals, the residual plot and
// the Lorenz curve, each with what a screen reader tells of it.

#include "core/numbers.h"
#include "core/pairs/lorenz_chart.h"
#include "core/pairs/report.h"
#include "core/pairs/scatter_chart.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace core::pairs;
using Kind = core::Drawing::Operation::Kind;

namespace {

const Pairs kSmall{u"x"_s, u"y"_s, {1, 2, 3, 4}, {2, 3, 5, 6}};

Pairs cloud(int n, double offset) {
    QRandomGenerator g(11);
    Pairs p{u"Taille"_s, u"Masse"_s, {}, {}};
    for (int i = 0; i < n; ++i) {
        const double x = offset + g.bounded(50.0);
        p.x.push_back(x);
        p.y.push_back(0.9 * x - 80 + g.bounded(10.0));
    }
    return p;
}

QRectF boxOf(const core::Drawing::Label& l) {
    const QSizeF s = captionSize(l.text, l.points);
    QPointF at(*l.left, *l.top);
    if (l.anchor & Qt::AlignHCenter) at.rx() -= s.width() / 2;
    if (l.anchor & Qt::AlignRight) at.rx() -= s.width();
    if (l.anchor & Qt::AlignVCenter) at.ry() -= s.height() / 2;
    if (l.anchor & Qt::AlignBottom) at.ry() -= s.height();
    return {at, s};
}

QStringList texts(const core::Drawing& d) {
    QStringList out;
    for (const auto& l : d.shownLabels()) out << l.text;
    return out;
}

// Every caption clear of every other, and those laid inside the plot clear of lines.
QString overlaps(const ChartRecord& c) {
    const auto labels = c.drawing.shownLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRectF a = boxOf(labels[i]);
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (a.intersects(boxOf(labels[j]))) return labels[i].text + u" / "_s + labels[j].text;
        if (!c.frame.zone.contains(a)) continue;
        for (const auto& op : c.drawing.operations()) {
            QLineF s(op.x1, op.y1, op.x2, op.y2);
            if (op.kind == Kind::Line && core::clip(s, a)) return labels[i].text + u" / line"_s;
        }
    }
    return {};
}

}  // namespace

class PairChartsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void scatterOfFourPairs();
    void manyPointsAsOneByOne_data();
    void manyPointsAsOneByOne();
    void axesFitTheData_data();
    void axesFitTheData();
    void captionsClear_data();
    void captionsClear();
    void learnersResiduals_data();
    void learnersResiduals();
    void residualPlot();
    void hostileValues_data();
    void hostileValues();
    void lorenzCurve();
    void commandLineRows();
};

void PairChartsTest::scatterOfFourPairs() {
    const ScatterOptions o{.fits = {*fit(kSmall, Method::LeastSquares)}, .decimals = 2};
    const auto c = scatterChart(kSmall, o);
    QVERIFY(c);
    QCOMPARE(c->description,
             u"4 points ; point moyen G(2,5 ; 4) ; moindres carrés : y = 1,4x + 0,5 ; r = 0,99"_s);
    // Each pair a dot where the axes put it.
    QList<QPointF> dots;
    for (const auto& op : c->drawing.operations())
        if (op.kind == Kind::Dot) dots << QPointF(op.x1, op.y1);
    QCOMPARE(dots.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QPointF p = c->frame.point(kSmall.x[i], kSmall.y[i]);
        QVERIFY(std::abs(dots[i].x() - p.x()) < 0.01 && std::abs(dots[i].y() - p.y()) < 0.01);
    }
    const QStringList t = texts(c->drawing);
    for (const QString& s : {u"G(2,5 ; 4)"_s, u"Moindres carrés : y = 1,4x + 0,5"_s,
                             u"r = 0,99 ; r² = 0,98"_s, u"Nuage de points"_s})
        QVERIFY2(t.contains(s), qPrintable(t.join(u" | "_s)));
}

void PairChartsTest::manyPointsAsOneByOne_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("a thousand") << 1000;
    QTest::newRow("enough to be split in halves") << 150001;
}

// However many, each pair's dot stands where the axes put it, in order, a dot repeated at
// once is marked covered as dot() marks it (the same pair twice where the halves meet
// included), and the captions avoid the same points as when they are counted one by one.
void PairChartsTest::manyPointsAsOneByOne() {
    QFETCH(int, count);
    Pairs p = cloud(count, 150);
    for (const std::size_t at : {std::size_t(0), p.size() / 2 - 1, p.size() / 2}) {
        p.x.insert(p.x.begin() + qsizetype(at), p.x[at]);
        p.y.insert(p.y.begin() + qsizetype(at), p.y[at]);
    }
    const auto base = scatterBase(p, 2);
    QVERIFY(base);
    const core::CoordinateFrame& r = base->frame.frame;
    Occupancy counted(r.zone);
    core::Drawing oneByOne;
    std::size_t i = 0;
    for (const auto& op : base->chart.drawing.operations()) {
        if (op.kind != Kind::Dot) {
            oneByOne.line(op.x1, op.y1, op.x2, op.y2, op.colour, op.width);
            continue;
        }
        const QPointF at = r.point(p.x[i], p.y[i]);
        QVERIFY2(op.x1 == float(at.x()) && op.y1 == float(at.y()), qPrintable(QString::number(i)));
        oneByOne.dot(at.x(), at.y(), op.colour, op.width);
        counted.addPoint(at);
        ++i;
    }
    QCOMPARE(i, p.size());
    const auto& ops = base->chart.drawing.operations();
    for (std::size_t k = 0; k < ops.size(); ++k)
        QVERIFY2(ops[k].covered == oneByOne.operations()[k].covered,
                 qPrintable(QString::number(k)));
    QVERIFY(std::count_if(ops.begin(), ops.end(), [](const auto& op) { return op.covered; }) >= 3);
    const QRectF z = r.zone;
    for (const QRectF& box :
         {z, QRectF(z.topLeft(), z.size() / 2), QRectF(z.center(), z.size() / 3),
          QRectF(z.left() + 400, z.top() + 300, 600, 450)})
        QCOMPARE(base->points.pointsIn(box), counted.pointsIn(box));
}

// Worked by hand: a twentieth of the range of room each side, stopped at 0 when the data
// do not cross it, then the graduations' step (1, 2, 2,5 or 5 times a power of ten for
// about 8 steps in x and 6 in y) rounds the ends outwards.
void PairChartsTest::axesFitTheData_data() {
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");
    QTest::addColumn<QList<double>>("ends");  // x from, x to, y from, y to
    QTest::newRow("heights and masses: no axis from 0")
        << QList<double>{150, 200} << QList<double>{40, 90} << QList<double>{140, 210, 30, 100};
    QTest::newRow("positive, near 0: not below it")
        << QList<double>{1, 10} << QList<double>{1, 100} << QList<double>{0, 12, 0, 120};
    QTest::newRow("from 0") << QList<double>{0, 4} << QList<double>{0, 3}
                            << QList<double>{0, 5, 0, 4};
    QTest::newRow("negative: not above 0")
        << QList<double>{-10, -1} << QList<double>{-100, -1} << QList<double>{-12, 0, -120, 0};
    QTest::newRow("both signs") << QList<double>{-5, 5} << QList<double>{-2, 8}
                                << QList<double>{-6, 6, -4, 10};
}

void PairChartsTest::axesFitTheData() {
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    QFETCH(QList<double>, ends);
    const Pairs p{u"Taille"_s, u"Masse"_s, {x.begin(), x.end()}, {y.begin(), y.end()}};
    // A least-squares line with its intercept below the area changes nothing.
    ScatterOptions options;
    options.fits.push_back(*curveOf(p, FitKind::LeastSquares));
    for (const auto& c : {scatterChart(p, {}), scatterChart(p, options)}) {
        const core::CoordinateFrame& r = c->frame;
        QCOMPARE(
            (QList<double>{double(r.x.start), double(r.x.end), double(r.y.start), double(r.y.end)}),
            ends);
        QVERIFY(texts(c->drawing).contains(u"Taille"_s) && texts(c->drawing).contains(u"Masse"_s));
    }
}

void PairChartsTest::captionsClear_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("decimals");
    for (int n : {4, 30, 3000})
        for (int d : {1, 4}) QTest::addRow("%d pairs, %d decimals", n, d) << n << d;
}

void PairChartsTest::captionsClear() {
    QFETCH(int, n);
    QFETCH(int, decimals);
    const Pairs p = n == 4 ? kSmall : cloud(n, 150);
    ScatterOptions o{.fits = {*fit(p, Method::LeastSquares), *fit(p, Method::Mayer),
                              *fit(p, Method::LeastSquares, Change::None, Change::Log)},
                     .byEye = ByEyeLine{{1, 0}, {}},
                     .residuals = ResidualStyle::Segments,
                     .decimals = decimals};
    const auto c = scatterChart(p, o);
    QVERIFY(c);
    const QString found = overlaps(*c);
    QVERIFY2(found.isEmpty(), qPrintable(found));
    QVERIFY(texts(c->drawing).filter(u"G1("_s).size() == 1);
    QVERIFY(overlaps(*residualChart(p, *fit(p, Method::Mayer), decimals)).isEmpty());
}

void PairChartsTest::learnersResiduals_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("linesPerPair");
    QTest::newRow("none") << int(ResidualStyle::None) << 0;
    QTest::newRow("segments") << int(ResidualStyle::Segments) << 1;
    QTest::newRow("squares") << int(ResidualStyle::Squares) << 4;
}

void PairChartsTest::learnersResiduals() {
    QFETCH(int, style);
    QFETCH(int, linesPerPair);
    // y = x + 1 on (1 ; 2), (2 ; 3), (3 ; 5), (4 ; 6): residuals 0, 0, 1, 1, sum 2.
    const ScatterOptions o{.byEye = ByEyeLine{{1, 1}, {{{1, 2}, {4, 5}}}},
                           .residuals = ResidualStyle(style),
                           .correlation = false};
    const auto base = scatterBase(kSmall, legendRows(o));
    const auto over = scatterOverlay(kSmall, *base, o);
    QVERIFY(over);
    const QString told = u"au jugé : y = x + 1 ; somme des carrés des résidus : 2"_s;
    QVERIFY2(over->description.endsWith(told), qPrintable(over->description));
    // The overlay draws no point of the data: they stay on the base.
    int dots = 0, lines = 0, without = 0;
    for (const auto& op : over->drawing.operations()) {
        dots += op.kind == Kind::Dot;
        lines += op.kind == Kind::Line;
    }
    ScatterOptions bare = o;
    bare.residuals = ResidualStyle::None;
    const auto plain = scatterOverlay(kSmall, *base, bare);
    for (const auto& op : plain->drawing.operations()) without += op.kind == Kind::Line;
    QCOMPARE(dots, 2);  // the two handles
    // Two residuals are zero long: a square on them still records its lines.
    QCOMPARE(lines - without, 4 * linesPerPair);
    // With least squares shown, its sum stands beside the learner's for comparison.
    ScatterOptions both = o;
    both.fits = {*fit(kSmall, Method::LeastSquares)};
    QVERIFY(scatterOverlay(kSmall, *base, both)
                ->description.endsWith(told + u" (moindres carrés : 0,2)"_s));
}

void PairChartsTest::residualPlot() {
    const auto l = fit(kSmall, Method::LeastSquares);  // y = 1,4x + 0,5
    const auto c = residualChart(kSmall, *l, 2);
    QCOMPARE(c->description,
             u"Résidus, moindres carrés : y = 1,4x + 0,5 ; 4 points ; somme des "
             u"carrés des résidus : 0,2"_s);
    const double expected[] = {0.1, -0.3, 0.3, -0.1};
    int i = 0;
    for (const auto& op : c->drawing.operations()) {
        if (op.kind != Kind::Dot) continue;
        const QPointF p = c->frame.point(kSmall.x[i], expected[i]);
        QVERIFY(std::abs(op.x1 - p.x()) < 0.01 && std::abs(op.y1 - p.y()) < 0.01);
        ++i;
    }
    QCOMPARE(i, 4);
}

void PairChartsTest::hostileValues_data() {
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");
    QTest::newRow("near the largest squares")
        << QList<double>{-1e153, 1e153, 3} << QList<double>{1e153, -1e152, 0};
    QTest::newRow("tiny") << QList<double>{1e-150, 2e-150, 4e-150} << QList<double>{1, 3, 2};
    QTest::newRow("huge") << QList<double>{1e300, -1e300, 0} << QList<double>{1e308, 0, -1e308};
    QTest::newRow("zeros for ln and 1/") << QList<double>{0, 1, 2} << QList<double>{0, 5, -3};
}

void PairChartsTest::hostileValues() {
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    // Whatever the values, a chart is drawn or its fault told: nothing fails midway.
    const Pairs p{u"x"_s, u"y"_s, {x.begin(), x.end()}, {y.begin(), y.end()}};
    ScatterOptions o{.byEye = ByEyeLine{{1e200, -1e300}, {{{1e300, 0}, {-1e300, 1}}}},
                     .residuals = ResidualStyle::Squares};
    for (Method m : {Method::LeastSquares, Method::LeastSquaresXInY, Method::Mayer})
        for (int c = 0; c < kChanges; ++c)
            if (const auto f = fit(p, m, Change(c), Change(c))) o.fits.push_back(*f);
    QVERIFY_THROWS_NO_EXCEPTION({
        const auto chart = scatterChart(p, o);
        QVERIFY(chart || !chart.fault.isEmpty());
        for (const Curve& f : o.fits) {
            const auto residuals = residualChart(p, f);
            QVERIFY(residuals || !residuals.fault.isEmpty());
        }
    });
}

void PairChartsTest::lorenzCurve() {
    const auto l = lorenzFromShares({{0.5, 0.2}, {1, 1}});
    const ChartRecord c = lorenzChart(*l, 2);
    QCOMPARE(c.description,
             u"Courbe de Lorenz passant par (0 ; 0), (0,5 ; 0,2), (1 ; 1) ; "
             u"droite d'égalité ; indice de Gini : 0,3"_s);
    QVERIFY(overlaps(c).isEmpty());
    QVERIFY(texts(c.drawing).contains(u"Courbe de Lorenz ; indice de Gini : 0,3"_s));
}

void PairChartsTest::commandLineRows() {
    // Worked by hand: Mayer's halves (1 ; 2), (2 ; 3) and (3 ; 5), (4 ; 6) give
    // G1(1,5 ; 2,5), G2(3,5 ; 5,5), a = 3 / 2, b = 2,5 − 1,5 × 1,5.
    const auto rows = statisticsRows(kSmall, 3);
    QCOMPARE(rowsText(*rows),
             u"Paramètre\tValeur\n"
             u"Effectif\t4\n"
             u"Moyenne des x\t2,5\n"
             u"Moyenne des y\t4\n"
             u"Variance des x\t1,25\n"
             u"Variance des y\t2,5\n"
             u"Covariance\t1,75\n"
             u"Coefficient de corrélation\t0,99\n"
             u"Moindres carrés : a\t1,4\n"
             u"Moindres carrés : b\t0,5\n"
             u"Mayer : G1\t(1,5 ; 2,5)\n"
             u"Mayer : G2\t(3,5 ; 5,5)\n"
             u"Mayer : a\t1,5\n"
             u"Mayer : b\t0,25\n"_s);
    const Pairs growth{u"x"_s, u"y"_s, {0, 1, 2}, {5, 10, 20}};
    QCOMPARE(*fitRows(growth, FitKind::Exponential, 2),
             (Rows{{u"Ajustement exponentiel : équation"_s, u"y = 5 × 2ˣ"_s},
                   {u"Ajustement exponentiel : k"_s, u"5"_s},
                   {u"Ajustement exponentiel : a"_s, u"2"_s},
                   {u"Ajustement exponentiel : somme des carrés des résidus"_s, u"0"_s}}));
    QCOMPARE(*estimateRows(kSmall, FitKind::LeastSquares, 10.0, 4.0, 2),
             (Rows{{u"Estimation de y"_s, u"14,5"_s},
                   {u"Estimation de y : nature"_s, u"extrapolation"_s},
                   {u"Estimation de x"_s, u"2,5"_s},
                   {u"Estimation de x : nature"_s, u"interpolation"_s}}));
    QCOMPARE(statisticsRows({u"x"_s, u"y"_s, {1}, {2}}, 3).fault,
             u"il faut au moins deux paires"_s);
}

QTEST_GUILESS_MAIN(PairChartsTest)
#include "tst_pair_charts.moc"
