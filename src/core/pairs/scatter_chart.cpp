#include "core/pairs/scatter_chart.h"

#include "core/numbers.h"
#include "core/pairs/texts.h"

#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <system_error>
#include <thread>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

constexpr quint32 kPoints = rgb(30, 80, 200);
constexpr quint32 kMean = rgb(200, 0, 0);
constexpr quint32 kByEye = rgb(200, 0, 150);
constexpr quint32 kSquares = rgb(240, 150, 210);
constexpr quint32 kFitColours[] = {rgb(0, 140, 60), rgb(230, 120, 0), rgb(140, 60, 170),
                                   rgb(0, 150, 170), rgb(150, 100, 30)};
constexpr int kOverlay = 3;  // the overlay's caption slots, after the base's

QString capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

bool isExponential(const Curve& c) {
    return c.method == Method::LeastSquares && c.onX == Change::None && c.onY == Change::Log;
}

int dotWidth(std::size_t n) {
    return n > 20000 ? 2 : n > 2000 ? 3 : 5;
}

// The fit across the whole width of the area: a line from side to side, a curve in
// small steps, broken where it has no value.
void drawCurve(Pen& pen, const CoordinateFrame& r, const Curve& c, quint32 colour) {
    const double from = double(r.x.start), to = double(r.x.end);
    if (c.isLine()) {
        if (const std::optional<Line> l = c.yInX())
            pen.clippedLine(r.point(from, l->at(from)), r.point(to, l->at(to)), colour, 2);
        else  // x = b whatever y
            pen.clippedLine(r.point(c.line.b, double(r.y.start)),
                            r.point(c.line.b, double(r.y.end)), colour, 2);
        return;
    }
    constexpr int kSteps = 300;
    std::optional<QPointF> previous;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        const double y = c.y(x);
        if (!std::isfinite(y)) {
            previous.reset();
            continue;
        }
        const QPointF p = r.point(x, y);
        if (previous) pen.clippedLine(*previous, p, colour, 2);
        previous = p;
    }
}

// Each pair as a dot of the record where Repere::point puts it, with what all share worked
// out once, and counted in `points`. A million are placed in two halves at once, each
// counted apart, straight into the record: the same dots and the same sums either way.
void placePoints(const Pairs& pairs, const CoordinateFrame& r, Occupancy& points, Drawing& drawing,
                 quint32 colour, int width) {
    const std::size_t n = pairs.size();
    const std::size_t first = drawing.appendDots(n, colour, width);
    const double left = r.zone.left(), bottom = r.zone.bottom();
    const AxisScale alongX(r.x, r.zone.width()), alongY(r.y, r.zone.height());
    // A place beyond single precision fails the step, as dot() would; noted by the thread
    // that meets it, thrown on this one.
    std::atomic<bool> outOfRange = false;
    const auto place = [&](std::size_t from, std::size_t to, Occupancy& counts) {
        constexpr double kSingle = 3.4028234663852886e38;
        bool beyond = false;
        for (std::size_t i = from; i < to; ++i) {
            const double x = left + alongX(pairs.x[i]), y = bottom - alongY(pairs.y[i]);
            beyond |= !(std::abs(x) <= kSingle && std::abs(y) <= kSingle);
            Drawing::Operation& dot = drawing.operationAt(first + i);
            dot.x1 = dot.x2 = static_cast<float>(x);
            dot.y1 = dot.y2 = static_cast<float>(y);
            counts.addPoint({x, y});
        }
        if (beyond) outOfRange = true;
    };
    constexpr std::size_t kWorthAThread = 100'000;
    bool placed = false;
    if (n >= kWorthAThread && std::thread::hardware_concurrency() > 1) {
        Occupancy secondHalf(r.zone);
        try {
            std::thread other(place, n / 2, n, std::ref(secondHalf));
            place(0, n / 2, points);
            other.join();
            points.addPoints(secondHalf);
            placed = true;
        } catch (const std::system_error&) {  // no thread to be had: all on this one
        }
    }
    if (!placed) place(0, n, points);
    if (outOfRange) throwFailure();
    drawing.coverRepeats(first);
}

QString pointCount(std::size_t n) {
    return core::regionalLocale().toString(qulonglong(n)) + u" points"_s;
}

