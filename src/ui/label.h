#pragma once

#include "ui/look.h"
#include "ui/twips.h"

#include <QLabel>

namespace ui {

// A caption at a position in twips. An auto-sized label fits its caption; a fixed one
// wraps it inside its bounds. Left and Top keep fractional twips as they were set.
class Label : public QLabel {
    Q_OBJECT

public:
    struct Properties {
        QString caption;
        Bounds bounds;
        Look look;
        bool autoSize = false;
        bool transparent = false;
        bool wordWrap = false;
        bool hidden = false;
    };

    Label(QWidget* parent, const Properties& properties);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    double left() const { return bounds(this).left; }
    double top() const { return bounds(this).top; }
    // A position beyond the single-precision range fails.
    void setLeft(double left);
    void setTop(double top);

private:
    void fitCaption();
    bool autoSize_;
};

}  // namespace ui
