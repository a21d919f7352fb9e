#pragma once

// The chart area as the window shows it, leaving the window: its background, every
// line and dot of its record, and the labels laid over it, each at its place with its
// caption, colour and font.

#include <QImage>
#include <QSizeF>

class QPainter;

namespace ui {

class PictureBox;

// The inner area's size, in logical pixels.
QSizeF chartSize(const PictureBox& picture);
// In pixels, `scale` device pixels per logical pixel, painted as the screen paints it.
QImage chartImage(const PictureBox& picture, double scale);
// As vectors, onto a painter whose units are logical pixels, keeping what shows at
// `scale` device pixels per logical pixel.
void paintChart(QPainter& painter, const PictureBox& picture, double scale);

}  // namespace ui
