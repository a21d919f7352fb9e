#pragma once

// A chart area whose chart is worked out again for each size it is given, so that its
// axes, lines and texts keep their size and stay sharp however the window is sized and
// whatever the screen's scale. What a screen reader tells of it is the chart's own
// description; a chart that cannot be drawn shows why instead.

#include "core/drawing.h"
#include "ui/chart_output.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace ui {

class ChartView : public QWidget {
    Q_OBJECT

public:
    struct Content {
        core::Drawing drawing;
        QString description;  // the chart in words
        QString fault;        // why nothing is drawn, when nothing is
    };
    // Works the chart out for an area of that size in twips.
    using Draw = std::function<Content(double widthTwips, double heightTwips)>;

    ChartView(QWidget* parent, quint32 background);

    void setChart(Draw draw);
    bool drawn() const { return content_.fault.isEmpty() && !content_.drawing.isEmpty(); }
    const Content& content() const { return content_; }
    // The chart as it shows, for the clipboard, files and paper.
    Chart chart() const;

signals:
    void drawnChanged(bool drawn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void workOut();

    Draw draw_;
    Content content_;
    quint32 background_;
    QImage image_;  // the chart at the screen's resolution, made once per content
};

}  // namespace ui
