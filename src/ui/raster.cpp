#include "ui/raster.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ui::raster {

void line(QImage& image, const QLineF& segment, int width, QRgb colour) {
    const int w = image.width(), h = image.height();
    const bool steep = std::abs(segment.dy()) >= std::abs(segment.dx());
    // Walk the major axis one pixel at a time; at each step fill `width` pixels across.
    double major1 = steep ? segment.y1() : segment.x1();
    double major2 = steep ? segment.y2() : segment.x2();
    double minor1 = steep ? segment.x1() : segment.y1();
    double minor2 = steep ? segment.x2() : segment.y2();
    if (major1 > major2) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    const double slope = major2 > major1 ? (minor2 - minor1) / (major2 - major1) : 0;
    long first = std::lround(std::floor(major1 + 0.5));
    long last = std::lround(std::floor(major2 - 0.5));
    if (last < first) first = last = std::lround(std::floor((major1 + major2) / 2));
    const long limitMajor = steep ? h : w, limitMinor = steep ? w : h;
    first = std::max(first, 0L);
    last = std::min(last, limitMajor - 1);
    if (first > last) return;
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const long stride = image.bytesPerLine() / long(sizeof(QRgb));
    // Along the major axis a step is a row (steep) or a column; across it, the other.
    const long majorStep = steep ? stride : 1, minorStep = steep ? 1 : stride;
    double minor = minor1 + (first + 0.5 - major1) * slope - width / 2.0 + 0.5;
    for (long m = first; m <= last; ++m, minor += slope) {
        // Rounded to the nearest pixel: a truncation is a floor for the non-negative case.
        const long from = minor >= 0 ? long(minor) : long(std::floor(minor));
        const long start = std::max(from, 0L), end = std::min(from + width, limitMinor);
        QRgb* p = pixels + m * majorStep + start * minorStep;
        for (long n = start; n < end; ++n, p += minorStep) *p = colour;
    }
}

namespace {

// An image's pixels as the inner loops walk them, looked up once rather than at each dot.
template <class Pixel>
struct Pixels {
    Pixel* bits;
    qsizetype stride;  // pixels from one row to the next
    int width, height;
};

Pixels<QRgb> pixelsOf(QImage& image) {
    return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
            image.width(), image.height()};
}

Pixels<const QRgb> pixelsOf(const QImage& image) {
    return {reinterpret_cast<const QRgb*>(image.constBits()),
            image.bytesPerLine() / qsizetype(sizeof(QRgb)), image.width(), image.height()};
}

// The rows and columns of the sprite that land on the image, found once per sprite.
void blendPixels(const Pixels<QRgb>& image, const Pixels<const QRgb>& sprite, QPoint at) {
    const int fromY = std::max(0, -at.y()), toY = std::min(sprite.height, image.height - at.y());
    const int fromX = std::max(0, -at.x()), toX = std::min(sprite.width, image.width - at.x());
    for (int sy = fromY; sy < toY; ++sy) {
        const QRgb* source = sprite.bits + sy * sprite.stride;
        QRgb* target = image.bits + (at.y() + sy) * image.stride + at.x();
        for (int sx = fromX; sx < toX; ++sx) {
            const QRgb s = source[sx];
            const int alpha = qAlpha(s);
            if (alpha == 0) continue;
            if (alpha == 255) {
                target[sx] = s;
                continue;
            }
            const QRgb d = target[sx];
            const auto mix = [alpha](int src, int dst) { return src + dst * (255 - alpha) / 255; };
            target[sx] =
                qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
        }
    }
}

}  // namespace

void blend(QImage& image, const QImage& sprite, QPoint at) {
    blendPixels(pixelsOf(image), pixelsOf(sprite), at);
}

}  // namespace ui::raster

namespace ui {

void Rasteriser::paint(const core::Drawing& drawing, QSize size, qreal ratio, quint32 background) {
    const QSize pixels = size * ratio;
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio ||
        background != background_) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        background_ = background;
        image_.fill(colour(background));
        painted_ = 0;
        dots_.clear();
        lastDot_ = ~0ull;
    }
    const double margin = 64 * ratio;
    const core::View view{.pixelsPerTwip = ratio / kTwipsPerPixel,
                          .widthScale = ratio,
                          .area = QRectF(-margin, -margin, pixels.width() + 2 * margin,
                                         pixels.height() + 2 * margin)};
    core::forEachShown(
        drawing.operations(), painted_, view,
        [this](const QLineF& segment, int width, quint32 packed) {
            raster::line(image_, segment, width, colour(packed).rgb());
        },
        [this, target = raster::pixelsOf(image_), key = ~0ull, sprite = raster::pixelsOf(QImage())](
            QPointF at, int width, quint32 packed) mutable {
            // A run of dots of one look blends one sprite, found at its first dot.
            if (const quint64 look = (quint64(packed) << 16) | quint64(width); look != key) {
                key = look;
                sprite = raster::pixelsOf(std::as_const(dotSprite(packed, width)));
            }
            raster::blendPixels(target, sprite,
                                at.toPoint() - QPoint(sprite.width / 2, sprite.height / 2));
        });
    painted_ = drawing.operations().size();
}

void Rasteriser::restart() {
    painted_ = 0;
    if (!image_.isNull()) image_.fill(colour(background_));
}

// A round dot of a colour and width in device pixels, antialiased once.
const QImage& Rasteriser::dotSprite(quint32 colourValue, int width) {
    const quint64 key = (quint64(colourValue) << 16) | quint64(width);
    if (key == lastDot_) return lastSprite_;
    lastDot_ = key;
    auto found = dots_.find(key);
    if (found != dots_.end()) return lastSprite_ = *found;
    const int side = width + 2;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour(colourValue));
        p.drawEllipse(QRectF(1, 1, width, width));
    }
    return lastSprite_ = *dots_.insert(key, sprite);
}

}  // namespace ui
