#pragma once

// What paints a chart's record onto any QPainter, with Qt Gui alone: the windows' chart
// areas, the exported files and the printer (through ui/), and the pupils' sheets
// (sheets/), which have no widgets, all paint a record the same way.

#include "core/drawing.h"

#include <QColor>
#include <QFont>
#include <QSizeF>

class QPainter;

namespace painting {

// 15 twips to a device-independent pixel, as the windows lay out their controls.
inline constexpr double kTwipsPerPixel = 15.0;

// Packed as red + 256 x green + 65536 x blue.
QColor colour(quint32 packed);

// "MS Sans Serif" at a size in points, or the closest sans-serif face present (Liberation
// Sans on Debian); a size of 0 is the standard dialog font. Sizes are fixed at 96 dpi so
// text keeps its place in a twips layout.
QFont font(double points = 0, bool bold = false);

// Replays a drawing onto a painter (an image, a printer, an SVG or PDF file) whose units
// are logical pixels (1/96 inch, 15 twips), keeping only what shows within `area` at
// `scale` device pixels per logical pixel. Lines keep their width in pixels; dots are
// round.
void replay(const core::Drawing& drawing, QPainter& painter, QSizeF area, double scale);

// The labels the drawing lays over an area of that size in logical pixels, each as wide
// as its caption, where the record puts them.
void paintLabels(QPainter& painter, const core::Drawing& drawing, QSizeF area);

// The background, every line and dot, then the labels: the whole chart as vectors.
void paintChart(QPainter& painter, const core::Drawing& drawing, QSizeF area, quint32 background,
                double scale);

}  // namespace painting
