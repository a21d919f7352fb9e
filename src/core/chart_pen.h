#pragma once

// What the charts of a file of individuals and of a simulation draw with: lines, dashes
// and texts into one record, each text in its own label slot, on an area that leaves
// room around it for the graduations and the titles.

#include "core/drawing.h"
#include "core/series_charts.h"

#include <QPointF>
#include <QRectF>
#include <QString>

namespace core {

class ChartPen {
public:
    explicit ChartPen(Drawing& d) : d_(d) {}

    void line(QPointF a, QPointF b, quint32 colour = 0, int width = 1) {
        d_.line(a.x(), a.y(), b.x(), b.y(), colour, width);
    }
    // The outline of the rectangle of corners `a` and `b`.
    void rectangle(QPointF a, QPointF b, quint32 colour, int width = 2) {
        line(a, {b.x(), a.y()}, colour, width);
        line({b.x(), a.y()}, b, colour, width);
        line(b, {a.x(), b.y()}, colour, width);
        line({a.x(), b.y()}, a, colour, width);
    }
    // Dashes as long as the gaps between them.
    void dashes(QPointF a, QPointF b, quint32 colour, int width = 1);
    // The text in 8.25 points, over what is drawn, `anchor` saying which of its points
    // stands at `at`.
    void write(const QString& text, QPointF at, Qt::Alignment anchor, bool bold = false);

private:
    Drawing& d_;
    int labels_ = 0;
};

// The area between the axes, in twips, on a chart area of that size.
QRectF chartZone(const Surface& surface);

}  // namespace core
