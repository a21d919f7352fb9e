#include "core/pairs/chart_layout.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

constexpr quint8 kTaken = 1;

}  // namespace

QSizeF captionSize(const QString& text, double points) {
    const double em = 20 * points;
    return {0.6 * em * double(text.size()) + 30, 1.3 * em};
}

Occupancy::Occupancy(const QRectF& area) : area_(area) {
    columns_ = std::max(1, int(std::ceil(area.width() / kCell)));
    rows_ = std::max(1, int(std::ceil(area.height() / kCell)));
    taken_.assign(size_t(columns_) * size_t(rows_), 0);
    points_.assign(taken_.size(), 0);
}

void Occupancy::markSegment(QPointF a, QPointF b) {
    QLineF segment(a, b);
    if (!clip(segment, area_)) return;
    const double length = segment.length();
    const int steps = std::max(1, int(std::ceil(length / (kCell / 2))));
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = segment.pointAt(double(i) / steps);
        taken_[size_t(row(p.y())) * size_t(columns_) + size_t(column(p.x()))] |= kTaken;
    }
}

void Occupancy::markBox(const QRectF& box) {
    if (!box.intersects(area_)) return;
    for (int r = row(box.top()); r <= row(box.bottom()); ++r)
        for (int c = column(box.left()); c <= column(box.right()); ++c)
            taken_[size_t(r) * size_t(columns_) + size_t(c)] |= kTaken;
}

void Occupancy::addPoints(const Occupancy& other) {
    if (other.area_ != area_) return;
    for (size_t i = 0; i < points_.size(); ++i) points_[i] += other.points_[i];
}

bool Occupancy::isFree(const QRectF& box) const {
    if (!box.intersects(area_)) return true;
    for (int r = row(box.top()); r <= row(box.bottom()); ++r)
        for (int c = column(box.left()); c <= column(box.right()); ++c)
            if (taken_[size_t(r) * size_t(columns_) + size_t(c)]) return false;
    return true;
}

qint64 Occupancy::pointsIn(const QRectF& box) const {
    if (!box.intersects(area_)) return 0;
    qint64 n = 0;
    for (int r = row(box.top()); r <= row(box.bottom()); ++r)
        for (int c = column(box.left()); c <= column(box.right()); ++c)
            n += points_[size_t(r) * size_t(columns_) + size_t(c)];
    return n;
}

Pen::Pen(Drawing& drawing, const QRectF& area, int array)
    : drawing_(drawing), area_(area), array_(array), occupancy_(area) {}

void Pen::line(QPointF a, QPointF b, quint32 colour, int width) {
    drawing_.line(a.x(), a.y(), b.x(), b.y(), colour, width);
    occupancy_.markSegment(a, b);
}

void Pen::clippedLine(QPointF a, QPointF b, quint32 colour, int width) {
    // Far-off ends are brought in first: the record keeps single precision.
    const double reach = 100 * std::max(area_.width(), area_.height());
    const auto near = [&](QPointF p) {
        return QPointF(std::clamp(p.x(), area_.left() - reach, area_.right() + reach),
                       std::clamp(p.y(), area_.top() - reach, area_.bottom() + reach));
    };
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y()))
        return;
    QLineF segment(near(a), near(b));
    if (clip(segment, area_)) line(segment.p1(), segment.p2(), colour, width);
}

void Pen::dashes(QPointF a, QPointF b, quint32 colour) {
    constexpr double kDash = 80;
    const double length = QLineF(a, b).length();
    if (length <= 0) return;
    const QPointF step = (b - a) / length;
    for (double t = 0; t < length; t += 2 * kDash)
        line(a + step * t, a + step * std::min(length, t + kDash), colour);
}

void Pen::dot(QPointF p, quint32 colour, int width) {
    // Whatever is drawn stands within the axes; a handle dragged far off is not drawn.
    if (!area_.adjusted(-1, -1, 1, 1).contains(p)) return;
    drawing_.dot(p.x(), p.y(), colour, width);
    occupancy_.addPoint(p);
}

