#include "core/table_charts.h"

#include "core/numbers.h"
#include "core/text_places.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr quint32 kBlack = 0;
constexpr quint32 kBlue = 65536u * 200 + 256u * 80 + 30;
constexpr quint32 kGrey = 128 + 256u * 128 + 65536u * 128;
constexpr int kDash = 80;           // twips of a dash, and of the gap after it
constexpr double kKeyHeight = 600;  // the histogram's key at most, in twips

struct ChartName {
    const char16_t* option;
    const char16_t* title;
};
constexpr ChartName kNames[kTableCharts] = {
    {u"bars", u"Diagramme en bâtons"},
    {u"histogram", u"Histogramme"},
    {u"cumulative", u"Polygone des effectifs cumulés croissants"},
    {u"cumulative-percent", u"Polygone des fréquences cumulées croissantes"},
    {u"box", u"Diagramme en boîte"},
};

// At most three decimals, as the parameters show them, and none where there are none.
QString text(double value) {
    const double roundedText = std::round(value * 1000) / 1000;
    return textOfNumber(std::isfinite(roundedText) ? roundedText : value);
}

// Draws into one record, each free text in its own label slot.
class Plotter {
public:
    Plotter(Drawing& d) : d_(d) {}
    void line(QPointF a, QPointF b, quint32 colourCode = kBlack, int lineWidth = 1) {
        d_.line(a.x(), a.y(), b.x(), b.y(), colourCode, lineWidth);
    }
    void dashes(QPointF a, QPointF b, quint32 colourCode = kGrey) {
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length <= 0) return;
        const QPointF step = (b - a) / length;
        for (double t = 0; t < length; t += 2 * kDash)
            line(a + step * t, a + step * std::min(length, t + kDash), colourCode);
    }
    void rectangle(QPointF a, QPointF b, quint32 colourCode, int lineWidth = 2) {
        line(a, {b.x(), a.y()}, colourCode, lineWidth);
        line({b.x(), a.y()}, b, colourCode, lineWidth);
        line(b, {a.x(), b.y()}, colourCode, lineWidth);
        line({a.x(), b.y()}, a, colourCode, lineWidth);
    }
    void writeOut(const QString& t, QPointF at, Qt::Alignment anchor, bool bold = false) {
        d_.label({.array = 2,
                  .index = n_++,
                  .text = t,
                  .left = at.x(),
                  .top = at.y(),
                  .points = 8.25,
                  .bold = bold,
                  .background = false,
                  .anchor = anchor});
    }

private:
    Drawing& d_;
    int n_ = 0;
};

// The area between the axes leaves room for the graduations and the titles.
QRectF zoneOf(const Surface& s) {
    return QRectF(QPointF(1000, 700), QPointF(s.width - 400, s.height - 750));
}

void axes(Plotter& t, const CoordinateFrame& r, const QString& title, const QString& titleX,
          const QString& titleY, bool withYAxis = true) {
    const QRectF& z = r.zone;
    t.writeOut(title, {z.center().x(), 120}, Qt::AlignHCenter | Qt::AlignTop, true);
    t.line(z.bottomLeft(), z.bottomRight());
    for (long double g : r.x.graduations) {
        const QPointF p = r.point(double(g), double(r.y.start));
        t.line(p, p + QPointF(0, 60));
        t.writeOut(text(double(g)), p + QPointF(0, 80), Qt::AlignHCenter | Qt::AlignTop);
    }
    t.writeOut(titleX, {z.right(), z.bottom() + 380}, Qt::AlignRight | Qt::AlignTop);
    if (!withYAxis) return;
    t.line(z.bottomLeft(), z.topLeft());
    for (long double g : r.y.graduations) {
        const QPointF p(z.left(), r.point(double(r.x.start), double(g)).y());
        t.line(p, p - QPointF(60, 0));
        t.writeOut(text(double(g)), p - QPointF(90, 0), Qt::AlignRight | Qt::AlignVCenter);
    }
    t.writeOut(titleY, {z.left() - 900, z.top() - 330}, Qt::AlignLeft | Qt::AlignTop);
}

