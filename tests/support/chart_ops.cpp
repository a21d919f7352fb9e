#include "support/chart_ops.h"

#include <cmath>

namespace test {

QList<QLineF> linesIn(const ui::PictureBox& picture, quint32 colour) {
    QList<QLineF> lines;
    for (const Operation& op : picture.operations())
        if (op.kind == Operation::Kind::Line && op.colour == colour)
            lines << QLineF(op.x1, op.y1, op.x2, op.y2);
    return lines;
}

QList<QPointF> dotsOfWidth(const ui::PictureBox& picture, int width) {
    QList<QPointF> dots;
    for (const Operation& op : picture.operations())
        if (op.kind == Operation::Kind::Dot && op.width == width) dots << QPointF(op.x1, op.y1);
    return dots;
}

bool allFinite(const ui::PictureBox& picture) {
    for (const Operation& op : picture.operations())
        for (float v : {op.x1, op.y1, op.x2, op.y2})
            if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace test
