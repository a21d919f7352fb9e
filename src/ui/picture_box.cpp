#include "ui/picture_box.h"

#include "ui/failure.h"
#include "ui/look.h"
#include "ui/numbers.h"
#include "ui/raster.h"

#include <QPaintEvent>
#include <QPainter>

#include <climits>
#include <cmath>

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
    record({Operation::Kind::Line, false, quint16(drawWidth_), colour, toSingle(x1), toSingle(y1),
            toSingle(x2), toSingle(y2)});
}

void PictureBox::dot(double x, double y) {
    dot(x, y, foreColour_);
}

void PictureBox::dot(double x, double y, quint32 colour) {
    const float fx = toSingle(x), fy = toSingle(y);
    record({Operation::Kind::Dot, false, quint16(drawWidth_), colour, fx, fy, fx, fy});
}

void PictureBox::setDrawWidth(int pixels) {
    if (pixels < 1 || pixels > 32767) throw Failure();
    drawWidth_ = pixels;
}

void PictureBox::record(const Operation& operation) {
    if (!operations_.empty()) {
        Operation& previous = operations_.back();
        previous.covered = previous.kind == operation.kind && previous.width == operation.width &&
                           previous.x1 == operation.x1 && previous.y1 == operation.y1 &&
                           previous.x2 == operation.x2 && previous.y2 == operation.y2;
    }
    operations_.push_back(operation);
    if (!updateRequested_) {
        updateRequested_ = true;
        canvas_->update();
    }
}

const QImage& PictureBox::image() {
    updateRequested_ = false;
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
        dots_.clear();
    }
    const double scale = ratio / kTwipsPerPixel;  // twips to screen pixels
    const double margin = 64 * ratio;
    const QRectF area(-margin, -margin, size.width() + 2 * margin, size.height() + 2 * margin);

    int lastOpWidth = -1, lastWidth = 1;
    const auto pixelWidth = [&](int opWidth) {
        if (opWidth != lastOpWidth) {
            lastOpWidth = opWidth;
            lastWidth = std::max(1, int(std::lround(std::min(opWidth, 64) * ratio)));
        }
        return lastWidth;
    };
    // Which screen pixels a line lands on: its rounded ends and width.
    struct Pixels {
        QPoint from, to;
        int width = 0;
        bool operator==(const Pixels&) const = default;
    };
    // Far-off ends are pinned well outside the image first, so they still compare.
    const auto pixel = [](double x, double y) {
        return QPoint(int(std::lround(std::clamp(x, -1e6, 1e6))),
                      int(std::lround(std::clamp(y, -1e6, 1e6))));
    };
    const auto pixelsOf = [&](const Operation& op) {
        return Pixels{pixel(op.x1 * scale, op.y1 * scale), pixel(op.x2 * scale, op.y2 * scale),
                      pixelWidth(op.width)};
    };
    // Consecutive lines that land on the same pixels are painted once, and a line the
    // next one covers at once is skipped: a pie of ten thousand items draws hundreds of
    // spokes to each pixel of its rim.
    Pixels lastLine;
    quint32 lastColour = 0;
    QPoint lastDot(INT_MIN, INT_MIN);
    quint64 lastDotLook = ~0ull;
    const size_t count = operations_.size();
    for (; painted_ < count; ++painted_) {
        const Operation& op = operations_[painted_];
        if (op.covered) continue;
        const Operation* following = painted_ + 1 < count ? &operations_[painted_ + 1] : nullptr;
        const int width = pixelWidth(op.width);
        if (op.kind == Operation::Kind::Dot) {
            const QPointF at(op.x1 * scale, op.y1 * scale);
            if (!area.contains(at)) continue;
            const quint64 look = (quint64(op.colour) << 16) | quint64(width);
            if (at.toPoint() == lastDot && look == lastDotLook) continue;
            const QImage& sprite = dotSprite(op.colour, width);
            raster::blend(image_, sprite,
                          at.toPoint() - QPoint(sprite.width() / 2, sprite.height() / 2));
            lastDot = at.toPoint();
            lastDotLook = look;
            lastLine = Pixels{};
            continue;
        }
        const Pixels current = pixelsOf(op);
        if (following && following->kind == Operation::Kind::Line &&
            pixelsOf(*following) == current)
            continue;
        if (current == lastLine && op.colour == lastColour) continue;
        QLineF segment(op.x1 * scale, op.y1 * scale, op.x2 * scale, op.y2 * scale);
        if (!raster::clip(segment, area)) continue;
        raster::line(image_, segment, width, colour(op.colour).rgb());
        lastDot = QPoint(INT_MIN, INT_MIN);
        lastLine = current;
        lastColour = op.colour;
    }
}

// A round dot of a colour and width in screen pixels, antialiased once.
const QImage& PictureBox::dotSprite(quint32 colourValue, int width) {
    const quint64 key = (quint64(colourValue) << 16) | quint64(width);
    auto found = dots_.find(key);
    if (found != dots_.end()) return *found;
    const int side = width + 2;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour(colourValue));
        p.drawEllipse(QRectF(1, 1, width, width));
    }
    return *dots_.insert(key, sprite);
}

}  // namespace ui
