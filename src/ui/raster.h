#pragma once

// Turns a drawing into pixels. The kept image is brought up to date with what was
// added since the last time, so a covered window comes back without redrawing and a
// chart of ten thousand items is painted once. Lines and dots are written straight
// into the image: far cheaper than the toolkit's general path rasteriser for the
// thousands of short, wide, solid lines a chart is made of.

#include "core/drawing.h"
#include "ui/painting/chart_painter.h"

#include <QHash>
#include <QImage>

#include <optional>
#include <vector>

class QPainter;

namespace ui {

namespace raster {
// The pixels of a line `width` pixels wide within an image: along its major axis (rows
// when steep) from `first` to `last`, and across from `minor` (rounded down) onwards,
// `slope` further at each step.
struct Span {
    bool steep = false;
    long first = 0, last = 0;
    double minor = 0, slope = 0;
    int width = 0;
};
std::optional<Span> spanOf(const QImage& image, const QLineF& segment, int width);
void fill(QImage& image, const Span& span, QRgb colour);
// A solid line `width` pixels wide with flat ends, in image pixels.
void line(QImage& image, const QLineF& segment, int width, QRgb colour);

// A premultiplied sprite made ready to blend: only the rectangle where it shows (its
// alpha is not 0), its pixels row by row.
struct Stamp {
    QPoint offset;  // of that rectangle within the sprite
    int width = 0, height = 0;
    std::vector<QRgb> pixels;
};
Stamp stampOf(const QImage& sprite);
// Each byte of the image's pixels under the stamp becomes the stamp's byte plus the
// image's times (255 − the stamp's alpha) / 255, rounded down: a pixel where the
// stamp's alpha is 0 stays as it was, one where it is 255 takes the stamp's colour.
// `at` is where the sprite's top-left corner lands.
void blend(QImage& image, const Stamp& stamp, QPoint at);
// The same, over `count` pixels in a row.
void blendRow(QRgb* target, const QRgb* source, int count);
// One stamp blended at each place in turn, as many calls of blend() would.
void blendAll(QImage& image, const Stamp& stamp, const std::vector<QPoint>& places);
}  // namespace raster

class Rasteriser {
public:
    Rasteriser() = default;
    // It keeps a pointer into its own sprites.
    Rasteriser(const Rasteriser&) = delete;
    Rasteriser& operator=(const Rasteriser&) = delete;

    // Paints what the drawing gained since the last call into an image of `size`
    // logical pixels at `ratio` device pixels each; a new size or ratio starts over.
    void paint(const core::Drawing& drawing, QSize size, qreal ratio, quint32 background);
    // The drawing was cleared: the image shows the background again.
    void restart();
    const QImage& image() const { return image_; }

private:
    struct Sprite {
        raster::Stamp stamp;
        QPoint centre;        // from the sprite's top-left corner
        QRgb colour;          // its own, opaque
        bool keepsOwnColour;  // blended over its own colour, leaves it unchanged
    };
    const Sprite& dotSprite(quint32 colour, int width);

    QImage image_;
    quint32 background_ = 0;
    size_t painted_ = 0;
    QHash<quint64, Sprite> dots_;
    // The sprite of the last dot: a million points of one colour look it up once. Only
    // an insertion into dots_ or its clearing moves it, and both set it again.
    quint64 lastKey_ = ~0ull;
    const Sprite* last_ = nullptr;
};

// Replays a drawing onto any painter as vectors.
using painting::replay;

}  // namespace ui
