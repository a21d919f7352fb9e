#pragma once

// The few pixel operations the drawing surface needs, written straight into an image:
// far cheaper than the toolkit's general path rasteriser for the thousands of short,
// wide, solid lines a chart is made of.

#include <QImage>
#include <QLineF>
#include <QRectF>

namespace raster {

// The part of a segment inside a rectangle (Liang-Barsky); false when none is.
bool clip(QLineF& segment, const QRectF& area);

// A solid line `width` pixels wide with flat ends, in image pixels.
void line(QImage& image, const QLineF& segment, int width, QRgb colour);

// A premultiplied sprite blended over the image with its top-left corner at `at`.
void blend(QImage& image, const QImage& sprite, QPoint at);

}  // namespace raster
