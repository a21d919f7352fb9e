#pragma once

// The cross table of two variables among the selected individuals (a numeric one in
// its classes, or taken as qualitative): counts or percentages with their totals, the chosen cell
// told in a sentence, copied as cells a spreadsheet pastes or saved as CSV.

#include "core/individuals/cross_table.h"
#include "core/individuals/dataset.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace individuals_window {

class CellsModel;

class CrossPanel : public QWidget {
    Q_OBJECT

public:
    explicit CrossPanel(QWidget* parent);

    void show(std::shared_ptr<const core::individuals::Dataset> dataset,
              const core::individuals::Selection* selection);
    void refresh();
    const core::individuals::CrossTable& table() const { return table_; }

private:
    // A numeric variable offers to be taken as qualitative, unticked when newly chosen.
    void variableChosen(QComboBox* choice, QCheckBox* asModalities);
    core::individuals::Side side(const QComboBox* choice, const QCheckBox* asModalities) const;
    void explain();
    void copy();
    void save();

    std::shared_ptr<const core::individuals::Dataset> dataset_;
    const core::individuals::Selection* selection_ = nullptr;
    core::individuals::CrossTable table_;

    QComboBox* Choix_lignes;
    QComboBox* Choix_colonnes;
    QCheckBox* Check_qualitative_lignes;
    QCheckBox* Check_qualitative_colonnes;
    QComboBox* Choix_pourcentages;
    QTableView* Tableau_croise;
    QLabel* Explication;
    QPushButton* Command_copier;
    QPushButton* Command_enregistrer;
    CellsModel* cells_;
};

}  // namespace individuals_window
