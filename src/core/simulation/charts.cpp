#include "core/simulation/charts.h"

#include "core/chart_pen.h"
#include "core/numbers.h"
#include "core/simulation/report.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::simulation {
namespace {

constexpr quint32 rgb(int r, int g, int b) {
    return quint32(r) + 256u * quint32(g) + 65536u * quint32(b);
}
constexpr quint32 kBlack = 0, kBlue = rgb(30, 80, 200), kGrey = rgb(128, 128, 128);
// ± s, ± 2s, ± 3s and ± 1/√n, each in its colour.
constexpr quint32 kIntervals[4] = {rgb(0, 140, 60), rgb(230, 130, 0), rgb(200, 30, 30),
                                   rgb(140, 40, 170)};

QString figure(double value, int decimals = 4) {
    const double scale = std::pow(10.0, decimals);
    const double r = std::round(value * scale) / scale;
    return textOfNumber(r == 0 ? 0.0 : r);
}

// The frame, the x axis's graduations (`xText` writes each) and the y axis's.
template <class XText>
void axes(ChartPen& pen, const CoordinateFrame& r, const QString& title, const QString& xTitle,
          const QString& yTitle, const std::vector<double>& xMarks, XText&& xText) {
    const QRectF& z = r.zone;
    pen.write(title, {z.center().x(), 120}, Qt::AlignHCenter | Qt::AlignTop, true);
    pen.line(z.bottomLeft(), z.bottomRight());
    pen.line(z.bottomLeft(), z.topLeft());
    for (double g : xMarks) {
        const QPointF p = r.point(g, double(r.y.start));
        pen.line(p, p + QPointF(0, 60));
        pen.write(xText(g), p + QPointF(0, 80), Qt::AlignHCenter | Qt::AlignTop);
    }
    pen.write(xTitle, {z.right(), z.bottom() + 380}, Qt::AlignRight | Qt::AlignTop);
    for (long double g : r.y.graduations) {
        const QPointF p(z.left(), r.point(double(r.x.start), double(g)).y());
        pen.line(p, p - QPointF(60, 0));
        pen.write(figure(double(g)), p - QPointF(90, 0), Qt::AlignRight | Qt::AlignVCenter);
    }
    pen.write(yTitle, {z.left() - 900, z.top() - 330}, Qt::AlignLeft | Qt::AlignTop);
}

std::vector<double> marksOf(const Axis& a) {
    return {a.graduations.begin(), a.graduations.end()};
}

}  // namespace

std::optional<ChartKind> chartNamed(QStringView name) {
    if (name == u"frequencies") return ChartKind::Frequencies;
    if (name == u"fluctuation") return ChartKind::Fluctuation;
    if (name == u"large-numbers") return ChartKind::LargeNumbers;
    return std::nullopt;
}

