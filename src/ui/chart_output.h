#pragma once

// A chart leaving the window: its background, every line and dot of its record, and
// the labels the record lays over it, each at its place with its caption and colour.
// The main window's chart area gives its own record; the command line gives one
// worked out with no window at all.

#include "core/drawing.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace ui {

class PictureBox;

struct Chart {
    const core::Drawing& drawing;
    QSizeF size;  // the inner area, in logical pixels
    quint32 background;
    QString description;  // what a screen reader tells of it
};

// The chart a chart area shows.
Chart chartOf(const PictureBox& picture);
// The inner area of a chart area of that outer size in twips, in logical pixels.
QSizeF chartAreaSize(double widthTwips, double heightTwips);

// In pixels, `scale` device pixels per logical pixel, painted as the screen paints it.
QImage chartImage(const Chart& chart, double scale);
// As vectors, onto a painter whose units are logical pixels, keeping what shows at
// `scale` device pixels per logical pixel.
void paintChart(QPainter& painter, const Chart& chart, double scale);

}  // namespace ui
