#include "ui/chart_output.h"

#include "ui/look.h"
#include "ui/picture_box.h"
#include "ui/raster.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {
namespace {

// The labels shown over the area where the record puts them, each as wide as its
// caption, as an auto-sized label stands.
void paintLabels(QPainter& painter, const Chart& chart) {
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), chart.size));
    for (const core::Drawing::Label& label : chart.drawing.shownLabels()) {
        const QFont face = font(label.points, label.bold);
        const QFontMetrics metrics(face);
        const QSizeF size(metrics.horizontalAdvance(label.text) + 2, metrics.height());
        QPointF at(label.left.value_or(0) / kTwipsPerPixel, label.top.value_or(0) / kTwipsPerPixel);
        if (label.ancre & Qt::AlignHCenter) at.rx() -= size.width() / 2;
        if (label.ancre & Qt::AlignRight) at.rx() -= size.width();
        if (label.ancre & Qt::AlignVCenter) at.ry() -= size.height() / 2;
        if (label.ancre & Qt::AlignBottom) at.ry() -= size.height();
        const QRectF box(at, size);
        if (label.fond) painter.fillRect(box, colour(label.back));
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
    painter.restore();
}

}  // namespace

Chart chartOf(const PictureBox& picture) {
    return {picture.drawing(), QSizeF(picture.surface()->size()), picture.backColour(),
            picture.accessibleDescription()};
}

QSizeF chartAreaSize(double widthTwips, double heightTwips) {
    return PictureBox::innerSize(widthTwips, heightTwips);
}

QImage chartImage(const Chart& chart, double scale) {
    Rasteriser raster;
    raster.paint(chart.drawing, chart.size.toSize(), scale, chart.background);
    QImage image = raster.image();
    QPainter painter(&image);  // in logical pixels: the image knows its ratio
    paintLabels(painter, chart);
    return image;
}

void paintChart(QPainter& painter, const Chart& chart, double scale) {
    const QRectF area(QPointF(0, 0), chart.size);
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, colour(chart.background));
    replay(chart.drawing, painter, area.size(), scale);
    painter.restore();
    paintLabels(painter, chart);
}

}  // namespace ui
