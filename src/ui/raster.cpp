#include "ui/raster.h"

#include "ui/look.h"
#include "ui/twips.h"

#include "core/large_vectors.h"

#include <QPainter>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

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

Stamp stampOf(const QImage& sprite) {
    const QImage image = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    Stamp stamp;
    if (right < 0) return stamp;
    stamp.offset = QPoint(left, top);
    stamp.width = right - left + 1;
    stamp.height = bottom - top + 1;
    stamp.pixels.reserve(size_t(stamp.width) * size_t(stamp.height));
    for (int y = top; y <= bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        // Where nothing shows, nothing is added either.
        for (int x = left; x <= right; ++x) stamp.pixels.push_back(qAlpha(row[x]) ? row[x] : 0);
    }
    return stamp;
}

namespace {

// Inlined into the blend of a whole stamp: a dot of two pixels is two rows of two.
[[gnu::always_inline]] inline void blendPixels(QRgb* target, const QRgb* source, int count) {
    int x = 0;
#if defined(__SSE2__)
    // Four pixels at a time, each byte widened to 16 bits: d × (255 − a) stays within
    // 65025, and (p + 1 + p / 256) / 256 is p / 255 rounded down over that whole range.
    const __m128i zero = _mm_setzero_si128(), one = _mm_set1_epi16(1);
    const __m128i full = _mm_set1_epi32(255);
    const auto blendFour = [&](__m128i s, __m128i d) {
        __m128i keep = _mm_sub_epi32(full, _mm_srli_epi32(s, 24));
        keep = _mm_or_si128(keep, _mm_slli_epi32(keep, 16));
        const auto part = [&](__m128i bytes, __m128i k) {
            const __m128i p = _mm_mullo_epi16(bytes, k);
            return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(p, one), _mm_srli_epi16(p, 8)), 8);
        };
        const __m128i low = part(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi32(keep, keep));
        const __m128i high = part(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi32(keep, keep));
        // No carry: a premultiplied byte is at most its alpha.
        return _mm_add_epi8(_mm_packus_epi16(low, high), s);
    };
    for (; x + 4 <= count; x += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), blendFour(s, d));
    }
    if (x + 2 <= count) {
        const __m128i s = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + x));
        const __m128i d = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(target + x));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(target + x), blendFour(s, d));
        x += 2;
    }
#endif
    for (; x < count; ++x) {
        const QRgb s = source[x], d = target[x];
        const quint32 keep = 255 - qAlpha(s);
        QRgb mixed = 0;
        for (int shift = 0; shift < 32; shift += 8)
            mixed |= (((s >> shift) & 0xFF) + ((d >> shift) & 0xFF) * keep / 255) << shift;
        target[x] = mixed;
    }
}

// The image's pixels, looked up once for a million dots.
struct Target {
    QRgb* bits;
    qsizetype stride;  // in pixels
    int width, height;
};

Target targetOf(QImage& image) {
    return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
            image.width(), image.height()};
}

// Only the image's rows from `fromRow` to before `toRow` are touched.
void blendOn(const Target& image, const Stamp& stamp, QPoint at, int fromRow, int toRow) {
    at += stamp.offset;
    // Only the stamp's part over the image.
    const int left = std::max(0, -at.x()), right = std::min(stamp.width, image.width - at.x());
    const int top = std::max(fromRow - at.y(), 0);
    const int bottom = std::min(stamp.height, toRow - at.y());
    if (left >= right || top >= bottom) return;
    const QRgb* source = stamp.pixels.data() + qsizetype(top) * stamp.width + left;
    QRgb* target = image.bits + (at.y() + top) * image.stride + at.x() + left;
    for (int y = top; y < bottom; ++y, source += stamp.width, target += image.stride)
        blendPixels(target, source, right - left);
}

void blendOn(const Target& image, const Stamp& stamp, QPoint at) {
    blendOn(image, stamp, at, 0, image.height);
}

// A scatter's million dots: each pixel is blended by the dots over it in their order,
// whichever band of rows it is in, so the two halves of the image are painted at once
// and give the same pixels as one pass.
constexpr std::size_t kDotsWorthAThread = 20000;

void blendAllOn(const Target& image, const Stamp& stamp, const std::vector<QPoint>& places) {
    const auto band = [&](int fromRow, int toRow) {
        for (const QPoint at : places) blendOn(image, stamp, at, fromRow, toRow);
    };
    if (places.size() >= kDotsWorthAThread && image.height > 1 &&
        std::thread::hardware_concurrency() > 1) {
        const int middle = image.height / 2;
        try {
            std::thread upper(band, 0, middle);
            band(middle, image.height);
            upper.join();
            return;
        } catch (const std::system_error&) {  // no thread to be had: all on this one
        }
    }
    band(0, image.height);
}

}  // namespace

void blendRow(QRgb* target, const QRgb* source, int count) {
    blendPixels(target, source, count);
}

void blend(QImage& image, const Stamp& stamp, QPoint at) {
    blendOn(targetOf(image), stamp, at);
}

void blendAll(QImage& image, const Stamp& stamp, const std::vector<QPoint>& places) {
    blendAllOn(targetOf(image), stamp, places);
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
    // Detached here if shared, so the pixels stay where they are until the end.
    const raster::Target target = raster::targetOf(image_);
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
    // The last dot's sprite, asked for again only when the colour or width changes, and
    // where the dots since then go, blended together before anything else is drawn.
    const Sprite* sprite = nullptr;
    quint64 spriteKey = ~0ull;
    std::vector<QPoint> dots;
    // Room for every operation as a dot at once: a scatter's million would otherwise be
    // copied by each doubling. Pages never written cost nothing.
    core::reserveLarge(
        dots, drawing.operations().size() - std::min(painted_, drawing.operations().size()));
    const auto blendDots = [&] {
        if (dots.empty()) return;
        raster::blendAllOn(target, sprite->stamp, dots);
        dots.clear();
    };
    core::forEachShown(
        drawing.operations(), painted_, view,
        [&](const QLineF& segment, int width, quint32 packed) {
            blendDots();
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
            const quint64 key = (quint64(packed) << 16) | quint64(width);
            if (key != spriteKey) {
                blendDots();
                sprite = &dotSprite(packed, width), spriteKey = key;
            }
            if (pending.any && !(sprite->keepsOwnColour && pending.colour == sprite->colour)) {
                blendDots();
                flush();
            }
            dots.push_back(at.toPoint() - sprite->centre);
        });
    blendDots();
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
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour(colourValue));
        p.drawEllipse(QRectF(1, 1, width, width));
    }
    const QRgb own = colour(colourValue).rgb();
    Sprite sprite{raster::stampOf(image), QPoint(side / 2, side / 2), own, true};
    QImage over(side, side, QImage::Format_RGB32);
    over.fill(own);
    raster::blend(over, sprite.stamp, QPoint(0, 0));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) sprite.keepsOwnColour &= over.pixel(x, y) == own;
    return *(last_ = &*dots_.insert(key, sprite));
}

}  // namespace ui
