#include "ui/raster.h"

#include <algorithm>
#include <cmath>

namespace raster {

bool clip(QLineF& segment, const QRectF& area) {
    double t0 = 0, t1 = 1;
    const double dx = segment.dx(), dy = segment.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segment.x1() - area.left(), area.right() - segment.x1(),
                         segment.y1() - area.top(), area.bottom() - segment.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF a = segment.p1(), d(dx, dy);
    segment = QLineF(a + t0 * d, a + t1 * d);
    return true;
}

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

void blend(QImage& image, const QImage& sprite, QPoint at) {
    for (int sy = 0; sy < sprite.height(); ++sy) {
        const int y = at.y() + sy;
        if (y < 0 || y >= image.height()) continue;
        const QRgb* source = reinterpret_cast<const QRgb*>(sprite.constScanLine(sy));
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int sx = 0; sx < sprite.width(); ++sx) {
            const int x = at.x() + sx;
            if (x < 0 || x >= image.width()) continue;
            const QRgb s = source[sx];
            const int alpha = qAlpha(s);
            if (alpha == 0) continue;
            if (alpha == 255) {
                target[x] = s;
                continue;
            }
            const QRgb d = target[x];
            const auto mix = [alpha](int src, int dst) { return src + dst * (255 - alpha) / 255; };
            target[x] =
                qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
        }
    }
}

}  // namespace raster
