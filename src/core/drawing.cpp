#include "core/drawing.h"

#include <map>

namespace core {

std::vector<Drawing::Label> Drawing::shownLabels() const {
    std::map<std::pair<int, int>, Label> byPlace;
    for (const Label& label : labels_) {
        Label& place = byPlace[{label.array, label.index}];
        const Label before = place;
        place = label;
        if (!label.left) place.left = before.left;
        if (!label.top) place.top = before.top;
    }
    std::vector<Label> shown;
    for (const auto& [key, label] : byPlace) shown.push_back(label);
    return shown;
}

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

}  // namespace core
