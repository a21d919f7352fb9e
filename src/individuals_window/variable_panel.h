#pragma once

// One variable of the selected individuals: a qualitative one (or a numeric one taken
// as qualitative) by its modalities, with bars and a pie; a numeric one by its
// parameters, its counts by value and its classes of equal width, with the histogram.
// Everything is the core's; this panel only shows it and asks for the table of counts
// or the list.

#include "core/frequency_table.h"
#include "core/individuals/dataset.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace individuals_window {

class CellsModel;
class ChartBox;

class VariablePanel : public QWidget {
    Q_OBJECT

public:
    explicit VariablePanel(QWidget* parent);

    // `selection` stays the window's: show() is called again when it changes.
    void show(std::shared_ptr<const core::individuals::Dataset> dataset,
              const core::individuals::Selection* selection, int variable);
    void refresh();

signals:
    void tableRequested(const core::FrequencyTable& table);
    void listRequested(const QStringList& texts, const QString& step);

private:
    bool qualitative() const;
    void showModalities();
    void showNumeric();
    void showClasses();
    void showChart();
    void sendValues();
    void sendClasses();
    void sendList();

    std::shared_ptr<const core::individuals::Dataset> dataset_;
    const core::individuals::Selection* selection_ = nullptr;
    int variable_ = -1;

    QLabel* Titre_variable;
    QCheckBox* Check_qualitative;
    QTabWidget* Onglets_variable;
    QComboBox* Choix_ordre;
    QTableView* Tableau_modalites;
    QTableView* Tableau_parametres;
    QTableView* Tableau_valeurs;
    QLineEdit* Amplitude;
    QLineEdit* Premiere_borne;
    QLabel* Faute_classes;
    QTableView* Tableau_classes;
    QPushButton* Command_tableau_valeurs;
    QPushButton* Command_liste;
    QPushButton* Command_tableau_classes;
    QComboBox* Choix_graphique;
    ChartBox* Graphique_variable;
    CellsModel *modalities_, *parameters_, *values_, *classes_;
};

// A read-only table of cells, named, its accessible name given.
QTableView* cellsView(QWidget* parent, const QString& name, const QString& accessible,
                      CellsModel* model);

}  // namespace individuals_window
