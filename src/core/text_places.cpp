#include "core/text_places.h"

#include "core/drawing.h"

namespace core {

QRectF TextPlaces::boxOf(const QString& text, QPointF at, Qt::Alignment anchor, double points) {
    // 0.6 em a character and 1.3 em a line, in twips: wider than the faces drawn.
    const double em = 20 * points;
    const QSizeF size(0.6 * em * double(text.size()) + 30, 1.3 * em);
    if (anchor & Qt::AlignHCenter) at.rx() -= size.width() / 2;
    if (anchor & Qt::AlignRight) at.rx() -= size.width();
    if (anchor & Qt::AlignVCenter) at.ry() -= size.height() / 2;
    if (anchor & Qt::AlignBottom) at.ry() -= size.height();
    return QRectF(at, size);
}

bool TextPlaces::isFree(const QRectF& box) const {
    if (!area_.contains(box)) return false;
    for (const QRectF& taken : boxes_)
        if (taken.intersects(box)) return false;
    for (QLineF l : lines_)
        if (clip(l, box)) return false;
    return true;
}

std::optional<TextPlaces::Place> TextPlaces::firstFree(const QString& text,
                                                       const std::vector<Place>& places,
                                                       double points) {
    for (const Place& place : places) {
        const QRectF box = boxOf(text, place.first, place.second, points);
        if (!isFree(box)) continue;
        take(box);
        return place;
    }
    return std::nullopt;
}

}  // namespace core
