#pragma once

// The scatter plot the learner works on: the points painted once for a size, and over
// them the fits and the learner's line, worked out again at each move of that line.
// The line is held by two handles, dragged with the mouse (a handle, or the whole line
// from anywhere along it) or moved with the arrows (Space chooses the other handle).

#include "core/pairs/scatter_chart.h"
#include "ui/chart_output.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace pairs_window {

class ScatterView : public QWidget {
    Q_OBJECT

public:
    explicit ScatterView(QWidget* parent);

    // The pairs shown; the learner's line starts again through G, level.
    void setPairs(std::shared_ptr<const core::pairs::Pairs> pairs);
    // The fits, residuals and precision; `byEye` says whether the learner's line shows.
    void setOptions(const core::pairs::ScatterOptions& options, bool byEye);
    // The learner's line, if the pairs allow one.
    std::optional<core::pairs::Line> line() const;
    // Moves the chosen handle by a share of each axis's span, as an arrow does.
    void moveHandle(double shareX, double shareY);
    int chosenHandle() const { return chosen_; }
    // The whole chart as it shows, for the clipboard, files and paper.
    ui::Chart chart();
    QString fault() const { return fault_; }

signals:
    // After each move of the learner's line.
    void lineMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void workOutBase();
    void workOutOverlay();
    core::pairs::Point dataAt(QPointF pixel) const;
    QPointF pixelOf(core::pairs::Point p) const;
    void startLine();

    std::shared_ptr<const core::pairs::Pairs> pairs_ = std::make_shared<const core::pairs::Pairs>();
    core::pairs::ScatterOptions options_;
    bool byEye_ = false;
    std::optional<core::pairs::ScatterBase> base_;
    core::pairs::ChartRecord overlay_;
    core::Drawing whole_;
    QImage baseImage_;
    QString fault_;
    core::pairs::Point handles_[2];
    int chosen_ = 0;
    enum class Drag { None, First, Second, Whole } drag_ = Drag::None;
    core::pairs::Point dragFrom_;
};

}  // namespace pairs_window
