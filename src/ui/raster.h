#pragma once

// Turns a drawing into pixels. The kept image is brought up to date with what was
// added since the last time, so a covered window comes back without redrawing and a
// chart of ten thousand items is painted once. Lines and dots are written straight
// into the image: far cheaper than the toolkit's general path rasteriser for the
// thousands of short, wide, solid lines a chart is made of.

#include "core/drawing.h"
#include "painting/chart_painter.h"

#include <QHash>
#include <QImage>

class QPainter;

namespace ui {

class Rasteriser {
public:
    // Paints what the drawing gained since the last call into an image of `size`
    // logical pixels at `ratio` device pixels each; a new size or ratio starts over.
    void paint(const core::Drawing& drawing, QSize size, qreal ratio, quint32 background);
    // The drawing was cleared: the image shows the background again.
    void restart();
    const QImage& image() const { return image_; }

private:
    const QImage& dotSprite(quint32 colour, int width);

    QImage image_;
    quint32 background_ = 0;
    size_t painted_ = 0;
    QHash<quint64, QImage> dots_;
    // The sprite of the last dot: a million points of one colour look it up once.
    quint64 lastDot_ = ~0ull;
    QImage lastSprite_;
};

// Replays a drawing onto any painter as vectors.
using painting::replay;

namespace raster {
// A solid line `width` pixels wide with flat ends, in image pixels.
void line(QImage& image, const QLineF& segment, int width, QRgb colour);
// A premultiplied sprite blended over the image with its top-left corner at `at`.
void blend(QImage& image, const QImage& sprite, QPoint at);
}  // namespace raster

}  // namespace ui
