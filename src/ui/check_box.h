#pragma once

#include "ui/look.h"
#include "ui/twips.h"

#include <QCheckBox>

namespace ui {

// A check box whose caption wraps within its bounds; clicking the caption clicks the box.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    CheckBox(QWidget* parent, const QString& caption, const Bounds& bounds, const Look& look);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace ui
