#pragma once

// Text and tables laid down a page after another, as a word processor would: a block
// that does not fit on what is left of a page starts the next one, and a table moves
// whole to the next page unless it is taller than a page, then splits between rows with
// its header repeated.

#include "core/exercises/exercise_chart.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <vector>

namespace sheets {

class PageFlow {
public:
    explicit PageFlow(QPdfWriter& writer);

    enum class Style { Title, Heading, Strong, Body, Small };
    void text(const QString& text, Style style, double spaceAfter = 0.2);
    // Some text, then a line to write on, kept together.
    void labelledLine(const QString& label);
    void table(const QStringList& columns, const std::vector<QStringList>& rows);
    // A chart's record as vectors, as wide as the page allows up to its size on screen,
    // with its caption above it, both on one page; its fault in words if it has one.
    void chart(const core::exercises::ExerciseChartRecord& chart);
    double chartHeight(const core::exercises::ExerciseChartRecord& chart);
    // Ruled lines for the pupil's answer.
    void answerRoom(int lines);
    void space(double cm);
    // A pupil's first page (a new one but for the first), each page with this footer.
    void startEntry(const QString& footer);
    void newPage();
    // What follows, this tall, starts a new page unless it fits on this one.
    void keepTogether(double cm);
    double textHeight(const QString& text, Style style) {
        return heightOf(text, font(style), width_) / cm_;
    }
    double tableHeight(const QStringList& columns, const std::vector<QStringList>& rows);
    bool ended() { return painter_.end(); }

private:
    struct TableLayout {
        std::vector<double> widths, heights;
        double head = 0, whole = 0, pad = 0;
    };
    TableLayout layOut(const QStringList& columns, const std::vector<QStringList>& rows);
    double chartScale(const core::exercises::ExerciseChartRecord& chart) const;
    void drawFooter();
    QFont font(Style style) const;
    double heightOf(const QString& text, const QFont& font, double width);
    bool fits(double height) const { return y_ + height <= bottom_; }
    void keep(double height);

    QPdfWriter& writer_;
    QPainter painter_;
    double cm_;  // device units per centimetre
    double left_, width_, top_, bottom_, y_;
    QString footer_;
    bool started_ = false;
};

}  // namespace sheets
