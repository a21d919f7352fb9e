#include "ui/twips.h"

#include <QRectF>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {
constexpr char kProperty[] = "twips";
}

int pixels(double twips) {
    const double px = std::round(twips / kTwipsPerPixel);
    // Far-off positions are pinned well outside any screen instead of overflowing.
    return static_cast<int>(std::clamp(px, -1.0e6, 1.0e6));
}

void place(QWidget* control, const Bounds& b) {
    control->setProperty(kProperty, QRectF(b.left, b.top, b.width, b.height));
    control->setGeometry(pixels(b.left), pixels(b.top), pixels(b.width), pixels(b.height));
}

Bounds bounds(const QWidget* control) {
    const QRectF r = control->property(kProperty).toRectF();
    return {r.left(), r.top(), r.width(), r.height()};
}

}  // namespace ui
