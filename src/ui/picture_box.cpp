#include "ui/picture_box.h"

#include "core/failure.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {
namespace {

constexpr int kBorder = 2;  // the sunken 3D edge, in pixels

}  // namespace

class PictureBox::Canvas : public QWidget {
public:
    explicit Canvas(PictureBox* owner) : QWidget(owner), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        owner_->updateRequested_ = false;
        owner_->raster_.paint(owner_->drawing_, size(), devicePixelRatioF(), owner_->background_);
        const QImage& image = owner_->raster_.image();
        QPainter painter(this);
        painter.drawImage(event->rect(), image,
                          QRectF(QPointF(event->rect().topLeft()) * image.devicePixelRatio(),
                                 QSizeF(event->rect().size()) * image.devicePixelRatio()));
    }

private:
    PictureBox* owner_;
};

PictureBox::PictureBox(QWidget* parent, const Bounds& bounds, quint32 background)
    : QFrame(parent), canvas_(new Canvas(this)), background_(background) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    place(this, bounds);
    canvas_->setGeometry(contentsRect());
    setFocusPolicy(Qt::StrongFocus);
}

QSizeF PictureBox::innerSize(double widthTwips, double heightTwips) {
    return QSizeF(pixels(widthTwips) - 2 * kBorder, pixels(heightTwips) - 2 * kBorder);
}

QWidget* PictureBox::surface() const {
    return canvas_;
}

float PictureBox::outerWidth() const {
    return static_cast<float>(bounds(this).width);
}
float PictureBox::outerHeight() const {
    return static_cast<float>(bounds(this).height);
}

void PictureBox::clear() {
    const bool wasEmpty = drawing_.isEmpty();
    drawing_.clear();
    raster_.restart();
    ++clears_;
    changed(wasEmpty);
}

void PictureBox::line(double x1, double y1, double x2, double y2, quint32 colour) {
    const bool wasEmpty = drawing_.isEmpty();
    drawing_.line(x1, y1, x2, y2, colour, drawWidth_);
    changed(wasEmpty);
}

void PictureBox::lines(int count, double x1, double y1, double x2, double y2, quint32 colour) {
    const bool wasEmpty = drawing_.isEmpty();
    drawing_.lines(count, x1, y1, x2, y2, colour, drawWidth_);
    changed(wasEmpty);
}

void PictureBox::dot(double x, double y) {
    dot(x, y, foreColour_);
}

void PictureBox::dot(double x, double y, quint32 colour) {
    const bool wasEmpty = drawing_.isEmpty();
    drawing_.dot(x, y, colour, drawWidth_);
    changed(wasEmpty);
}

void PictureBox::setDrawWidth(int pixels) {
    if (pixels < 1 || pixels > 32767) throw core::Failure();
    drawWidth_ = pixels;
}

// One repaint request per batch of operations.
void PictureBox::changed(bool wasEmpty) {
    if (wasEmpty != drawing_.isEmpty()) emit drawnChanged(!drawing_.isEmpty());
    if (updateRequested_) return;
    updateRequested_ = true;
    canvas_->update();
}

}  // namespace ui
