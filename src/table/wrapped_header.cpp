#include "table/wrapped_header.h"

#include <QStyle>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLines = 3;  // at most, for a title
}  // namespace

WrappedHeader::WrappedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    // As a table view's own header: titles clicked select, the current one stands out.
    setSectionsClickable(true);
    setHighlightSections(true);
    setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    // Cut short, a title would not wrap.
    setTextElideMode(Qt::ElideNone);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    setMinimumHeight(kLines * fontMetrics().lineSpacing() + 2 * margin + 4);
}

// The narrowest width at which the title, wrapped at its spaces, takes at most
// kLines lines, measured bold as the current column's title is drawn.
QSize WrappedHeader::sectionSizeFromContents(int logicalIndex) const {
    const QSize single = QHeaderView::sectionSizeFromContents(logicalIndex);
    const QString title =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const QStringList words = title.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2) return single;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const auto linesAt = [&](int width) {
        int lines = 1;
        QString line;
        for (const QString& word : words) {
            if (metrics.horizontalAdvance(word) > width) return INT_MAX;  // a word is not cut
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
                line = longer;
            } else {
                ++lines;
                line = word;
            }
        }
        return lines;
    };
    // Some run of whole words is the widest line at the narrowest width.
    int narrowest = metrics.horizontalAdvance(title);
    for (qsizetype from = 0; from < words.size(); ++from)
        for (qsizetype to = from + 1; to <= words.size(); ++to) {
            const int width = metrics.horizontalAdvance(words.mid(from, to - from).join(u' '));
            if (width < narrowest && linesAt(width) <= kLines) narrowest = width;
        }
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return {std::min(single.width(), narrowest + 2 * margin + 2),
            std::max(single.height(), minimumHeight())};
}
