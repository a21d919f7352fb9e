#include "ui/sheets/page_flow.h"

#include "ui/painting/chart_painter.h"

#include <QFontMetricsF>

#include <algorithm>

namespace sheets {

PageFlow::PageFlow(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
    cm_ = writer.resolution() / 2.54;
    // The margins are the writer's own (set by whoever made it); the flow uses the rest.
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    left_ = 0;
    top_ = 0;
    width_ = page.width();
    bottom_ = page.height() - 1.0 * cm_;  // the last centimetre for the footer
    y_ = top_;
}

QFont PageFlow::font(Style style) const {
    QFont f(QStringLiteral("Liberation Sans"));
    switch (style) {
        case Style::Title:
            f.setPointSizeF(17), f.setBold(true);
            break;
        case Style::Heading:
            f.setPointSizeF(13), f.setBold(true);
            break;
        case Style::Strong:
            f.setPointSizeF(10.5), f.setBold(true);
            break;
        case Style::Body:
            f.setPointSizeF(10.5);
            break;
        case Style::Small:
            f.setPointSizeF(9);
            break;
    }
    return f;
}

double PageFlow::heightOf(const QString& text, const QFont& font, double width) {
    // Measured by the painter that draws it, so that a wrapped line is never cut.
    painter_.setFont(font);
    return painter_.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text)
        .height();
}

void PageFlow::keep(double height) {
    if (!fits(height) && y_ > top_) newPage();
}

void PageFlow::newPage() {
    writer_.newPage();
    y_ = top_;
    drawFooter();
}

void PageFlow::startEntry(const QString& footer) {
    footer_ = footer;
    if (started_)
        newPage();
    else
        drawFooter();
    started_ = true;
}

void PageFlow::drawFooter() {
    if (footer_.isEmpty()) return;
    painter_.setFont(font(Style::Small));
    painter_.setPen(QColor(90, 90, 90));
    painter_.drawText(QRectF(left_, bottom_ + 0.3 * cm_, width_, 0.6 * cm_),
                      Qt::AlignRight | Qt::AlignVCenter, footer_);
    painter_.setPen(Qt::black);
}

void PageFlow::keepTogether(double cm) {
    keep(cm * cm_);
}

double PageFlow::tableHeight(const QStringList& columns, const std::vector<QStringList>& rows) {
    return std::min(layOut(columns, rows).whole, bottom_ - top_) / cm_;
}

void PageFlow::space(double cm) {
    y_ = std::min(bottom_, y_ + cm * cm_);
}

void PageFlow::text(const QString& text, Style style, double spaceAfter) {
    const QFont f = font(style);
    const double h = heightOf(text, f, width_);
    keep(h);
    painter_.setFont(f);
    painter_.setPen(Qt::black);
    painter_.drawText(QRectF(left_, y_, width_, h), Qt::TextWordWrap | Qt::AlignLeft, text);
    y_ += h;
    space(spaceAfter);
}

void PageFlow::labelledLine(const QString& label) {
    const QFont f = font(Style::Body);
    const QFontMetricsF metrics(f, &writer_);
    const double h = metrics.height() * 1.6;
    keep(h);
    painter_.setFont(f);
    const double w = metrics.horizontalAdvance(label) + 0.2 * cm_;
    painter_.drawText(QRectF(left_, y_, w, h), Qt::AlignLeft | Qt::AlignBottom, label);
    painter_.setPen(QPen(Qt::gray, cm_ * 0.01));
    painter_.drawLine(QPointF(left_ + w, y_ + h), QPointF(left_ + width_, y_ + h));
    painter_.setPen(Qt::black);
    y_ += h;
    space(0.3);
}

namespace {
// A chart's area in logical pixels (1/96 inch).
QSizeF areaOf(const core::exercises::ExerciseChartRecord& chart) {
    return QSizeF(chart.surface.width, chart.surface.height) / painting::kTwipsPerPixel;
}
}  // namespace

double PageFlow::chartScale(const core::exercises::ExerciseChartRecord& chart) const {
    // Device units per logical pixel: its size on screen, or less to fit the width.
    return std::min(writer_.resolution() / 96.0, width_ / areaOf(chart).width());
}