void Pen::notePoint(QPointF p) {
    occupancy_.addPoint(p);
}

void Pen::cross(QPointF p, quint32 colour, double half) {
    line(p - QPointF(half, half), p + QPointF(half, half), colour, 2);
    line(p - QPointF(half, -half), p + QPointF(half, -half), colour, 2);
}

namespace {

QRectF boxAt(const QString& text, QPointF at, Qt::Alignment anchor) {
    const QSizeF size = captionSize(text);
    QPointF corner = at;
    if (anchor & Qt::AlignHCenter) corner.rx() -= size.width() / 2;
    if (anchor & Qt::AlignRight) corner.rx() -= size.width();
    if (anchor & Qt::AlignVCenter) corner.ry() -= size.height() / 2;
    if (anchor & Qt::AlignBottom) corner.ry() -= size.height();
    return {corner, size};
}

}  // namespace

void Pen::caption(const QString& text, QPointF at, Qt::Alignment anchor, bool bold) {
    drawing_.label({.array = array_,
                    .index = next_++,
                    .text = text,
                    .left = at.x(),
                    .top = at.y(),
                    .points = kCaptionPoints,
                    .bold = bold,
                    .background = false,
                    .anchor = anchor});
    occupancy_.markBox(boxAt(text, at, anchor));
}

void Pen::captionBeside(const QString& text, QPointF at) {
    struct Place {
        QPointF offset;
        Qt::Alignment anchor;
    };
    const Place around[] = {
        {{1, -1}, Qt::AlignLeft | Qt::AlignBottom},    {{-1, -1}, Qt::AlignRight | Qt::AlignBottom},
        {{1, 1}, Qt::AlignLeft | Qt::AlignTop},        {{-1, 1}, Qt::AlignRight | Qt::AlignTop},
        {{1, 0}, Qt::AlignLeft | Qt::AlignVCenter},    {{-1, 0}, Qt::AlignRight | Qt::AlignVCenter},
        {{0, -1}, Qt::AlignHCenter | Qt::AlignBottom}, {{0, 1}, Qt::AlignHCenter | Qt::AlignTop},
    };
    std::optional<std::pair<QPointF, Qt::Alignment>> best;
    qint64 fewest = 0;
    for (const double distance : {90.0, 250.0, 500.0, 900.0, 1500.0}) {
        for (const Place& p : around) {
            const QPointF spot = at + p.offset * distance;
            const QRectF box = boxAt(text, spot, p.anchor);
            if (!area_.contains(box) || !occupancy_.isFree(box)) continue;
            const qint64 covered = occupancy_.pointsIn(box);
            if (!best || covered < fewest) {
                best = {{spot, p.anchor}};
                fewest = covered;
            }
        }
        if (best) break;  // the nearest ring with room keeps the caption by its mark
    }
    if (!best) best = {{at + QPointF(90, -90), Qt::AlignLeft | Qt::AlignBottom}};
    caption(text, best->first, best->second);
}

Axis axisAround(double minimum, double maximum, int wanted) {
    const double margin = maximum / 20 - minimum / 20;  // no overflow at ±1e308
    // The room never takes the axis across 0: positive data start at 0 at the lowest, as
    // a class draws them. A fit going further is cut at the area's edge.
    const double low = minimum >= 0 ? std::max(0.0, minimum - margin) : minimum - margin;
    const double high = maximum <= 0 ? std::min(0.0, maximum + margin) : maximum + margin;
    return graduatedAxis(low, high, wanted);
}

namespace {

QString graduation(long double g, long double step) {
    // Rounded to the step's own decimals, so 0,1 × 3 reads 0,3.
    const double scale = std::pow(10.0, std::max(0.0, std::ceil(-std::log10(double(step)))) + 1);
    const double v = double(g);
    const double r = std::abs(v) < 1e15 ? std::round(v * scale) / scale : v;
    return textOfNumber(r == 0 ? 0.0 : r);
}

long double stepOf(const Axis& axis) {
    return axis.graduations.size() > 1 ? axis.graduations[1] - axis.graduations[0]
                                       : axis.end - axis.start;
}

}  // namespace