TableChartRecord histogram(const Result& result, const Surface& surface) {
    TableChartRecord g;
    CoordinateFrame& r = g.frame;
    r.zone = chartZone(surface);
    const bool means = bool(result.parameters.population);
    const auto [low, high] = std::minmax_element(result.values.begin(), result.values.end());
    // Frequencies fall on multiples of 1/n: classes of whole steps centred on them.
    const double n = double(result.parameters.n);
    double start, width;
    std::int64_t classes;
    if (!means) {
        const double k0 = std::round(*low * n), k1 = std::round(*high * n);
        const double per = std::ceil((k1 - k0 + 1) / 40);
        width = per / n;
        start = (k0 - 0.5) / n;
        classes = std::int64_t((k1 - k0) / per) + 1;
    } else {
        classes = *high > *low ? 30 : 1;
        width = *high > *low ? (*high - *low) / 30 : 1;
        start = *high > *low ? *low : *low - 0.5;
    }
    std::vector<std::int64_t> counts(size_t(classes), 0);
    for (double v : result.values)
        ++counts[size_t(std::clamp<std::int64_t>(std::int64_t(std::floor((v - start) / width)), 0,
                                                 classes - 1))];
    double left = start, right = start + double(classes) * width;
    for (const Share& s : result.shares) {
        left = std::min(left, s.lower);
        right = std::max(right, s.upper);
    }
    const std::int64_t highest = *std::max_element(counts.begin(), counts.end());
    r.x = graduatedAxis(left, right, 8);
    r.y = graduatedAxis(0, double(highest), 5);
    const QString what = means ? u"moyennes"_s : u"fréquences"_s;
    const QString title = u"Histogramme des "_s + what;
    ChartPen pen(g.drawing);
    axes(pen, r, title, means ? u"Moyenne"_s : u"Fréquence"_s, u"Effectif"_s, marksOf(r.x),
         [](double x) { return figure(x); });
    QStringList described;
    for (std::int64_t k = 0; k < classes; ++k) {
        const double a = start + double(k) * width, b = a + width;
        const QPointF top = r.point(a, double(counts[size_t(k)])), foot = r.point(b, 0);
        pen.rectangle(top, foot, kBlue, 2);
        if (counts[size_t(k)] > 0)
            described << u"["_s + figure(a) + u" ; "_s + figure(b) + u"[ : "_s +
                             QString::number(counts[size_t(k)]);
    }
    QStringList intervals;
    pen.line(r.point(result.centre, 0), r.point(result.centre, double(r.y.end)), kBlack, 2);
    for (size_t i = 0; i < result.shares.size() && i < 4; ++i) {
        const Share& s = result.shares[i];
        for (double x : {s.lower, s.upper})
            pen.dashes(r.point(x, 0), r.point(x, double(r.y.end)), kIntervals[i], 2);
        // The key: a dash in the interval's colour before its name.
        const QPointF key(r.zone.left() + 10 + 1800.0 * double(i), r.zone.top() - 230);
        pen.line(key, key + QPointF(200, 0), kIntervals[i], 3);
        pen.write(s.name, key + QPointF(260, -100), Qt::AlignLeft | Qt::AlignTop);
        intervals << shareText(s, std::int64_t(result.values.size()));
    }
    g.description = title + u" de "_s + grouped(std::int64_t(result.values.size())) +
                    (result.values.size() > 1 ? u" échantillons"_s : u" échantillon"_s) +
                    u" de taille "_s + grouped(result.parameters.n) + u", moyenne "_s +
                    figure(result.mean) + u", écart-type "_s + figure(result.sd) +
                    u" ; classes : "_s + described.join(u", "_s) + u" ; intervalles : "_s +
                    intervals.join(u" ; "_s);
    return g;
}

TableChartRecord fluctuationChart(const Fluctuation& f, const Surface& surface) {
    TableChartRecord g;
    CoordinateFrame& r = g.frame;
    r.zone = chartZone(surface);
    if (f.sizes.empty()) {
        g.fault = u"Aucune taille d'échantillon n'est donnée."_s;
        return g;
    }
    double xMost = 0, yMost = 0;
    for (size_t i = 0; i < f.sizes.size(); ++i) {
        xMost = std::max(xMost, 1 / std::sqrt(double(f.sizes[i])));
        yMost = std::max(yMost, f.sds[i]);
    }
    yMost = std::max(yMost, f.slope * xMost);
    r.x = graduatedAxis(0, xMost * 1.05, 6);
    r.y = graduatedAxis(0, yMost > 0 ? yMost * 1.05 : 1, 5);
    const QString title = f.means ? u"Écart-type des moyennes en fonction de 1/√n"_s
                                  : u"Écart-type des fréquences en fonction de 1/√n"_s;
    ChartPen pen(g.drawing);
    axes(pen, r, title, u"1/√n"_s, u"s"_s, marksOf(r.x), [](double x) { return figure(x); });
    const QString slope = f.means ? u"σ"_s : u"√(p(1 − p))"_s;
    const double xEnd = double(r.x.end);
    const double yEnd = std::min(f.slope * xEnd, double(r.y.end));
    const double xLine = f.slope > 0 ? yEnd / f.slope : xEnd;
    pen.line(r.point(0, 0), r.point(xLine, f.slope > 0 ? yEnd : 0), kGrey, 2);
    pen.write(u"pente "_s + slope + u" = "_s + figure(f.slope),
              r.point(xLine, yEnd) - QPointF(40, 40), Qt::AlignRight | Qt::AlignBottom);
    QStringList points;
    for (size_t i = 0; i < f.sizes.size(); ++i) {
        const double x = 1 / std::sqrt(double(f.sizes[i]));
        g.drawing.dot(r.point(x, f.sds[i]).x(), r.point(x, f.sds[i]).y(), kBlue, 7);
        points << u"n = "_s + grouped(f.sizes[i]) + u" : 1/√n = "_s + figure(x) + u", s = "_s +
                      figure(f.sds[i]);
    }
    g.description = title + u" : "_s + points.join(u" ; "_s) +
                    u" ; droite passant par l'origine de pente "_s + slope + u" = "_s +
                    figure(f.slope);
    return g;
}

