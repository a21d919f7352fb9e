#include "ui/raster.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui::raster {

std::optional<Span> spanOf(const QImage& image, const QLineF& segment, int width) {
    const int w = image.width(), h = image.height();
    Span span;
    span.steep = std::abs(segment.dy()) >= std::abs(segment.dx());
    // Walk the major axis one pixel at a time; at each step fill `width` pixels across.
    double major1 = span.steep ? segment.y1() : segment.x1();
    double major2 = span.steep ? segment.y2() : segment.x2();
    double minor1 = span.steep ? segment.x1() : segment.y1();
    double minor2 = span.steep ? segment.x2() : segment.y2();
    if (major1 > major2) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    span.slope = major2 > major1 ? (minor2 - minor1) / (major2 - major1) : 0;
    long first = std::lround(std::floor(major1 + 0.5));
    long last = std::lround(std::floor(major2 - 0.5));
    if (last < first) first = last = std::lround(std::floor((major1 + major2) / 2));
    const long limitMajor = span.steep ? h : w;
    span.first = std::max(first, 0L);
    span.last = std::min(last, limitMajor - 1);
    if (span.first > span.last) return std::nullopt;
    span.minor = minor1 + (span.first + 0.5 - major1) * span.slope - width / 2.0 + 0.5;
    span.width = width;
    return span;
}

void fill(QImage& image, const Span& span, QRgb colour) {
    const long limitMinor = span.steep ? image.width() : image.height();
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const long stride = image.bytesPerLine() / long(sizeof(QRgb));
    // Along the major axis a step is a row (steep) or a column; across it, the other.
    const long majorStep = span.steep ? stride : 1, minorStep = span.steep ? 1 : stride;
    double minor = span.minor;
    for (long m = span.first; m <= span.last; ++m, minor += span.slope) {
        // Rounded to the nearest pixel: a truncation is a floor for the non-negative case.
        const long from = minor >= 0 ? long(minor) : long(std::floor(minor));
        const long start = std::max(from, 0L), end = std::min(from + span.width, limitMinor);
        QRgb* p = pixels + m * majorStep + start * minorStep;
        for (long n = start; n < end; ++n, p += minorStep) *p = colour;
    }
}

void line(QImage& image, const QLineF& segment, int width, QRgb colour) {
    if (const auto span = spanOf(image, segment, width)) fill(image, *span, colour);
}

void blend(QImage& image, const QImage& sprite, QPoint at) {
    // Only the sprite's part over the image.
    const int left = std::max(0, -at.x()), right = std::min(sprite.width(), image.width() - at.x());
    const int top = std::max(0, -at.y()),
              bottom = std::min(sprite.height(), image.height() - at.y());
    if (left >= right || top >= bottom) return;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int sy = top; sy < bottom; ++sy) {
        const QRgb* source = reinterpret_cast<const QRgb*>(sprite.constScanLine(sy));
        QRgb* target = reinterpret_cast<QRgb*>(bits + (at.y() + sy) * stride) + at.x();
        for (int sx = left; sx < right; ++sx) {
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
        last_ = nullptr;
        lastKey_ = ~0ull;
    }
    const double margin = 64 * ratio;
    const core::View view{.pixelsPerTwip = ratio / kTwipsPerPixel,
                          .widthScale = ratio,
                          .area = QRectF(-margin, -margin, pixels.width() + 2 * margin,
                                         pixels.height() + 2 * margin)};
    // Straight lines of one colour on the same pixels across (the sticks of a long
    // series all stand on x = 100) are gathered into one before being filled: the
    // pixels they cover end up in their colour whatever the order. A dot of the same
    // colour that leaves it as it is may come between them.
    struct Pending {
        raster::Span span;
        QRgb colour = 0;
        long from = 0;
        bool any = false;
    } pending;
    const auto flush = [&] {
        if (pending.any) raster::fill(image_, pending.span, pending.colour);
        pending.any = false;
    };
    core::forEachShown(
        drawing.operations(), painted_, view,
        [&](const QLineF& segment, int width, quint32 packed) {
            const QRgb rgb = colour(packed).rgb();
            const auto span = raster::spanOf(image_, segment, width);
            if (!span) return;
            if (span->slope != 0) {
                flush();
                raster::fill(image_, *span, rgb);
                return;
            }
            const long from = span->minor >= 0 ? long(span->minor) : long(std::floor(span->minor));
            if (pending.any && pending.colour == rgb && pending.span.steep == span->steep &&
                pending.span.width == width && pending.from == from &&
                span->first <= pending.span.last + 1 && span->last + 1 >= pending.span.first) {
                pending.span.first = std::min(pending.span.first, span->first);
                pending.span.last = std::max(pending.span.last, span->last);
                // The first pixel across is the same on every step of either line.
                pending.span.minor = span->minor;
                return;
            }
            flush();
            pending = {*span, rgb, from, true};
        },
        [&](QPointF at, int width, quint32 packed) {
            const Sprite& sprite = dotSprite(packed, width);
            if (!(sprite.keepsOwnColour && pending.colour == colour(packed).rgb())) flush();
            raster::blend(
                image_, sprite.image,
                at.toPoint() - QPoint(sprite.image.width() / 2, sprite.image.height() / 2));
        });
    flush();
    painted_ = drawing.operations().size();
}

void Rasteriser::restart() {
    painted_ = 0;
    if (!image_.isNull()) image_.fill(colour(background_));
}

// A round dot of a colour and width in device pixels, antialiased once.
const Rasteriser::Sprite& Rasteriser::dotSprite(quint32 colourValue, int width) {
    const quint64 key = (quint64(colourValue) << 16) | quint64(width);
    if (last_ && key == lastKey_) return *last_;
    lastKey_ = key;
    if (auto found = dots_.find(key); found != dots_.end()) return *(last_ = &*found);
    const int side = width + 2;
    Sprite sprite{QImage(side, side, QImage::Format_ARGB32_Premultiplied), false};
    sprite.image.fill(Qt::transparent);
    {
        QPainter p(&sprite.image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour(colourValue));
        p.drawEllipse(QRectF(1, 1, width, width));
    }
    QImage over(side, side, QImage::Format_RGB32);
    const QRgb own = colour(colourValue).rgb();
    over.fill(own);
    raster::blend(over, sprite.image, QPoint(0, 0));
    sprite.keepsOwnColour = true;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) sprite.keepsOwnColour &= over.pixel(x, y) == own;
    return *(last_ = &*dots_.insert(key, sprite));
}

}  // namespace ui
