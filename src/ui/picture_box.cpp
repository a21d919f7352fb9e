#include "ui/picture_box.h"

#include "ui/failure.h"
#include "ui/look.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <limits>

namespace ui {
namespace {

constexpr int kBorder = 2;  // the sunken 3D edge, in pixels

float single(double value) {
    if (!(std::abs(value) <= std::numeric_limits<float>::max())) throw Failure();
    return static_cast<float>(value);
}

// Liang-Barsky: the part of a segment inside a rectangle, so far-off coordinates never
// reach the rasteriser.
bool clip(QLineF& segment, const QRectF& area) {
    double t0 = 0, t1 = 1;
    const double dx = segment.dx(), dy = segment.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segment.x1() - area.left(), area.right() - segment.x1(),
                         segment.y1() - area.top(), area.bottom() - segment.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF a = segment.p1(), d(dx, dy);
    segment = QLineF(a + t0 * d, a + t1 * d);
    return true;
}

}  // namespace

class PictureBox::Canvas : public QWidget {
public:
    explicit Canvas(PictureBox* owner) : QWidget(owner), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QImage& image = owner_->image();
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
    operations_.clear();
    painted_ = 0;
    image_ = QImage();
    ++clears_;
    canvas_->update();
}

void PictureBox::line(double x1, double y1, double x2, double y2, quint32 colour) {
    record({Operation::Kind::Line, quint16(drawWidth_), colour, single(x1), single(y1), single(x2),
            single(y2)});
}

void PictureBox::dot(double x, double y) {
    dot(x, y, foreColour_);
}

void PictureBox::dot(double x, double y, quint32 colour) {
    const float fx = single(x), fy = single(y);
    record({Operation::Kind::Dot, quint16(drawWidth_), colour, fx, fy, fx, fy});
}

void PictureBox::setDrawWidth(int pixels) {
    if (pixels < 1 || pixels > 32767) throw Failure();
    drawWidth_ = pixels;
}

void PictureBox::record(const Operation& operation) {
    operations_.push_back(operation);
    canvas_->update();
}

const QImage& PictureBox::image() {
    paintPending();
    return image_;
}

void PictureBox::paintPending() {
    const qreal ratio = canvas_->devicePixelRatioF();
    const QSize size = canvas_->size() * ratio;
    if (image_.size() != size || image_.devicePixelRatio() != ratio) {
        image_ = QImage(size, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(colour(background_));
        painted_ = 0;
    }
    if (painted_ == operations_.size()) return;

    QPainter painter(&image_);
    const double widest = 64;
    const QRectF area(-widest, -widest, canvas_->width() + 2 * widest,
                      canvas_->height() + 2 * widest);
    for (; painted_ < operations_.size(); ++painted_) {
        const Operation& op = operations_[painted_];
        const double w = std::min<double>(op.width, widest);
        QPen pen(colour(op.colour), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        if (op.kind == Operation::Kind::Dot) {
            const QPointF p(op.x1 / kTwipsPerPixel, op.y1 / kTwipsPerPixel);
            if (!area.contains(p)) continue;
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawPoint(p);
        } else {
            QLineF segment(op.x1 / kTwipsPerPixel, op.y1 / kTwipsPerPixel, op.x2 / kTwipsPerPixel,
                           op.y2 / kTwipsPerPixel);
            if (!clip(segment, area)) continue;
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawLine(segment);
        }
    }
}

}  // namespace ui
