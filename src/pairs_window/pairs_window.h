#pragma once

// Two variables measured on the same individuals: the table of pairs, the scatter plot
// with its mean point and the fits chosen (the learner's own line, Mayer's line, least
// squares, a change of variable, the exponential fit), the estimates they give, the
// residuals, and the Lorenz curve with its Gini index. Every figure comes from
// core::pairs; the window only shows it.

#include "core/frequency_table.h"
#include "core/pairs/fits.h"

#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;
class QTabWidget;

namespace ui {
class ChartView;
struct Chart;
}  // namespace ui

namespace pairs_window {

class PairsModel;
class ScatterView;

// A figure or a fault shown as a text to select and copy, its role read by a screen reader.
QLabel* readableLabel(QWidget* parent, const char* name, const QString& accessible);

class Deux_variables : public QWidget {
    Q_OBJECT

public:
    explicit Deux_variables(QWidget* parent = nullptr);
    ~Deux_variables() override;

    // Pairs given from elsewhere (a file, two variables of the individuals): they take
    // the table's place, with their names.
    void setPairs(const core::pairs::Pairs& pairs);
    // Opens a file of pairs; any fault is told and the table kept.
    bool openFile(const QString& path);
    // The table of counts whose Lorenz curve the window can draw.
    void setTable(const core::TableAnalysis& table);
    // The pairs that count, as the table shows them.
    const core::pairs::Pairs& pairs() const;

private:
    QWidget* makeDataPanel();
    QWidget* makeFitPanel();
    QWidget* makeChartButtons(const QString& name, std::function<ui::Chart()> chart);
    void pasteClipboard();
    void chooseFile();
    void saveFile();
    void update();  // everything that follows the pairs or the options
    void updateByEye();
    void updateResiduals();
    void updateEstimates();
    void updateLorenz();
    std::vector<core::pairs::Curve> shownFits(QStringList& faults) const;
    core::pairs::Computed<core::pairs::Curve> chosenFit() const;
    int decimals() const;

    PairsModel* model_;
    QLineEdit *nameX_ = nullptr, *nameY_ = nullptr;
    QTableView* table_;
    QLabel *fault_, *statistics_;
    ScatterView* scatter_;
    QCheckBox *byEye_, *mayer_, *leastSquares_, *xInY_, *change_, *exponential_;
    QComboBox *changeX_, *changeY_, *residualStyle_, *chosen_, *lorenzSource_;
    QSpinBox* decimals_;
    QLabel *byEyeEquation_, *byEyeSum_, *mayerGroups_, *fitFault_;
    QLineEdit *estimateX_, *estimateY_;
    QLabel *estimatedY_, *estimatedX_;
    ui::ChartView *residualChart_, *lorenzChart_;
    QLabel* gini_;
    QTabWidget* tabs_;
    std::optional<core::TableAnalysis> counts_;
    core::pairs::Summary summary_;
    bool summarized_ = false;
    std::optional<double> leastSquaresSum_;  // worked out once for the learner's moves
    static constexpr int kByEyeChoice = 2;   // the learner's line in the chosen fits
};

}  // namespace pairs_window
