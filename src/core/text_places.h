#pragma once

// Where a chart's texts may go: the lines drawn and the texts laid so far, so that a
// text is put at the first of its places that crosses none of them and stays inside the
// area. The record knows no font, so a text's box is estimated generously.

#include <QLineF>
#include <QRectF>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace core {

class TextPlaces {
public:
    using Place = std::pair<QPointF, Qt::Alignment>;  // a point, and which point of the box

    explicit TextPlaces(const QRectF& area) : area_(area) {}
    void line(QPointF a, QPointF b) { lines_.emplace_back(a, b); }
    void take(const QRectF& box) { boxes_.push_back(box); }

    // The box a text of that size in points takes, `anchor` its point at `at`.
    static QRectF boxOf(const QString& text, QPointF at, Qt::Alignment anchor,
                        double points = 8.25);
    bool isFree(const QRectF& box) const;
    // The first free place for the text, whose box is then taken; none when none is.
    std::optional<Place> firstFree(const QString& text, const std::vector<Place>& places,
                                   double points = 8.25);

private:
    QRectF area_;
    std::vector<QLineF> lines_;
    std::vector<QRectF> boxes_;
};

}  // namespace core