// The x axis the bars and the histogram stand on, and the box plot with them: the
// classes' bounds, or the values with a little room on each side, so that no bar
// stands on the y axis.
Axis dataAxis(const TableAnalysis& a) {
    if (a.nature == FrequencyTable::Nature::Classes) {
        double low = a.classes.front().lower, high = a.classes.front().upper;
        for (const auto& k : a.classes) {
            low = std::min(low, k.lower);
            high = std::max(high, k.upper);
        }
        return graduatedAxis(low, high, 8);
    }
    double low = a.values.front().value, high = low;
    for (const auto& p : a.values) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    const double margin = std::max((high - low) / 20, 0.5);
    return graduatedAxis(low - margin, high + margin, 8);
}

void bars(Plotter& t, TableChartRecord& g, const TableAnalysis& a) {
    std::vector<ValueCount> v = a.values;
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.value < q.value; });
    qint64 highest = 0;
    for (const auto& p : v) highest = std::max(highest, p.count);
    CoordinateFrame& r = g.frame;
    r.x = dataAxis(a);
    r.y = graduatedAxis(0, double(std::max<qint64>(highest, 1)), 5);
    axes(t, r, chartTitle(TableChart::Sticks), u"Valeur"_s, u"Effectif"_s);
    QStringList described;
    // Counts above the bars only while they have room to be read: about 20 pixels each,
    // and the nearest bars as far apart as the widest count.
    bool tally = double(v.size()) <= r.zone.width() / 300;
    for (size_t i = 1; tally && i < v.size(); ++i)
        tally = r.point(v[i].value, 0).x() - r.point(v[i - 1].value, 0).x() >=
                TextPlaces::boxOf(QString::number(highest), {}, {}).width() + 40;
    for (const auto& p : v) {
        const QPointF foot = r.point(p.value, 0), high = r.point(p.value, double(p.count));
        t.line(foot, high, kBlue, 6);
        if (tally)
            t.writeOut(QString::number(p.count), high - QPointF(0, 40),
                       Qt::AlignHCenter | Qt::AlignBottom);
        described << text(p.value) + u" : "_s + QString::number(p.count);
    }
    g.description = chartTitle(TableChart::Sticks) + u", effectif de chaque valeur : "_s +
                    described.join(u", "_s);
}

void histogram(Plotter& t, TableChartRecord& g, const TableAnalysis& a) {
    std::vector<Interval> c = a.classes;
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.lower < q.lower; });
    double smallest = c.front().amplitude();
    bool equalWidths = true;
    for (const auto& k : c) {
        smallest = std::min(smallest, k.amplitude());
        equalWidths = equalWidths && std::abs(k.amplitude() - c.front().amplitude()) <=
                                         1e-9 * std::abs(c.front().amplitude());
    }
    // Heights in counts per unit where widths differ, so that areas are the counts.
    const auto height = [&](const Interval& k) {
        return equalWidths ? double(k.count) : double(k.count) / k.amplitude();
    };
    double highest = 0;
    for (const auto& k : c) highest = std::max(highest, height(k));
    CoordinateFrame& r = g.frame;
    // The key stands between the title's band and the bars: room for its highest.
    r.zone.setTop(r.zone.top() + kKeyHeight - 200);
    r.x = dataAxis(a);
    r.y = graduatedAxis(0, highest > 0 ? highest : 1, 5);
    axes(t, r, chartTitle(TableChart::Histogram), u"Valeur"_s,
         equalWidths ? u"Effectif"_s : u"Effectif par unité"_s);
    QStringList described;
    for (const auto& k : c) {
        t.rectangle(r.point(k.lower, height(k)), r.point(k.upper, 0), kBlue);
        described << intervalText(k.lower, k.upper, a.closedRight) + u" : "_s +
                         QString::number(k.count);
    }
    // The key: a rectangle as wide as the narrowest class, one graduation high.
    const double stepY = r.y.graduations.size() > 1
                             ? double(r.y.graduations[1] - r.y.graduations[0])
                             : double(r.y.end - r.y.start);
    const double values = equalWidths ? stepY : stepY * smallest;
    const double width = r.point(r.x.start + smallest, 0).x() - r.zone.left();
    const double high = r.zone.bottom() - r.point(r.x.start, r.y.start + stepY).y();
    const QSizeF key(std::clamp(width, 30.0, 1500.0), std::clamp(high, 30.0, kKeyHeight));
    const QPointF corner(std::max(r.zone.left(), r.zone.right() - key.width() - 1300),
                         r.zone.top() - kKeyHeight - 80);
    t.rectangle(corner, corner + QPointF(key.width(), key.height()), kBlue, 1);
    t.writeOut(u"= "_s + text(values) + u" valeurs"_s, corner + QPointF(key.width() + 80, 0),
               Qt::AlignLeft | Qt::AlignTop);
    g.description = chartTitle(TableChart::Histogram) +
                    (equalWidths ? u", classes de même amplitude, effectif de chaque classe : "_s
                                 : u", aire proportionnelle à l'effectif de chaque classe : "_s) +
                    described.join(u", "_s);
}