TableChartRecord largeNumbersChart(const LargeNumbers& l, const Surface& surface) {
    TableChartRecord g;
    CoordinateFrame& r = g.frame;
    r.zone = chartZone(surface);
    if (l.running.empty()) {
        g.fault = u"Aucun tirage n'est fait."_s;
        return g;
    }
    const double count = double(l.running.size());
    // n from 1 to the next power of ten on a logarithmic axis: the position is log10(n).
    const double decades = std::max(1.0, std::ceil(std::log10(count)));
    r.x.start = 0;
    r.x.end = decades;
    std::vector<double> marks;
    for (int k = 0; k <= int(decades); ++k) marks.push_back(k);
    double low = l.centre, high = l.centre;
    for (double v : l.running) low = std::min(low, v), high = std::max(high, v);
    r.y = l.means ? graduatedAxis(low, high, 5) : graduatedAxis(0, 1, 5);
    const QString what = l.means ? u"Moyenne"_s : u"Fréquence"_s;
    const QString title = what + u" observée au fil des tirages"_s;
    ChartPen pen(g.drawing);
    axes(pen, r, title, u"n (échelle logarithmique)"_s, what, marks,
         [](double x) { return grouped(std::llround(std::pow(10.0, x))); });
    // Unnamed marks at 2, 3 … 9 times each power of ten, as on log paper.
    for (int k = 0; k < int(decades); ++k)
        for (int m = 2; m <= 9; ++m) {
            const QPointF p = r.point(double(k) + std::log10(double(m)), double(r.y.start));
            pen.line(p, p + QPointF(0, 35));
        }
    // One point per few twips of the axis: a hundred thousand draws fill it no thicker.
    QPointF last = r.point(0, l.running[0]);
    double lastX = last.x();
    for (size_t k = 1; k < l.running.size(); ++k) {
        const QPointF here = r.point(std::log10(double(k + 1)), l.running[k]);
        if (here.x() - lastX < 4 && k + 1 < l.running.size()) continue;
        pen.line(last, here, kBlue, 2);
        last = here;
        lastX = here.x();
    }
    pen.dashes(r.point(0, l.centre), r.point(decades, l.centre), kIntervals[2], 2);
    pen.write(u"y = "_s + figure(l.centre), r.point(decades, l.centre) - QPointF(0, 40),
              Qt::AlignRight | Qt::AlignBottom);
    QStringList readings;
    const auto draws = [](size_t k) { return k > 1 ? u" tirages : "_s : u" tirage : "_s; };
    for (double n = 10; n <= count; n *= 10)
        readings << u"après "_s + grouped(std::llround(n)) + u" tirages : "_s +
                        figure(l.running[size_t(n) - 1]);
    if (std::fmod(std::log10(count), 1) != 0 || count < 10)
        readings << u"après "_s + grouped(std::int64_t(l.running.size())) +
                        draws(l.running.size()) + figure(l.running.back());
    g.description = title + u", axe des n logarithmique : "_s + readings.join(u" ; "_s) +
                    u" ; droite y = "_s + figure(l.centre);
    return g;
}

}  // namespace core::simulation
