#pragma once

// What the charts of two variables share: graduated axes framing an area sized to
// their captions, the pen that records lines, dots and captions into a core::Drawing,
// and a map of what is already drawn, so that a caption laid inside the area is put
// where it covers no other caption and no line.

#include "core/drawing.h"
#include "core/series_charts.h"
#include "core/table_charts.h"

#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace core::pairs {

// Colours as the charts record them: red + 256 × green + 65536 × blue.
constexpr quint32 rgb(int r, int g, int b) {
    return quint32(r) + 256u * quint32(g) + 65536u * quint32(b);
}
inline constexpr quint32 kBlack = 0;
inline constexpr quint32 kGrey = rgb(128, 128, 128);
inline constexpr double kCaptionPoints = 8.25;

// The size a caption takes, in twips, generously: the record has no fonts, so the
// estimate errs on the large side (0.6 em a character, 1.3 em a line).
QSizeF captionSize(const QString& text, double points = kCaptionPoints);

// Which cells of the chart are taken by a line or a caption, and how many points
// each holds, on a grid of a few pixels.
class Occupancy {
public:
    explicit Occupancy(const QRectF& area = {});
    void markSegment(QPointF a, QPointF b);
    void markBox(const QRectF& box);
    // Inline: a scatter adds each of a million points.
    void addPoint(QPointF p) {
        if (inside_(p)) ++points_[size_t(row(p.y())) * size_t(columns_) + size_t(column(p.x()))];
    }
    // The points another occupancy of the same area holds, added to these.
    void addPoints(const Occupancy& other);
    bool isFree(const QRectF& box) const;  // no line nor caption in it
    qint64 pointsIn(const QRectF& box) const;

private:
    static constexpr double kCell = 45;  // twips, three pixels
    int column(double x) const {
        return std::clamp(int(std::floor((x - area_.left()) / kCell)), 0, columns_ - 1);
    }
    int row(double y) const {
        return std::clamp(int(std::floor((y - area_.top()) / kCell)), 0, rows_ - 1);
    }
    QRectF area_;
    Inside inside_{area_};
    int columns_ = 0, rows_ = 0;
    std::vector<quint8> taken_;
    std::vector<qint32> points_;
};

// Records into a drawing, each caption in its own slot of `array`, and keeps the
// occupancy of what it drew.
class Pen {
public:
    Pen(Drawing& drawing, const QRectF& area, int array);
    void line(QPointF a, QPointF b, quint32 colour, int width = 1);
    // The part of a segment inside the area, if any.
    void clippedLine(QPointF a, QPointF b, quint32 colour, int width = 1);
    void dashes(QPointF a, QPointF b, quint32 colour);
    void dot(QPointF p, quint32 colour, int width);
    // A point drawn elsewhere (on a record painted once) that captions should avoid.
    void notePoint(QPointF p);
    void cross(QPointF p, quint32 colour, double half = 70);
    // A caption at a fixed place; its box is taken.
    void caption(const QString& text, QPointF at, Qt::Alignment anchor, bool bold = false);
    // A caption beside `at`, at the first place around it that leaves every line and
    // caption clear and stays inside the area, the one covering fewest points first.
    void captionBeside(const QString& text, QPointF at);
    Occupancy& occupancy() { return occupancy_; }

private:
    Drawing& drawing_;
    QRectF area_;
    int array_;
    int next_ = 0;
    Occupancy occupancy_;
};

// Axes framing the area left once the captions around it have their room: the title
// on top, `legendRows` rows of legend under it, the y title, then the area; the x
// graduations and title below.
struct Frame {
    CoordinateFrame frame;
    double legendTop = 0;  // where the first legend row stands
};
Frame frameFor(const Axis& x, const Axis& y, const Surface& surface, int legendRows);
// Draws the axes, their graduations (one in two, or fewer, where their captions would
// touch), the title and the axes' titles.
void drawAxes(Pen& pen, const Frame& frame, const QString& title, const QString& titleX,
              const QString& titleY);
// An axis around the values with a little room on each side, which never crosses 0 when
// the values do not.
Axis axisAround(double minimum, double maximum, int wanted);
// A legend row: a stroke of the colour, then the text.
void legendRow(Pen& pen, const Frame& frame, int row, quint32 colour, const QString& text);
inline constexpr double kLegendRow = 240;

// Copies the operations and captions of `from` after those of `to`.
void append(Drawing& to, const Drawing& from);

}  // namespace core::pairs
