#include "core/series_box_plot.h"

#include "core/numbers.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// In twips: the names' column, each series' row, the box's half height, the axis above
// its values and the ticks.
constexpr double kLeft = 960, kRightAtLeast = 360, kHalfBox = 165, kAxisAboveBottom = 510,
                 kTick = 75, kValuesBelowAxis = 105;
constexpr std::array<double, 2> kRows = {420, 1020};
// A generous width of a character of the axis's values, for the room the last one
// needs: the record knows no font.
constexpr double kCharacterWidth = 105;
constexpr quint32 kBlack = 0;
constexpr std::array<quint32, 2> kColours = {65536u * 255, 255};
const std::array<QString, 2> kNames = {u"Série 1"_s, u"Série 2"_s};

struct Box {
    double minimum, q1, median, q3, maximum;
};

std::optional<Box> boxOf(const SeriesParameters& p) {
    if (p.count == 0 || !p.minimum || !p.firstQuartile || !p.median || !p.thirdQuartile ||
        !p.maximum)
        return std::nullopt;
    return Box{*p.minimum, *p.firstQuartile, *p.median, *p.thirdQuartile, *p.maximum};
}

void write(Drawing& d, int& slot, const QString& text, QPointF at, Qt::Alignment anchor) {
    d.label({.array = 2,
             .index = slot++,
             .text = text,
             .left = at.x(),
             .top = at.y(),
             .points = 8.25,
             .bold = false,
             .background = false,
             .anchor = anchor});
}

}  // namespace

TableChartRecord seriesBoxPlot(const SeriesParameters& first, const SeriesParameters& second,
                               const Surface& surface) {
    TableChartRecord g;
    const std::array<std::optional<Box>, 2> boxes = {boxOf(first), boxOf(second)};
    double low = 0, high = 0;
    bool any = false;
    QStringList described;
    for (size_t s = 0; s < 2; ++s) {
        if (!boxes[s]) continue;
        const Box& b = *boxes[s];
        low = any ? std::min(low, b.minimum) : b.minimum;
        high = any ? std::max(high, b.maximum) : b.maximum;
        any = true;
        described << u"%1 : minimum %2, premier quartile %3, médiane %4, troisième quartile %5, "
                     u"maximum %6"_s.arg(kNames[s], textOfNumber(b.minimum), textOfNumber(b.q1),
                                         textOfNumber(b.median), textOfNumber(b.q3),
                                         textOfNumber(b.maximum));
    }
    if (!any) {
        g.fault = u"Aucune des deux séries n'a de valeur à dessiner."_s;
        return g;
    }
    g.description = described.join(u" ; "_s);
    CoordinateFrame& r = g.frame;
    r.x = graduatedAxis(low, high);
    r.y = graduatedAxis(0, 1, 1);
    std::vector<std::pair<double, QString>> values;
    qsizetype longest = 0;
    for (const long double graduation : r.x.graduations) {
        const double v = double(graduation);
        if (!std::isfinite(v)) continue;
        values.emplace_back(v, textOfNumber(v == 0 ? 0.0 : v));
        longest = std::max(longest, values.back().second.size());
    }
    // The last value is centred under the axis's end: room for half of it.
    const double right = std::max(kRightAtLeast, double(longest) * kCharacterWidth / 2 + 60);
    const double axisY = surface.height - kAxisAboveBottom;
    r.zone = QRectF(QPointF(kLeft, 0), QPointF(std::max(kLeft + 1, surface.width - right), axisY));
    const auto x = [&](double v) { return r.point(v, 0).x(); };

    Drawing& d = g.drawing;
    int slot = 0;
    d.line(r.zone.left(), axisY, r.zone.right(), axisY, kBlack, 1);
    for (const auto& [v, text] : values) {
        d.line(x(v), axisY, x(v), axisY + kTick, kBlack, 1);
        write(d, slot, text, {x(v), axisY + kValuesBelowAxis}, Qt::AlignHCenter | Qt::AlignTop);
    }
    for (size_t s = 0; s < 2; ++s) {
        if (!boxes[s]) continue;
        const Box& b = *boxes[s];
        const double y = kRows[s];
        const quint32 c = kColours[s];
        write(d, slot, kNames[s], {60, y}, Qt::AlignLeft | Qt::AlignVCenter);
        d.line(x(b.minimum), y, x(b.q1), y, c, 2);
        d.line(x(b.q3), y, x(b.maximum), y, c, 2);
        for (const double end : {b.minimum, b.maximum})
            d.line(x(end), y - 90, x(end), y + 90, c, 2);
        const double top = y - kHalfBox, bottom = y + kHalfBox;
        d.line(x(b.q1), top, x(b.q3), top, c, 2);
        d.line(x(b.q3), top, x(b.q3), bottom, c, 2);
        d.line(x(b.q3), bottom, x(b.q1), bottom, c, 2);
        d.line(x(b.q1), bottom, x(b.q1), top, c, 2);
        d.line(x(b.median), top, x(b.median), bottom, c, 3);
    }
    return g;
}

}  // namespace core
