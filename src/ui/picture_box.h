#pragma once

#include "ui/twips.h"

#include <QFrame>
#include <QHash>
#include <QImage>

#include <vector>

namespace ui {

// A drawing surface in twips: lines and dots on a background, drawn into a kept image
// at the screen's own resolution (so a covered drawing comes back intact and stays
// sharp on a scaled screen). Every operation since the last clearing is recorded, in
// order, with the coordinates it was given.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    struct Operation {
        enum class Kind : quint8 { Line, Dot };
        Kind kind;
        // Drawn over at once by the next operation on the same points, so never painted.
        bool covered;
        quint16 width;  // pixels
        quint32 colour;
        float x1, y1, x2, y2;  // a dot has x2 == x1, y2 == y1
    };

    PictureBox(QWidget* parent, const Bounds& bounds, quint32 background);

    // Outer size in twips, border included, as the single-precision numbers the charts read.
    float outerWidth() const;
    float outerHeight() const;

    void clear();
    // Coordinates are single precision: one beyond that range makes the step fail.
    void line(double x1, double y1, double x2, double y2, quint32 colour);
    void dot(double x, double y);  // in the foreground colour
    void dot(double x, double y, quint32 colour);

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);  // fails outside 1..32767
    quint32 foreColour() const { return foreColour_; }
    quint32 backColour() const { return background_; }

    // The inner area, parent of the controls laid over the drawing; its coordinates
    // are the drawing's.
    QWidget* surface() const;

    const std::vector<Operation>& operations() const { return operations_; }
    int clearCount() const { return clears_; }
    // The kept image of the inner area, every operation painted.
    const QImage& image();

private:
    class Canvas;
    void record(const Operation& operation);
    void paintPending();
    const QImage& dotSprite(quint32 colour, int width);

    Canvas* canvas_;
    quint32 background_;
    quint32 foreColour_ = 0;
    int drawWidth_ = 1;
    int clears_ = 0;
    std::vector<Operation> operations_;
    size_t painted_ = 0;
    bool updateRequested_ = false;
    QImage image_;
    QHash<quint64, QImage> dots_;
};

}  // namespace ui
