#pragma once

#include <QWidget>

namespace ui {

// A static straight line between two points in twips, a number of pixels wide.
class Line : public QWidget {
    Q_OBJECT

public:
    Line(QWidget* parent, QPointF from, QPointF to, int width, quint32 colour);
    QPointF from() const { return from_; }
    QPointF to() const { return to_; }
    int lineWidth() const { return width_; }
    quint32 colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF from_;
    QPointF to_;
    int width_;
    quint32 colour_;
};

}  // namespace ui
