#pragma once

#include "ui/twips.h"

#include <QWidget>

namespace ui {

// A static panel filled with one colour, behind the controls laid over it.
class Shape : public QWidget {
    Q_OBJECT

public:
    Shape(QWidget* parent, const Bounds& bounds, quint32 fill);
    quint32 fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 fill_;
};

}  // namespace ui
