#include "core/chart_pen.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

constexpr int kDash = 80;  // twips of a dash, and of the gap after it

}  // namespace

void ChartPen::dashes(QPointF a, QPointF b, quint32 colour, int width) {
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (length <= 0) return;
    const QPointF step = (b - a) / length;
    for (double t = 0; t < length; t += 2 * kDash)
        line(a + step * t, a + step * std::min(length, t + kDash), colour, width);
}

void ChartPen::write(const QString& text, QPointF at, Qt::Alignment anchor, bool bold) {
    d_.label({.array = 2,
              .index = labels_++,
              .text = text,
              .left = at.x(),
              .top = at.y(),
              .points = 8.25,
              .bold = bold,
              .background = false,
              .anchor = anchor});
}

QRectF chartZone(const Surface& s) {
    return QRectF(QPointF(1000, 700), QPointF(s.width - 400, s.height - 750));
}

}  // namespace core
