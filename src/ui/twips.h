#pragma once

// Positions and sizes in twips: 15 twips per device-independent pixel, so layouts
// scale with the screen instead of being drawn small or blown up.

#include "ui/painting/chart_painter.h"

class QWidget;

namespace ui {

using painting::kTwipsPerPixel;

struct Bounds {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

int pixels(double twips);
// Places a control in its parent's client area and remembers its twips exactly, so a
// Left of 5425.5 reads back as 5425.5.
void place(QWidget* control, const Bounds& bounds);
Bounds bounds(const QWidget* control);

}  // namespace ui
