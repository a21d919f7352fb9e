#pragma once

// What a chart area has drawn since it was last cleared: every line and dot, in twips,
// in the order given, and the captions laid over it. The record is the chart; the
// screen, a file or a printer each replay it at their own resolution, keeping only
// what shows there.

#include "core/large_vectors.h"
#include "core/numbers.h"

#include <QLineF>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace core {

class Drawing {
public:
    struct Operation {
        enum class Kind : quint8 { Line, Dot };
        Kind kind;
        // Drawn over at once by the next operation on the same points, so never shown.
        bool covered;
        quint16 width;  // pixels
        quint32 colour;
        float x1, y1, x2, y2;  // a dot has x2 == x1, y2 == y1
    };

    // A caption shown over the area, one of a fixed set of label slots: a later caption
    // for the same slot takes its place. A position left unset (its step failed)
    // keeps wherever the slot last stood.
    struct Label {
        int array = 0;  // 0: the first series' labels, 1: the second's
        int index = 0;
        QString text;
        std::optional<double> left, top;  // twips, top-left corner
        quint32 back = 0xFFFFFF;
        double points = 9.75;
        bool bold = true;
        bool background = true;  // false: the text alone, over what is drawn
        // Which point of the caption's box stands at (left, top).
        Qt::Alignment anchor = Qt::AlignLeft | Qt::AlignTop;
    };

    void clear() {
        operations_.clear();
        labels_.clear();
    }
    // Coordinates are single precision: one beyond that range makes the step fail.
    void line(double x1, double y1, double x2, double y2, quint32 colour, int width) {
        record({Operation::Kind::Line, false, quint16(width), colour, toSingle(x1), toSingle(y1),
                toSingle(x2), toSingle(y2)});
    }
    // The same line `count` times over, as that many calls of line() would record it.
    void lines(int count, double x1, double y1, double x2, double y2, quint32 colour, int width) {
        if (count <= 0) return;
        line(x1, y1, x2, y2, colour, width);
        if (count == 1) return;
        Operation same = operations_.back();
        operations_.back().covered = true;
        same.covered = true;
        operations_.resize(operations_.size() + size_t(count - 1), same);
        operations_.back().covered = false;
    }
    void dot(double x, double y, quint32 colour, int width) {
        const float fx = toSingle(x), fy = toSingle(y);
        record({Operation::Kind::Dot, false, quint16(width), colour, fx, fy, fx, fy});
    }

    // Room at the end for `count` dots of one colour and width, the index of the first
    // returned: the caller places each (x1 == x2, y1 == y2), from as many threads as it
    // likes, then calls coverRepeats(first). The record is then the one that many dot()
    // calls would make.
    std::size_t appendDots(std::size_t count, quint32 colour, int width) {
        const std::size_t first = operations_.size();
        reserveLarge(operations_, first + count);
        operations_.resize(first + count,
                           {Operation::Kind::Dot, false, quint16(width), colour, 0, 0, 0, 0});
        return first;
    }
    Operation& operationAt(std::size_t i) { return operations_[i]; }
    // The covered marks of [from - 1, end), as record() sets them.
    void coverRepeats(std::size_t from) {
        for (std::size_t i = std::max<std::size_t>(from, 1); i < operations_.size(); ++i)
            operations_[i - 1].covered = sameShape(operations_[i - 1], operations_[i]);
    }

    // Room for that many more operations, made at once rather than by doublings.
    void reserve(std::size_t more) { reserveLarge(operations_, operations_.size() + more); }
    void label(const Label& label) { labels_.push_back(label); }
    void replaceLabels(std::vector<Label> labels) { labels_ = std::move(labels); }

    const std::vector<Operation>& operations() const { return operations_; }
    // In the order given; the last for a slot is the one shown.
    const std::vector<Label>& labels() const { return labels_; }
    // One per slot shown, the first series' slots first, each in index order.
    std::vector<Label> shownLabels() const;
    bool isEmpty() const { return operations_.empty(); }

private:
    static bool sameShape(const Operation& a, const Operation& b) {
        return a.kind == b.kind && a.width == b.width && a.x1 == b.x1 && a.y1 == b.y1 &&
               a.x2 == b.x2 && a.y2 == b.y2;
    }
    void record(const Operation& operation) {
        if (!operations_.empty())
            operations_.back().covered = sameShape(operations_.back(), operation);
        operations_.push_back(operation);
    }
    std::vector<Operation> operations_;
    std::vector<Label> labels_;
};

// The part of a segment inside a rectangle (Liang-Barsky); false when none is.
bool clip(QLineF& segment, const QRectF& area);

// Whether a rectangle holds a point, edges included, as QRectF::contains says: here
// where a million points are asked, without a call into the library for each.
class Inside {
public:
    explicit Inside(const QRectF& area) {
        // Its edges summed as Qt sums them, so a point on one is inside either way.
        left_ = right_ = area.x();
        (area.width() < 0 ? left_ : right_) += area.width();
        top_ = bottom_ = area.y();
        (area.height() < 0 ? top_ : bottom_) += area.height();
        empty_ = left_ == right_ || top_ == bottom_;
    }
    bool operator()(QPointF p) const {
        return !empty_ && !(p.x() < left_ || p.x() > right_ || p.y() < top_ || p.y() > bottom_);
    }

private:
    double left_, right_, top_, bottom_;
    bool empty_;
};