void cumulative(Plotter& t, TableChartRecord& g, const TableAnalysis& a, bool percents) {
    const double N = double(a.total);
    const double scale = percents ? 100.0 / N : 1.0;
    std::vector<QPointF> points;  // in the data's units
    struct TextReading {
        const char16_t* name;
        double level;
        std::optional<double> value;
    };
    std::vector<TextReading> readings = {
        {u"Q1", N / 4, {}}, {u"Me", N / 2, {}}, {u"Q3", 3 * N / 4, {}}};
    if (a.nature == FrequencyTable::Nature::Classes) {
        for (const QPointF& p : cumulativePolygon(a.classes)) points.emplace_back(p.x(), p.y());
        for (TextReading& l : readings)
            if (const auto e = cumulativeReading(a.classes, l.level)) l.value = e->value;
    } else {
        std::vector<ValueCount> v = a.values;
        std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.value < q.value; });
        // A step curve: flat between values, rising at each.
        double runningTotal = 0;
        for (const auto& p : v) {
            points.emplace_back(p.value, runningTotal);
            runningTotal += double(p.count);
            points.emplace_back(p.value, runningTotal);
        }
        const WeightedParameters figures = weightedParameters(a.values);
        readings[0].value = figures.firstQuartile;
        readings[1].value = figures.median;
        readings[2].value = figures.thirdQuartile;
    }
    CoordinateFrame& r = g.frame;
    r.x = graduatedAxis(points.front().x(), points.back().x(), 8);
    r.y = graduatedAxis(0, percents ? 100 : N, 5);
    const TableChart which = percents ? TableChart::CumulativePercent : TableChart::Cumulative;
    axes(t, r, chartTitle(which), u"Valeur"_s,
         percents ? u"Fréquence cumulée (%)"_s : u"Effectif cumulé"_s);
    for (size_t i = 1; i < points.size(); ++i)
        t.line(r.point(points[i - 1].x(), points[i - 1].y() * scale),
               r.point(points[i].x(), points[i].y() * scale), kBlue, 2);
    TextPlaces places(r.zone);
    for (size_t i = 1; i < points.size(); ++i)
        places.line(r.point(points[i - 1].x(), points[i - 1].y() * scale),
                    r.point(points[i].x(), points[i].y() * scale));
    for (const TextReading& l : readings) {
        if (!l.value) continue;
        const QPointF onCurve = r.point(*l.value, l.level * scale);
        t.dashes({r.zone.left(), onCurve.y()}, onCurve);
        t.dashes(onCurve, {onCurve.x(), r.zone.bottom()});
        places.line({r.zone.left(), onCurve.y()}, onCurve);
        places.line(onCurve, {onCurve.x(), r.zone.bottom()});
    }
    QStringList allRead;
    int tier = 0;  // where no place is free, each figure a line higher than the one before
    for (const TextReading& l : readings) {
        if (!l.value) continue;
        const QPointF onCurve = r.point(*l.value, l.level * scale);
        const QString read = QString::fromUtf16(l.name) + u" ≈ "_s + text(*l.value);
        // Above its level and left of its point the curve is below; below it and to the
        // right, above: the figure goes where neither the curve nor a reading's dashes run.
        const QPointF low(onCurve.x() + 40, r.zone.bottom() - 40 - 230 * tier++);
        const auto place = places.firstFree(
            read, {{onCurve + QPointF(-60, -30), Qt::AlignRight | Qt::AlignBottom},
                   {QPointF(r.zone.left() + 60, onCurve.y() - 30), Qt::AlignLeft | Qt::AlignBottom},
                   {onCurve + QPointF(60, 30), Qt::AlignLeft | Qt::AlignTop},
                   {low, Qt::AlignLeft | Qt::AlignBottom},
                   {r.zone.bottomRight() - QPointF(60, 40), Qt::AlignRight | Qt::AlignBottom},
                   {r.zone.bottomRight() - QPointF(60, 270), Qt::AlignRight | Qt::AlignBottom},
                   {r.zone.bottomRight() - QPointF(60, 500), Qt::AlignRight | Qt::AlignBottom}});
        if (place)
            t.writeOut(read, place->first, place->second);
        else
            t.writeOut(read, low, Qt::AlignLeft | Qt::AlignBottom);
        allRead << read;
    }
    QStringList vertices;
    for (const QPointF& p : points)
        vertices << u"("_s + text(p.x()) + u" ; "_s + text(p.y() * scale) + u")"_s;
    g.description = chartTitle(which) + u" passant par "_s + vertices.join(u", "_s) +
                    u" ; lectures : "_s + allRead.join(u", "_s);
}

