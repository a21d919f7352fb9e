#pragma once

// The parameters window: the parameters of both series as taught in class, the table
// of counts of the series chosen, and a box plot of both on one axis (the core's
// record, copied, exported and printed as every chart is). It follows the series while
// it is open, and computes nothing while it is closed. Every figure comes from
// core/parameters and core/series_box_plot; the window only shows them.

#include "core/parameters.h"
#include "ui/form.h"
#include "ui/single_window.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace core {
class Model;
}  // namespace core

namespace ui {
class ChartView;
class TableModel;
}  // namespace ui

class Parametres_serie : public ui::Form, public ui::SingleWindow<Parametres_serie> {
    Q_OBJECT

public:
    QTableView* Table_parametres;
    QComboBox* Choix_serie;  // "Série 1" or "Série 2": whose counts the table shows
    QTableView* Table_effectifs;
    QLabel* Label_quartiles;
    ui::ChartView* Box;
    QPushButton* Command_copier;  // the tables
    QPushButton* Command_copier_boite;
    QPushButton* Command_exporter_boite;
    QPushButton* Command_imprimer_boite;

    // The series it shows: the program's model, given by its owner once it is made.
    void setModel(const core::Model& model);

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ui::SingleWindow<Parametres_serie>;
    Parametres_serie();
    void readSeries1();
    void readSeries2();
    void display();
    void Command_copier_Click();

    const core::Model* model_ = nullptr;
    std::vector<double> values_[2];
    core::SeriesParameters parameters_[2];
    std::shared_ptr<const std::vector<core::CountedClass>> classes_ =
        std::make_shared<const std::vector<core::CountedClass>>();
    ui::TableModel* parametersModel_;
    ui::TableModel* countsModel_;
};
