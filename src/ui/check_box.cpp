#include "ui/check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

CheckBox::CheckBox(QWidget* parent, const QString& caption, const Bounds& bounds, const Look& look)
    : QCheckBox(caption, parent) {
    applyLook(this, look);
    setAutoFillBackground(true);
    place(this, bounds);
}

void CheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = QRect(1, (height() - h) / 2, w, h);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect textRect = rect().adjusted(w + 5, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect used =
        painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace ui
