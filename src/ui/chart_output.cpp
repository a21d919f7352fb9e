#include "ui/chart_output.h"

#include "ui/look.h"
#include "ui/picture_box.h"
#include "ui/raster.h"

#include <QLabel>
#include <QPainter>

namespace ui {
namespace {

// The labels shown over the area, in their stacking order, where the record puts them.
void paintLabels(QPainter& painter, const PictureBox& picture) {
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), chartSize(picture)));
    for (const QLabel* label :
         picture.surface()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isHidden()) continue;
        const Bounds b = bounds(label);
        const QPointF at(b.left / kTwipsPerPixel, b.top / kTwipsPerPixel);
        if (label->autoFillBackground())
            painter.fillRect(QRectF(at, QSizeF(label->size())),
                             label->palette().color(label->backgroundRole()));
        painter.setFont(label->font());
        painter.setPen(label->palette().color(label->foregroundRole()));
        const QRect inside = label->contentsRect();
        painter.drawText(QRectF(at + QPointF(inside.topLeft()), QSizeF(inside.size())),
                         int(label->alignment()), label->text());
    }
    painter.restore();
}

}  // namespace

QSizeF chartSize(const PictureBox& picture) {
    return QSizeF(picture.surface()->size());
}

QImage chartImage(const PictureBox& picture, double scale) {
    Rasteriser raster;
    raster.paint(picture.drawing(), picture.surface()->size(), scale, picture.backColour());
    QImage image = raster.image();
    QPainter painter(&image);  // in logical pixels: the image knows its ratio
    paintLabels(painter, picture);
    return image;
}

void paintChart(QPainter& painter, const PictureBox& picture, double scale) {
    const QRectF area(QPointF(0, 0), chartSize(picture));
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, colour(picture.backColour()));
    replay(picture.drawing(), painter, area.size(), scale);
    painter.restore();
    paintLabels(painter, picture);
}

}  // namespace ui