QString sumText(double v, int decimals) {
    return u"somme des carrés des résidus : "_s + rounded(v, decimals);
}

}  // namespace

QString fitName(const Curve& c) {
    if (isExponential(c)) return u"ajustement exponentiel"_s;
    QString name = c.method == Method::LeastSquares       ? u"moindres carrés"_s
                   : c.method == Method::LeastSquaresXInY ? u"moindres carrés de x en y"_s
                   : c.method == Method::Mayer            ? u"droite de Mayer"_s
                                                          : u"au jugé"_s;
    if (!c.isLine()) name += u" après changement de variable"_s;
    return name;
}

QString fitEquation(const Curve& c, int decimals) {
    if (isExponential(c))
        return equation(Exponential{std::exp(c.line.b), std::exp(c.line.a), c}, decimals);
    return equation(c, decimals);
}

int legendRows(const ScatterOptions& o) {
    return int(o.fits.size()) + (o.byEye ? 1 : 0) + (o.correlation ? 1 : 0);
}

Computed<ScatterBase> scatterBase(const Pairs& pairs, int rows, const Surface& surface) {
    const Computed<Summary> s = summarize(pairs);
    if (!s) return Computed<ScatterBase>::failure(s.fault);
    ScatterBase b;
    b.summary = *s;
    b.frame =
        frameFor(axisAround(s->minX, s->maxX, 8), axisAround(s->minY, s->maxY, 6), surface, rows);
    b.chart.frame = b.frame.frame;
    Pen pen(b.chart.drawing, b.frame.frame.zone, 2);
    drawAxes(pen, b.frame, u"Nuage de points"_s, pairs.nameX, pairs.nameY);
    // Straight into the record: captions are laid on the overlay, which notes the points.
    const int width = dotWidth(pairs.size());
    const CoordinateFrame& r = b.frame.frame;
    b.points = Occupancy(r.zone);
    placePoints(pairs, r, b.points, b.chart.drawing, kPoints, width);
    b.chart.description = pointCount(pairs.size());
    return Computed<ScatterBase>::success(std::move(b));
}

Computed<ChartRecord> scatterOverlay(const Pairs& pairs, const ScatterBase& base,
                                     const ScatterOptions& o) {
    ChartRecord out;
    const CoordinateFrame& r = base.frame.frame;
    out.frame = r;
    Pen pen(out.drawing, r.zone, kOverlay);
    const int d = o.decimals;
    QStringList told{base.chart.description};
    int row = 0;
    // Lines first, so that the captions laid after them keep clear of every one.
    std::optional<double> leastSquaresSum;
    for (std::size_t i = 0; i < o.fits.size(); ++i) {
        const Curve& c = o.fits[i];
        const quint32 colour = kFitColours[i % std::size(kFitColours)];
        drawCurve(pen, r, c, colour);
        const QString text = fitName(c) + u" : "_s + fitEquation(c, d);
        legendRow(pen, base.frame, row++, colour, capitalised(text));
        told << text;
        if (c.method == Method::LeastSquares && c.isLine())
            leastSquaresSum = sumOfSquaredResiduals(pairs, c.line);
    }
    if (o.byEye) {
        const Line& l = o.byEye->line;
        if (o.residuals != ResidualStyle::None) {
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                const QPointF p = r.point(pairs.x[i], pairs.y[i]);
                const QPointF q = r.point(pairs.x[i], l.at(pairs.x[i]));
                if (o.residuals == ResidualStyle::Segments) {
                    pen.clippedLine(p, q, kByEye);
                    continue;
                }
                // A square on the residual as the screen shows it, to its right.
                const QPointF side(std::abs(p.y() - q.y()), 0);
                pen.clippedLine(q, q + side, kSquares);
                pen.clippedLine(q + side, p + side, kSquares);
                pen.clippedLine(p + side, p, kSquares);
                pen.clippedLine(p, q, kByEye);
            }
        }
        drawCurve(pen, r, byEye(l), kByEye);
        if (o.byEye->handles)
            for (const Point h : {o.byEye->handles->first, o.byEye->handles->second})
                pen.dot(r.point(h.x, h.y), kByEye, 9);
        QString text = u"au jugé : "_s + equation(byEye(l), d) + u" ; "_s +
                       sumText(sumOfSquaredResiduals(pairs, l), d);
        if (leastSquaresSum)
            text += u" (moindres carrés : "_s + rounded(*leastSquaresSum, d) + u")"_s;
        legendRow(pen, base.frame, row++, kByEye, capitalised(text));
        told << text;
    }
    // Mayer's mean points, then G, each written beside its mark where nothing is.
    pen.occupancy().addPoints(base.points);
    const Summary& s = base.summary;
    const QPointF g = r.point(s.meanX, s.meanY);
    pen.cross(g, kMean, 90);
    std::vector<std::pair<QString, QPointF>> marks;
    for (std::size_t i = 0; i < o.fits.size(); ++i) {
        if (o.fits[i].method != Method::Mayer || !o.fits[i].isLine()) continue;
        const Computed<Mayer> m = mayer(pairs);
        if (!m) continue;
        const quint32 colour = kFitColours[i % std::size(kFitColours)];
        for (const auto& [name, p] : {std::pair{u"G1"_s, m->g1}, std::pair{u"G2"_s, m->g2}}) {
            const QPointF at = r.point(p.x, p.y);
            pen.cross(at, colour, 70);
            marks.push_back({name + pointText(p, d), at});
        }
    }
    const QString gText = u"G"_s + pointText({s.meanX, s.meanY}, d);
    pen.captionBeside(gText, g);
    for (const auto& [text, at] : marks) pen.captionBeside(text, at);
    told.insert(1, u"point moyen "_s + gText);
    if (o.correlation && s.r) {
        const QString rText = u"r = "_s + signedText(*s.r, d);
        pen.caption(rText + u" ; r² = "_s + rounded(*s.r * *s.r, d),
                    {r.zone.left() + 450, base.frame.legendTop + row * kLegendRow + kLegendRow / 2},
                    Qt::AlignLeft | Qt::AlignVCenter);
        told << rText;
    }
    out.description = told.join(u" ; "_s);
    return Computed<ChartRecord>::success(std::move(out));
}

