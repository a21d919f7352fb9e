#include "ui/chart_output.h"

#include "ui/look.h"
#include "ui/picture_box.h"
#include "ui/raster.h"

#include <QPainter>

namespace ui {
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
    painting::paintLabels(painter, chart.drawing, chart.size);
    return image;
}

void paintChart(QPainter& painter, const Chart& chart, double scale) {
    painting::paintChart(painter, chart.drawing, chart.size, chart.background, scale);
}

}  // namespace ui
