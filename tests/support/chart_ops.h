#pragma once

// Reading a chart back from the drawing operations the chart area recorded.

#include "ui/picture_box.h"

#include <QLineF>
#include <QList>

namespace test {

using Operation = ui::PictureBox::Operation;

// The lines of one colour, or the dots of one width, in drawing order.
QList<QLineF> linesIn(const ui::PictureBox& picture, quint32 colour);
QList<QPointF> dotsOfWidth(const ui::PictureBox& picture, int width);
// Every coordinate recorded is finite and within the single-precision range.
bool allFinite(const ui::PictureBox& picture);

}  // namespace test