Computed<ChartRecord> scatterChart(const Pairs& pairs, const ScatterOptions& options,
                                   const Surface& surface) {
    const Computed<ScatterBase> base = scatterBase(pairs, legendRows(options), surface);
    if (!base) return Computed<ChartRecord>::failure(base.fault);
    Computed<ChartRecord> overlay = scatterOverlay(pairs, *base, options);
    if (!overlay) return overlay;
    ChartRecord whole = base->chart;
    append(whole.drawing, overlay->drawing);
    whole.description = overlay->description;
    return Computed<ChartRecord>::success(std::move(whole));
}

Computed<ChartRecord> residualChart(const Pairs& pairs, const Curve& curve, int d,
                                    const Surface& surface) {
    const Computed<Summary> s = summarize(pairs);
    if (!s) return Computed<ChartRecord>::failure(s.fault);
    const std::vector<double> e = residuals(pairs, curve);
    double largest = 0;
    for (double v : e)
        if (std::isfinite(v)) largest = std::max(largest, std::abs(v));
    ChartRecord out;
    const Frame f =
        frameFor(axisAround(s->minX, s->maxX, 8), axisAround(-largest, largest, 6), surface, 1);
    out.frame = f.frame;
    Pen pen(out.drawing, f.frame.zone, 2);
    drawAxes(pen, f, u"Résidus"_s, pairs.nameX, u"Résidu"_s);
    const CoordinateFrame& r = f.frame;
    pen.dashes(r.point(double(r.x.start), 0), r.point(double(r.x.end), 0), kGrey);
    const int width = dotWidth(pairs.size());
    CompensatedSum sum;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (!std::isfinite(e[i])) continue;
        pen.dot(r.point(pairs.x[i], e[i]), kPoints, width);
        sum.add(e[i] * e[i]);
    }
    const QString text = fitName(curve) + u" : "_s + fitEquation(curve, d);
    legendRow(pen, f, 0, kPoints, capitalised(text) + u" ; "_s + sumText(sum.value(), d));
    out.description = u"Résidus, "_s + text + u" ; "_s + pointCount(pairs.size()) + u" ; "_s +
                      sumText(sum.value(), d);
    return Computed<ChartRecord>::success(std::move(out));
}

}  // namespace core::pairs
