#include "ui/painting/chart_painter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <cmath>

namespace painting {
namespace {

constexpr double kStandardPoints = 8.25;
// The fallback faces are about a tenth wider than MS Sans Serif at the same size; the
// layouts were designed for the narrower face, so their text is set a tenth smaller.
constexpr double kFallbackWidth = 0.9;

struct Face {
    QString family;
    double scale;
};

// The face the design names where the machine has it, else the closest one present,
// found once: asking for a missing family at every control costs a font search each.
// Looked up among the families present: asking the font database for each family
// would resolve it as an alias, a search of its own.
const Face& face() {
    static const Face chosen = [] {
        const QStringList present = QFontDatabase::families();
        const auto has = [&](const QString& family) {
            return present.contains(family, Qt::CaseInsensitive);
        };
        const QString designed = QStringLiteral("MS Sans Serif");
        if (has(designed)) return Face{designed, 1.0};
        for (const char* family : {"Liberation Sans", "Arimo", "DejaVu Sans"})
            if (has(QString::fromLatin1(family)))
                return Face{QString::fromLatin1(family), kFallbackWidth};
        return Face{QString(), kFallbackWidth};
    }();
    return chosen;
}

}  // namespace

QColor colour(quint32 packed) {
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

QFont font(double points, bool bold) {
    QFont f;
    if (!face().family.isEmpty()) f.setFamily(face().family);
    f.setStyleHint(QFont::SansSerif);
    const double size = (points > 0 ? points : kStandardPoints) * 96.0 / 72.0 * face().scale;
    f.setPixelSize(static_cast<int>(std::lround(size)));
    f.setBold(bold);
    return f;
}

void replay(const core::Drawing& drawing, QPainter& painter, QSizeF area, double scale) {
    const core::View view{.pixelsPerTwip = scale / kTwipsPerPixel,
                          .widthScale = scale,
                          .area = QRectF(QPointF(0, 0), area * scale),
                          .onceEach = true};
    painter.save();
    painter.setBrush(Qt::NoBrush);
    // A vector painter writes its whole state again at each change; setting it only when
    // the next line or dot differs keeps an SVG of a pie a fraction of its size.
    enum class Stroke { none, line, dot } last = Stroke::none;
    quint32 colourCode = 0;
    int lineWidth = 0;
    const auto change = [&](Stroke stroke, quint32 packed, int width) {
        const bool differs = last != stroke || colourCode != packed || lineWidth != width;
        last = stroke;
        colourCode = packed;
        lineWidth = width;
        return differs;
    };
    core::forEachShown(
        drawing.operations(), 0, view,
        [&](const QLineF& segment, int width, quint32 packed) {
            if (change(Stroke::line, packed, width)) {
                painter.setPen(QPen(colour(packed), width / scale, Qt::SolidLine, Qt::FlatCap));
                painter.setBrush(Qt::NoBrush);
            }
            painter.drawLine(QLineF(segment.p1() / scale, segment.p2() / scale));
        },
        [&](QPointF at, int width, quint32 packed) {
            if (change(Stroke::dot, packed, 0)) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour(packed));
            }
            const double radius = width / scale / 2;
            painter.drawEllipse(at / scale, radius, radius);
        });
    painter.restore();
}

void paintLabels(QPainter& painter, const core::Drawing& drawing, QSizeF area) {
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), area));
    for (const core::Drawing::Label& label : drawing.shownLabels()) {
        const QFont face = font(label.points, label.bold);
        const QFontMetrics metrics(face);
        const QSizeF size(metrics.horizontalAdvance(label.text) + 2, metrics.height());
        QPointF at(label.left.value_or(0) / kTwipsPerPixel, label.top.value_or(0) / kTwipsPerPixel);
        if (label.anchor & Qt::AlignHCenter) at.rx() -= size.width() / 2;
        if (label.anchor & Qt::AlignRight) at.rx() -= size.width();
        if (label.anchor & Qt::AlignVCenter) at.ry() -= size.height() / 2;
        if (label.anchor & Qt::AlignBottom) at.ry() -= size.height();
        const QRectF box(at, size);
        if (label.background) painter.fillRect(box, colour(label.back));
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
    painter.restore();
}

void paintChart(QPainter& painter, const core::Drawing& drawing, QSizeF area, quint32 background,
                double scale) {
    const QRectF whole(QPointF(0, 0), area);
    painter.save();
    painter.setClipRect(whole);
    painter.fillRect(whole, colour(background));
    replay(drawing, painter, area, scale);
    painter.restore();
    paintLabels(painter, drawing, area);
}

}  // namespace painting