Frame frameFor(const Axis& x, const Axis& y, const Surface& surface, int legendRows) {
    double widest = 0;
    for (long double g : y.graduations)
        widest = std::max(widest, captionSize(graduation(g, stepOf(y))).width());
    Frame f;
    f.frame.x = x;
    f.frame.y = y;
    f.legendTop = 420;
    const double top = f.legendTop + legendRows * kLegendRow + 480;
    const double left = std::max(700.0, 150 + widest + 90);
    f.frame.zone = QRectF(QPointF(left, top), QPointF(surface.width - 450, surface.height - 700));
    return f;
}

void drawAxes(Pen& pen, const Frame& frame, const QString& title, const QString& titleX,
              const QString& titleY) {
    const CoordinateFrame& r = frame.frame;
    const QRectF& z = r.zone;
    pen.caption(title, {z.center().x(), 100}, Qt::AlignHCenter | Qt::AlignTop, true);
    pen.line(z.bottomLeft(), z.bottomRight(), kBlack);
    pen.line(z.bottomLeft(), z.topLeft(), kBlack);
    // One graduation's caption in `every`, so that neighbours keep a gap between them.
    const auto every = [](const Axis& axis, double length, bool across) {
        if (axis.graduations.size() < 2) return std::size_t(1);
        double largest = 0;
        for (long double g : axis.graduations) {
            const QSizeF s = captionSize(graduation(g, stepOf(axis)));
            largest = std::max(largest, across ? s.width() : s.height());
        }
        const double spacing = length / double(axis.graduations.size() - 1);
        return std::size_t(std::max(1.0, std::ceil((largest + 60) / spacing)));
    };
    const std::size_t everyX = every(r.x, z.width(), true);
    // The x captions start below the lowest y caption, centred on the axis.
    for (std::size_t i = 0; i < r.x.graduations.size(); ++i) {
        const long double g = r.x.graduations[i];
        const QPointF p = r.point(double(g), double(r.y.start));
        pen.line(p, p + QPointF(0, 60), kBlack);
        if (i % everyX == 0)
            pen.caption(graduation(g, stepOf(r.x)), p + QPointF(0, 130),
                        Qt::AlignHCenter | Qt::AlignTop);
    }
    pen.caption(titleX, {z.right(), z.bottom() + 360}, Qt::AlignRight | Qt::AlignTop);
    const std::size_t everyY = every(r.y, z.height(), false);
    for (std::size_t i = 0; i < r.y.graduations.size(); ++i) {
        const long double g = r.y.graduations[i];
        const QPointF p(z.left(), r.point(double(r.x.start), double(g)).y());
        pen.line(p, p - QPointF(60, 0), kBlack);
        if (i % everyY == 0)
            pen.caption(graduation(g, stepOf(r.y)), p - QPointF(90, 0),
                        Qt::AlignRight | Qt::AlignVCenter);
    }
    pen.caption(titleY, {std::max(60.0, z.left() - 600), z.top() - 440},
                Qt::AlignLeft | Qt::AlignTop);
}

void legendRow(Pen& pen, const Frame& frame, int row, quint32 colour, const QString& text) {
    const double y = frame.legendTop + row * kLegendRow + kLegendRow / 2;
    const double x = frame.frame.zone.left();
    pen.line({x, y}, {x + 350, y}, colour, 3);
    pen.caption(text, {x + 450, y}, Qt::AlignLeft | Qt::AlignVCenter);
}

void append(Drawing& to, const Drawing& from) {
    using Kind = Drawing::Operation::Kind;
    for (const Drawing::Operation& op : from.operations()) {
        if (op.kind == Kind::Dot)
            to.dot(op.x1, op.y1, op.colour, op.width);
        else
            to.line(op.x1, op.y1, op.x2, op.y2, op.colour, op.width);
    }
    for (const Drawing::Label& label : from.labels()) to.label(label);
}

}  // namespace core::pairs