void boxPlot(Plotter& t, TableChartRecord& g, const TableAnalysis& a, bool deciles) {
    std::optional<double> low, q1, me, q3, high;
    if (a.nature == FrequencyTable::Nature::Classes) {
        const ClassParameters p = classParameters(a.classes);
        const auto v = [](const std::optional<Estimation>& e) {
            return e ? std::optional<double>(e->value) : std::nullopt;
        };
        low = deciles ? v(p.firstDecile) : p.minimum;
        high = deciles ? v(p.ninthDecile) : p.maximum;
        q1 = v(p.firstQuartile);
        me = v(p.median);
        q3 = v(p.thirdQuartile);
    } else {
        const WeightedParameters p = weightedParameters(a.values);
        low = deciles ? p.firstDecile : p.minimum;
        high = deciles ? p.ninthDecile : p.maximum;
        q1 = p.firstQuartile;
        me = p.median;
        q3 = p.thirdQuartile;
    }
    if (!low || !q1 || !me || !q3 || !high) {
        g.fault = u"Ce tableau n'a pas de quartiles à dessiner."_s;
        return;
    }
    CoordinateFrame& r = g.frame;
    r.x = dataAxis(a);
    r.y = graduatedAxis(0, 1, 1);
    axes(t, r, chartTitle(TableChart::Box), u"Valeur"_s, QString(), false);
    const double middle = r.zone.center().y(), halfHeight = std::min(600.0, r.zone.height() / 4);
    const auto x = [&](double v) { return r.point(v, 0).x(); };
    t.rectangle({x(*q1), middle - halfHeight}, {x(*q3), middle + halfHeight}, kBlue);
    t.line({x(*me), middle - halfHeight}, {x(*me), middle + halfHeight}, kBlue, 3);
    t.line({x(*low), middle}, {x(*q1), middle}, kBlack, 2);
    t.line({x(*q3), middle}, {x(*high), middle}, kBlack, 2);
    for (double v : {*low, *high})
        t.line({x(v), middle - halfHeight / 2}, {x(v), middle + halfHeight / 2}, kBlack, 2);
    const QString extremes = deciles ? u"D1"_s : u"minimum"_s;
    const QString extremes9 = deciles ? u"D9"_s : u"maximum"_s;
    // Each mark's figure beside it: the median above the box, the quartiles below it
    // and turned away from each other.
    const auto mark = [&](const QString& name, double v, QPointF at, Qt::Alignment anchor) {
        t.writeOut(name + u" = "_s + text(v), at, anchor);
    };
    mark(u"Me"_s, *me, {x(*me), middle - halfHeight - 40}, Qt::AlignHCenter | Qt::AlignBottom);
    mark(u"Q1"_s, *q1, {x(*q1), middle + halfHeight + 40}, Qt::AlignRight | Qt::AlignTop);
    mark(u"Q3"_s, *q3, {x(*q3), middle + halfHeight + 40}, Qt::AlignLeft | Qt::AlignTop);
    // The whiskers' ends a row above the median's, clear of the box however near.
    const double highRow = middle - halfHeight - 40 - 260;
    mark(deciles ? u"D1"_s : u"min"_s, *low, {x(*low), highRow},
         Qt::AlignHCenter | Qt::AlignBottom);
    mark(deciles ? u"D9"_s : u"max"_s, *high, {x(*high), highRow},
         Qt::AlignHCenter | Qt::AlignBottom);
    g.description = chartTitle(TableChart::Box) + u" : "_s + extremes + u" "_s + text(*low) +
                    u", Q1 "_s + text(*q1) + u", médiane "_s + text(*me) + u", Q3 "_s + text(*q3) +
                    u", "_s + extremes9 + u" "_s + text(*high);
}

}  // namespace

