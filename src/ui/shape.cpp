#include "ui/shape.h"

#include "ui/look.h"

#include <QPainter>

namespace ui {

Shape::Shape(QWidget* parent, const Bounds& bounds, quint32 fill) : QWidget(parent), fill_(fill) {
    place(this, bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour(fill_));
}

}  // namespace ui
