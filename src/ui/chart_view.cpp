#include "ui/chart_view.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QPainter>

namespace ui {

ChartView::ChartView(QWidget* parent, quint32 background)
    : QWidget(parent), background_(background) {
    setFocusPolicy(Qt::TabFocus);  // reached with Tab, so that it is read out
    setMinimumSize(240, 160);
}

void ChartView::setChart(Draw draw) {
    draw_ = std::move(draw);
    workOut();
}

Chart ChartView::chart() const {
    return {content_.drawing, QSizeF(size()), background_,
            content_.fault.isEmpty() ? content_.description : content_.fault};
}

void ChartView::workOut() {
    const bool was = drawn();
    content_ = draw_ ? draw_(width() * kTwipsPerPixel, height() * kTwipsPerPixel) : Content{};
    image_ = QImage();
    setAccessibleDescription(content_.fault.isEmpty() ? content_.description : content_.fault);
    update();
    if (drawn() != was) emit drawnChanged(drawn());
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    workOut();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!content_.fault.isEmpty()) {
        painter.fillRect(rect(), colour(background_));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         content_.fault);
        return;
    }
    const double ratio = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != ratio ||
        image_.deviceIndependentSize() != QSizeF(size()))
        image_ = chartImage(chart(), ratio);
    painter.drawImage(QPointF(0, 0), image_);
}

}  // namespace ui
