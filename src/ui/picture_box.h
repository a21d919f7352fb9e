#pragma once

#include "core/drawing.h"
#include "ui/raster.h"
#include "ui/twips.h"

#include <QFrame>

namespace ui {

// A drawing surface in twips: lines and dots on a background. Every operation since
// the last clearing is kept in a record (core::Drawing); painting replays what the
// record gained into a kept image at the screen's own resolution, so a covered
// drawing comes back intact and stays sharp on a scaled screen.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    using Operation = core::Drawing::Operation;

    PictureBox(QWidget* parent, const Bounds& bounds, quint32 background);

    // Outer size in twips, border included, as the single-precision numbers the charts read.
    float outerWidth() const;
    float outerHeight() const;

    void clear();
    // Coordinates are single precision: one beyond that range makes the step fail.
    void line(double x1, double y1, double x2, double y2, quint32 colour);
    // The same line `count` times over.
    void lines(int count, double x1, double y1, double x2, double y2, quint32 colour);
    void dot(double x, double y);  // in the foreground colour
    void dot(double x, double y, quint32 colour);
    // Hands the record to `add`, which draws into it directly.
    template <class Add>
    void draw(Add&& add) {
        const bool wasEmpty = drawing_.isEmpty();
        add(drawing_);
        changed(wasEmpty);
    }

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);  // fails outside 1..32767
    quint32 foreColour() const { return foreColour_; }
    quint32 backColour() const { return background_; }

    // The inner area of a picture box of that outer size in twips, in pixels.
    static QSizeF innerSize(double widthTwips, double heightTwips);

    // The inner area, parent of the controls laid over the drawing; its coordinates
    // are the drawing's.
    QWidget* surface() const;

    const core::Drawing& drawing() const { return drawing_; }
    const std::vector<Operation>& operations() const { return drawing_.operations(); }
    int clearCount() const { return clears_; }
    // The kept image of the inner area, as last painted.
    const QImage& image() const { return raster_.image(); }

signals:
    // The area went from empty to drawn on, or back to empty at a clearing.
    void drawnChanged(bool drawn);

private:
    class Canvas;
    void changed(bool wasEmpty);

    Canvas* canvas_;
    quint32 background_;
    quint32 foreColour_ = 0;
    int drawWidth_ = 1;
    int clears_ = 0;
    core::Drawing drawing_;
    Rasteriser raster_;
    bool updateRequested_ = false;
};

}  // namespace ui