double PageFlow::chartHeight(const core::exercises::ExerciseChartRecord& chart) {
    const double caption = chart.caption.isEmpty() ? 0 : textHeight(chart.caption, Style::Strong);
    if (!chart.fault.isEmpty()) return caption + textHeight(chart.fault, Style::Small) + 0.3;
    return caption + areaOf(chart).height() * chartScale(chart) / cm_ + 0.4;
}

void PageFlow::chart(const core::exercises::ExerciseChartRecord& chart) {
    keepTogether(chartHeight(chart));
    if (!chart.caption.isEmpty()) text(chart.caption, Style::Strong, 0);
    if (!chart.fault.isEmpty()) {
        text(chart.fault, Style::Small, 0.3);
        return;
    }
    const QSizeF area = areaOf(chart);
    const double scale = chartScale(chart);
    painter_.save();
    painter_.translate(left_ + (width_ - area.width() * scale) / 2, y_);
    painter_.scale(scale, scale);
    painting::paintChart(painter_, chart.drawing, area, 0xFFFFFF, scale);
    painter_.restore();
    y_ += area.height() * scale;
    space(0.4);
}

void PageFlow::answerRoom(int lines) {
    const double step = 0.85 * cm_;
    keep(step * lines);
    painter_.setPen(QPen(QColor(170, 170, 170), cm_ * 0.01, Qt::DotLine));
    for (int i = 1; i <= lines; ++i)
        painter_.drawLine(QPointF(left_, y_ + i * step), QPointF(left_ + width_, y_ + i * step));
    painter_.setPen(Qt::black);
    y_ += step * lines;
    space(0.3);
}

PageFlow::TableLayout PageFlow::layOut(const QStringList& columns,
                                       const std::vector<QStringList>& rows) {
    TableLayout t;
    const QFont body = font(Style::Body), head = font(Style::Strong);
    t.pad = 0.15 * cm_;
    // A single wide column ("Valeurs") takes the width; otherwise columns as wide as
    // their widest cell, within the page.
    const QFontMetricsF bodyMetrics(body, &writer_), headMetrics(head, &writer_);
    t.widths.resize(size_t(columns.size()));
    for (qsizetype c = 0; c < columns.size(); ++c) {
        double w = headMetrics.horizontalAdvance(columns[c]);
        for (const QStringList& row : rows)
            w = std::max(w, bodyMetrics.horizontalAdvance(row.value(c)));
        t.widths[size_t(c)] = std::max(w + 3 * t.pad, 2.5 * cm_);
    }
    double total = 0;
    for (double w : t.widths) total += w;
    if (total > width_) {
        const double last = width_ - (total - t.widths.back());
        if (last > 3 * cm_)
            t.widths.back() = last;
        else
            std::fill(t.widths.begin(), t.widths.end(), width_ / double(t.widths.size()));
    }
    const auto heightOfRow = [&](const QStringList& row, const QFont& f) {
        double h = 0;
        for (qsizetype c = 0; c < columns.size(); ++c)
            h = std::max(h, heightOf(row.value(c), f, t.widths[size_t(c)] - 2 * t.pad));
        return h + 2 * t.pad;
    };
    t.head = heightOfRow(columns, head);
    t.whole = t.head;
    for (const QStringList& row : rows) t.whole += t.heights.emplace_back(heightOfRow(row, body));
    return t;
}

void PageFlow::table(const QStringList& columns, const std::vector<QStringList>& rows) {
    if (columns.isEmpty()) return;
    const QFont body = font(Style::Body), head = font(Style::Strong);
    const TableLayout t = layOut(columns, rows);
    const auto drawRow = [&](const QStringList& row, const QFont& f, double h, bool shaded) {
        double x = left_;
        painter_.setFont(f);
        painter_.setPen(QPen(Qt::black, cm_ * 0.015));
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QRectF cell(x, y_, t.widths[size_t(c)], h);
            if (shaded) painter_.fillRect(cell, QColor(230, 230, 230));
            painter_.drawRect(cell);
            painter_.drawText(cell.adjusted(t.pad, t.pad, -t.pad, -t.pad),
                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, row.value(c));
            x += t.widths[size_t(c)];
        }
        y_ += h;
    };
    keep(std::min(t.whole, bottom_ - top_));
    drawRow(columns, head, t.head, true);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!fits(t.heights[r])) {
            newPage();
            drawRow(columns, head, t.head, true);
        }
        drawRow(rows[r], body, t.heights[r], false);
    }
    space(0.4);
}

}  // namespace sheets
