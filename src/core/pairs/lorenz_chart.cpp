#include "core/pairs/lorenz_chart.h"

#include "core/numbers.h"
#include "core/pairs/texts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace core::pairs {

ChartRecord lorenzChart(const Lorenz& lorenz, int decimals, const Surface& surface) {
    constexpr quint32 kCurve = rgb(30, 80, 200);
    ChartRecord out;
    const Axis shares = graduatedAxis(0, 1, 5);
    const Frame f = frameFor(shares, shares, surface, 2);
    out.frame = f.frame;
    const CoordinateFrame& r = f.frame;
    Pen pen(out.drawing, r.zone, 2);
    drawAxes(pen, f, u"Courbe de Lorenz"_s, u"Part cumulée de la population"_s,
             u"Part cumulée de la masse"_s);
    pen.line(r.point(0, 0), r.point(1, 1), kGrey, 2);
    QStringList through;
    for (std::size_t i = 0; i < lorenz.points.size(); ++i) {
        const Point p = lorenz.points[i];
        if (i > 0) {
            const Point q = lorenz.points[i - 1];
            pen.line(r.point(q.x, q.y), r.point(p.x, p.y), kCurve, 2);
        }
        if (lorenz.points.size() <= 200) pen.dot(r.point(p.x, p.y), kCurve, 5);
        through << pointText(p, decimals);
    }
    const QString gini = u"indice de Gini : "_s + rounded(lorenz.gini, decimals);
    legendRow(pen, f, 0, kCurve, u"Courbe de Lorenz ; "_s + gini);
    legendRow(pen, f, 1, kGrey, u"Droite d'égalité"_s);
    // A screen reader reads a few dozen points; beyond, their number.
    const QString points =
        through.size() <= 40
            ? u"passant par "_s + through.join(u", "_s)
            : u"de %1 points"_s.arg(core::regionalLocale().toString(qlonglong(through.size())));
    out.description = u"Courbe de Lorenz "_s + points + u" ; droite d'égalité ; "_s + gini;
    return out;
}

}  // namespace core::pairs