std::optional<TableChart> tableChartNamed(QStringView name) {
    for (int i = 0; i < kTableCharts; ++i)
        if (name == QStringView(kNames[i].option)) return TableChart(i);
    return std::nullopt;
}

QString chartTitle(TableChart chosenChart) {
    return QString::fromUtf16(kNames[int(chosenChart)].title);
}

TableChartRecord tableChartRecord(const TableAnalysis& analysis, TableChart chosenChart,
                                  const Surface& surface, bool deciles) {
    TableChartRecord g;
    g.frame.zone = zoneOf(surface);
    const bool classes = analysis.nature == FrequencyTable::Nature::Classes;
    // A row at fault is not counted, as in the parameters: the others are drawn.
    if (analysis.total <= 0) {
        g.fault = u"Le tableau n'a encore aucune valeur à dessiner."_s;
        return g;
    }
    if (chosenChart == TableChart::Sticks && classes) {
        g.fault =
            u"Un diagramme en bâtons se dessine pour un tableau de valeurs ; pour des classes, "
            u"choisissez l'histogramme."_s;
        return g;
    }
    if (chosenChart == TableChart::Histogram && !classes) {
        g.fault =
            u"Un histogramme se dessine pour un tableau de classes ; pour des valeurs, "
            u"choisissez le diagramme en bâtons."_s;
        return g;
    }
    Plotter t(g.drawing);
    switch (chosenChart) {
        case TableChart::Sticks:
            bars(t, g, analysis);
            break;
        case TableChart::Histogram:
            histogram(t, g, analysis);
            break;
        case TableChart::Cumulative:
        case TableChart::CumulativePercent:
            cumulative(t, g, analysis, chosenChart == TableChart::CumulativePercent);
            break;
        case TableChart::Box:
            boxPlot(t, g, analysis, deciles);
            break;
    }
    if (!g.fault.isEmpty()) g.drawing.clear();
    return g;
}

}  // namespace core
