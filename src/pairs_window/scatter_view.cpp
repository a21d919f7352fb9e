#include "pairs_window/scatter_view.h"

#include "ui/look.h"
#include "ui/raster.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <utility>

namespace pairs_window {

namespace pp = core::pairs;

namespace {

constexpr quint32 kBackground = 0xFFFFFF;
constexpr double kGrip = 8;  // pixels from a handle or the line that take it

}  // namespace

ScatterView::ScatterView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setMouseTracking(false);
}

void ScatterView::setPairs(std::shared_ptr<const pp::Pairs> pairs) {
    // The same points: the learner's line stays.
    if (base_ && (pairs == pairs_ || *pairs == *pairs_)) return;
    pairs_ = std::move(pairs);
    workOutBase();
    startLine();
    workOutOverlay();
}

void ScatterView::setOptions(const pp::ScatterOptions& options, bool byEye) {
    // The legend's rows are kept above the points: a change of their number paints
    // the points anew, a move of the learner's line never does.
    const auto rows = [](const pp::ScatterOptions& o, bool withLine) {
        return pp::legendRows(o) + (withLine ? 1 : 0);
    };
    const bool again = rows(options, byEye) != rows(options_, byEye_);
    options_ = options;
    byEye_ = byEye;
    if (again) workOutBase();
    workOutOverlay();
}

void ScatterView::startLine() {
    if (!base_) return;
    const pp::Summary& s = base_->summary;
    const double span = s.maxX - s.minX;
    handles_[0] = {s.minX + span / 4, s.meanY};
    handles_[1] = {s.maxX - span / 4, s.meanY};
}

std::optional<pp::Line> ScatterView::line() const {
    if (!base_) return std::nullopt;
    return pp::lineThrough(handles_[0], handles_[1]);
}

void ScatterView::workOutBase() {
    base_.reset();
    baseImage_ = QImage();
    pp::Computed<pp::ScatterBase> base =
        pp::scatterBase(*pairs_, pp::legendRows(options_) + (byEye_ ? 1 : 0),
                        core::Surface{float(width() * ui::kTwipsPerPixel),
                                      float(height() * ui::kTwipsPerPixel), 2, 0});
    fault_ = base.fault;
    if (base) base_ = std::move(*base.value);  // a million points are not copied
}

void ScatterView::workOutOverlay() {
    overlay_ = {};
    if (base_) {
        pp::ScatterOptions o = options_;
        if (const auto l = line(); byEye_ && l)
            o.byEye = pp::ByEyeLine{*l, std::pair{handles_[0], handles_[1]}};
        else
            o.residuals = pp::ResidualStyle::None;
        pp::Computed<pp::ChartRecord> overlay = pp::scatterOverlay(*pairs_, *base_, o);
        if (overlay) overlay_ = std::move(*overlay.value);
        fault_ = overlay.fault;
    }
    setAccessibleDescription(fault_.isEmpty() ? overlay_.description : fault_);
    update();
}

ui::Chart ScatterView::chart() {
    whole_ = base_ ? base_->chart.drawing : core::Drawing{};
    pp::append(whole_, overlay_.drawing);
    return {whole_, QSizeF(size()), kBackground, accessibleDescription()};
}

void ScatterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!base_ || !fault_.isEmpty()) {
        painter.fillRect(rect(), Qt::white);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         fault_.isEmpty() ? QStringLiteral("Aucune paire à montrer") : fault_);
        return;
    }
    const double ratio = devicePixelRatioF();
    if (baseImage_.isNull() || baseImage_.devicePixelRatio() != ratio ||
        baseImage_.deviceIndependentSize() != QSizeF(size()))
        baseImage_ = ui::chartImage({base_->chart.drawing, QSizeF(size()), kBackground, {}}, ratio);
    painter.drawImage(QPointF(0, 0), baseImage_);
    painter.setRenderHint(QPainter::Antialiasing);
    ui::replay(overlay_.drawing, painter, QSizeF(size()), ratio);
    painting::paintLabels(painter, overlay_.drawing, QSizeF(size()));
    if (hasFocus() && byEye_) {  // the handle the arrows move
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pixelOf(handles_[chosen_]), kGrip, kGrip);
    }
}

