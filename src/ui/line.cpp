#include "ui/line.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QPainter>

namespace ui {

Line::Line(QWidget* parent, QPointF from, QPointF to, int width, quint32 colour)
    : QWidget(parent), from_(from), to_(to), width_(width), colour_(colour) {
    const double margin = width * kTwipsPerPixel / 2;
    const double left = std::min(from.x(), to.x()) - margin;
    const double top = std::min(from.y(), to.y()) - margin;
    place(this, {left, top, std::abs(to.x() - from.x()) + 2 * margin,
                 std::abs(to.y() - from.y()) + 2 * margin});
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(ui::colour(colour_), width_, Qt::SolidLine, Qt::FlatCap));
    const QPointF origin = geometry().topLeft();
    const auto local = [&](QPointF p) {
        return QPointF(p.x() / kTwipsPerPixel, p.y() / kTwipsPerPixel) - origin;
    };
    painter.drawLine(local(from_), local(to_));
}

}  // namespace ui
