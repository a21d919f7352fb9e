#include "core/individuals/charts.h"

#include "core/chart_pen.h"
#include "core/graduations.h"
#include "core/numbers.h"

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

constexpr quint32 kBlack = 0;
constexpr quint32 kBlue = 65536u * 200 + 256u * 80 + 30;
constexpr quint32 kPale = 65536u * 240 + 256u * 200 + 170;
// Beyond this many modalities the names under the bars would overlap.
constexpr std::size_t kNamedBars = 20;
constexpr std::size_t kNamedSectors = 12;
// About the width of a character of the charts' 8.25-point captions, in twips.
constexpr double kCharacter = 95;

QString percent(double p) {
    return regionalLocale().toString(p, 'f', 1) + u" %"_s;
}

TableChartRecord empty(const Modalities& m, const Surface& s) {
    TableChartRecord g;
    g.frame.zone = chartZone(s);
    if (m.total <= 0) g.fault = u"Aucun individu sélectionné n'a de valeur à dessiner."_s;
    return g;
}

}  // namespace

std::optional<Chart> chartNamed(QStringView name) {
    if (name == u"bars") return Chart::Bars;
    if (name == u"pie") return Chart::Pie;
    if (name == u"histogram") return Chart::Histogram;
    return std::nullopt;
}

TableChartRecord barsOfModalities(const QString& variable, const Modalities& m,
                                  const Surface& surface) {
    TableChartRecord g = empty(m, surface);
    if (!g.fault.isEmpty()) return g;
    ChartPen pen(g.drawing);
    const QRectF z = g.frame.zone;
    std::int64_t highest = 1;
    for (const Modality& x : m.rows) highest = std::max(highest, x.count);
    g.frame.y = graduatedAxis(0, double(highest), 5);
    g.frame.x = graduatedAxis(0, double(m.rows.size()), 2);
    const QString title = u"Diagramme en barres de "_s + variable;
    pen.write(title, {z.center().x(), 120}, Qt::AlignHCenter | Qt::AlignTop, true);
    pen.line(z.bottomLeft(), z.bottomRight());
    pen.line(z.bottomLeft(), z.topLeft());
    const auto y = [&](double v) { return z.bottom() - g.frame.y.position(v, z.height()); };
    for (long double step : g.frame.y.graduations) {
        const QPointF p(z.left(), y(double(step)));
        pen.line(p, p - QPointF(60, 0));
        pen.write(textOfNumber(double(step)), p - QPointF(90, 0),
                  Qt::AlignRight | Qt::AlignVCenter);
    }
    pen.write(u"Effectif"_s, {z.left() - 900, z.top() - 330}, Qt::AlignLeft | Qt::AlignTop);
    const double slot = z.width() / double(m.rows.size());
    // Names under the bars on one line where they fit, else on two staggered lines,
    // cut short with "…" where even that is too narrow (the description tells them whole).
    qsizetype longest = 0;
    for (const Modality& x : m.rows) longest = std::max(longest, x.label.size());
    const double wanted = double(longest) * kCharacter;
    const bool twoLines = wanted > slot * 0.95;
    const auto room = qsizetype(std::max(2.0, slot * 1.9 / kCharacter));
    const auto shown = [&](const QString& label) {
        return !twoLines || label.size() <= room ? label : label.left(room - 1) + u'…';
    };
    const bool named = m.rows.size() <= kNamedBars;
    QStringList told;
    for (std::size_t k = 0; k < m.rows.size(); ++k) {
        const Modality& x = m.rows[k];
        const double left = z.left() + slot * (double(k) + 0.2), right = left + slot * 0.6;
        const double top = y(double(x.count));
        // Filled by upright strokes a pixel apart, then outlined.
        for (double at = left; at < right; at += 15)
            pen.line({at, z.bottom()}, {at, top}, kPale, 1);
        pen.line({left, z.bottom()}, {left, top}, kBlue, 2);
        pen.line({left, top}, {right, top}, kBlue, 2);
        pen.line({right, top}, {right, z.bottom()}, kBlue, 2);
        if (named)
            pen.write(shown(x.label),
                      {left + slot * 0.3, z.bottom() + 80 + (twoLines && k % 2 ? 190 : 0)},
                      Qt::AlignHCenter | Qt::AlignTop);
        if (named)
            pen.write(QString::number(x.count), {left + slot * 0.3, top - 40},
                      Qt::AlignHCenter | Qt::AlignBottom);
        told << x.label + u" : "_s + QString::number(x.count);
    }
    pen.write(variable, {z.right(), z.bottom() + (twoLines ? 500 : 380)},
              Qt::AlignRight | Qt::AlignTop);
    g.description = title + u", effectif de chaque modalité : "_s + told.join(u", "_s);
    return g;
}

TableChartRecord pieOfModalities(const QString& variable, const Modalities& m,
                                 const Surface& surface) {
    TableChartRecord g = empty(m, surface);
    if (!g.fault.isEmpty()) return g;
    ChartPen pen(g.drawing);
    const QRectF z = g.frame.zone;
    const QString title = u"Diagramme circulaire de "_s + variable;
    pen.write(title, {z.center().x(), 120}, Qt::AlignHCenter | Qt::AlignTop, true);
    const double radius = std::min(z.width(), z.height()) * 0.42;
    const QPointF centre = z.center();
    const auto at = [&](double turn, double r) {
        const double a = std::numbers::pi / 2 - 2 * std::numbers::pi * turn;
        return centre + QPointF(r * std::cos(a), -r * std::sin(a));
    };
    // Spokes about a pixel apart at the rim fill each sector in its colour.
    const int spokes = std::max(360, int(2 * std::numbers::pi * radius / 12));
    double from = 0;
    QStringList told;
    for (std::size_t k = 0; k < m.rows.size(); ++k) {
        const Modality& x = m.rows[k];
        const double to = from + double(x.count) / double(m.total);
        const auto colour = quint32(kPalette[k % 10]);
        for (int s = int(std::ceil(from * spokes)); s < to * spokes; ++s)
            pen.line(centre, at(double(s) / spokes, radius), colour, 2);
        pen.line(centre, at(from, radius), kBlack, 1);
        const double middle = (from + to) / 2;
        const bool right = std::sin(2 * std::numbers::pi * middle) >= 0;
        // Names of thin sectors would overlap: they are told in the description only.
        if (m.rows.size() <= kNamedSectors || x.percent >= 3)
            pen.write(x.label + u" : "_s + percent(x.percent), at(middle, radius + 120),
                      (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        told << x.label + u" "_s + percent(x.percent);
        from = to;
    }
    g.description = title + u", part de chaque modalité : "_s + told.join(u", "_s);
    return g;
}

TableChartRecord histogramOfClasses(const QString& variable, const Classes& classes,
                                    const Surface& surface) {
    TableChartRecord g =
        tableChartRecord(analyseTable(toTable(classes)), TableChart::Histogram, surface);
    if (!classes.fault.isEmpty()) g.fault = classes.fault;
    if (g.fault.isEmpty()) g.description = variable + u" : "_s + g.description;
    return g;
}

}  // namespace core::individuals