void ScatterView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    workOutBase();
    workOutOverlay();
}

pp::Point ScatterView::dataAt(QPointF pixel) const {
    const core::CoordinateFrame& r = base_->frame.frame;
    const double tx = pixel.x() * ui::kTwipsPerPixel, ty = pixel.y() * ui::kTwipsPerPixel;
    const double sx = (tx - r.zone.left()) / r.zone.width();
    const double sy = (r.zone.bottom() - ty) / r.zone.height();
    return {double(r.x.start + sx * (r.x.end - r.x.start)),
            double(r.y.start + sy * (r.y.end - r.y.start))};
}

QPointF ScatterView::pixelOf(pp::Point p) const {
    return base_->frame.frame.point(p.x, p.y) / ui::kTwipsPerPixel;
}

void ScatterView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (!base_ || !byEye_ || event->button() != Qt::LeftButton) return;
    const QPointF at = event->position();
    for (int i : {0, 1}) {
        if (QLineF(at, pixelOf(handles_[i])).length() <= kGrip) {
            drag_ = i == 0 ? Drag::First : Drag::Second;
            chosen_ = i;
            update();
            return;
        }
    }
    // Anywhere along the line takes the whole line.
    const QPointF a = pixelOf(handles_[0]), b = pixelOf(handles_[1]);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length > 0) {
        const double across =
            std::abs(d.x() * (at.y() - a.y()) - d.y() * (at.x() - a.x())) / length;
        if (across <= kGrip) {
            drag_ = Drag::Whole;
            dragFrom_ = dataAt(at);
        }
    }
}

void ScatterView::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ == Drag::None || !base_) return;
    const pp::Point p = dataAt(event->position());
    if (drag_ == Drag::Whole) {
        for (pp::Point& h : handles_) {
            h.x += p.x - dragFrom_.x;
            h.y += p.y - dragFrom_.y;
        }
        dragFrom_ = p;
    } else {
        const int i = drag_ == Drag::First ? 0 : 1;
        const pp::Point other = handles_[1 - i];
        if (QLineF(pixelOf(p), pixelOf(other)).length() < 2) return;  // a line needs two points
        if (p.x == other.x) return;
        handles_[i] = p;
    }
    workOutOverlay();
    emit lineMoved();
}

void ScatterView::mouseReleaseEvent(QMouseEvent*) {
    drag_ = Drag::None;
}

void ScatterView::moveHandle(double shareX, double shareY) {
    if (!base_ || !byEye_) return;
    const core::CoordinateFrame& r = base_->frame.frame;
    pp::Point p = handles_[chosen_];
    p.x += shareX * double(r.x.end - r.x.start);
    p.y += shareY * double(r.y.end - r.y.start);
    if (std::abs(p.x - handles_[1 - chosen_].x) < 1e-9 * double(r.x.end - r.x.start)) return;
    handles_[chosen_] = p;
    workOutOverlay();
    emit lineMoved();
}

void ScatterView::keyPressEvent(QKeyEvent* event) {
    // A hundredth of the axis a press, a thousandth with Shift.
    const double step = event->modifiers() & Qt::ShiftModifier ? 0.001 : 0.01;
    switch (event->key()) {
        case Qt::Key_Left:
            moveHandle(-step, 0);
            break;
        case Qt::Key_Right:
            moveHandle(step, 0);
            break;
        case Qt::Key_Up:
            moveHandle(0, step);
            break;
        case Qt::Key_Down:
            moveHandle(0, -step);
            break;
        case Qt::Key_Space:
            chosen_ = 1 - chosen_;
            update();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace pairs_window