// How a drawing lands on a device: pixels per twip, pixels per pixel of line width,
// and the device's area in its pixels (anything wholly outside it does not show).
struct View {
    double pixelsPerTwip = 1.0 / 15;
    double widthScale = 1;
    QRectF area;
    // Pass over a shape drawn again on the same pixels in the same colour since that
    // colour began: a curve of ten thousand points repeats a hundred segments. Only for
    // vectors: a raster's antialiased dots darken where they are drawn twice.
    bool onceEach = false;

    int width(int pixels) const {
        return std::max(1, int(std::lround(std::min(pixels, 64) * widthScale)));
    }
};

// Walks operations [from, end) and hands on only those that show on the view: a line
// the next line covers on the same pixels is passed over, as is a repeat of the line
// or dot just shown, and lines are clipped to the area. A pie of ten thousand items
// draws hundreds of spokes to each pixel of its rim; a few thousand of them show.
// line(QLineF, width, colour) and dot(QPointF, width, colour) receive device pixels.
template <class Line, class Dot>
void forEachShown(const std::vector<Drawing::Operation>& operations, size_t from, const View& view,
                  Line&& line, Dot&& dot) {
    using Kind = Drawing::Operation::Kind;
    struct Pixels {
        QPoint from, to;
        int width = 0;
        bool operator==(const Pixels&) const = default;
    };
    const double scale = view.pixelsPerTwip;
    // Far-off ends are pinned well outside any device first, so they still compare.
    // Rounded half away from zero as std::lround does, without a call per coordinate:
    // within the pin, the part after the point is exact.
    const auto nearest = [](double v) {
        v = std::clamp(v, -1e6, 1e6);
        int whole = int(v);
        const double rest = v - whole;
        if (rest >= 0.5) ++whole;
        if (rest <= -0.5) --whole;
        return whole;
    };
    const auto pixel = [&](double x, double y) { return QPoint(nearest(x), nearest(y)); };
    const auto pixelsOf = [&](const Drawing::Operation& op) {
        return Pixels{pixel(op.x1 * scale, op.y1 * scale), pixel(op.x2 * scale, op.y2 * scale),
                      view.width(op.width)};
    };
    Pixels lastLine;
    quint32 lastColour = 0;
    QPoint lastDot(INT_MIN, INT_MIN);
    quint64 lastDotLook = ~0ull;
    // The shapes shown since the colour last changed, for onceEach.
    using Shape = std::array<qint64, 3>;
    std::set<Shape> shownInColour;
    quint32 runColour = 0;
    const auto packed = [](QPoint p) { return (qint64(p.x()) << 32) | quint32(p.y()); };
    const auto firstInColour = [&](quint32 colour, const Shape& shape) {
        if (!view.onceEach) return true;
        if (colour != runColour) {
            shownInColour.clear();
            runColour = colour;
        }
        return shownInColour.insert(shape).second;
    };
    // Asked of each of a million points: the area's edges and the last width, once.
    const Inside inArea(view.area);
    int widthFrom = -1, widthTo = 0;
    const auto dotWidth = [&](int pixels) {
        if (pixels != widthFrom) widthFrom = pixels, widthTo = view.width(pixels);
        return widthTo;
    };
    const size_t count = operations.size();
    // The pixels of the operation at `at`, worked out once even though each line is
    // compared with the next.
    size_t knownAt = SIZE_MAX;
    Pixels known;
    const auto pixelsAt = [&](size_t at) {
        if (knownAt != at) {
            known = pixelsOf(operations[at]);
            knownAt = at;
        }
        return known;
    };
    for (size_t i = from; i < count; ++i) {
        const Drawing::Operation& op = operations[i];
        if (op.covered) continue;
        if (op.kind == Kind::Dot) {
            const QPointF at(op.x1 * scale, op.y1 * scale);
            if (!inArea(at)) continue;
            const int width = dotWidth(op.width);
            const quint64 look = (quint64(op.colour) << 16) | quint64(width);
            const QPoint rounded = at.toPoint();
            if (rounded == lastDot && look == lastDotLook) continue;
            if (!firstInColour(op.colour, {packed(rounded), -1, width})) continue;
            dot(at, width, op.colour);
            lastDot = rounded;
            lastDotLook = look;
            lastLine = Pixels{};
            continue;
        }
        const Pixels current = pixelsAt(i);
        if (i + 1 < count && operations[i + 1].kind == Kind::Line) {
            const Pixels following = pixelsOf(operations[i + 1]);
            knownAt = i + 1;
            known = following;
            if (following == current) continue;
        }
        if (current == lastLine && op.colour == lastColour) continue;
        QLineF segment(op.x1 * scale, op.y1 * scale, op.x2 * scale, op.y2 * scale);
        if (!clip(segment, view.area)) continue;
        if (!firstInColour(op.colour, {packed(current.from), packed(current.to), current.width}))
            continue;
        line(segment, current.width, op.colour);
        lastDot = QPoint(INT_MIN, INT_MIN);
        lastLine = current;
        lastColour = op.colour;
    }
}

}  // namespace core
