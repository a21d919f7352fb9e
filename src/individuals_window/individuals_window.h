#pragma once

// The window of a file of individuals: the rows in a grid, the variables with their
// nature, one variable counted and drawn, a cross table of two, all among the
// individuals the typed filter keeps. The column store and every computation are the
// core's; a big file is read on the thread pool with a progress bar and "Annuler", and
// the dataset shown changes only once a reading has succeeded. What is done elsewhere
// (the table of counts, the list, the window of two variables) is asked by signals.

#include "core/frequency_table.h"
#include "core/individuals/dataset.h"

#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace individuals_window {
class CellsModel;
class CrossPanel;
class GridModel;
class VariablePanel;
struct Loading;
}  // namespace individuals_window

class Individus : public QWidget {
    Q_OBJECT

public:
    // Files larger than this are read off the window's thread.
    static constexpr qint64 kBackgroundBytes = 1 << 20;

    explicit Individus(QWidget* parent = nullptr);
    ~Individus() override;

    // Shows this dataset, read from a file of that name.
    void setDataset(core::individuals::Dataset dataset, const QString& fileName);
    // Reads a file; a refused one is told in the window and the dataset stays.
    void open(const QString& path);
    // Asks the learner for a file, then opens it.
    void chooseFile();
    bool loading() const { return loading_ != nullptr; }
    const core::individuals::Selection& selection() const { return selection_; }

signals:
    void tableRequested(const core::FrequencyTable& table);
    void listRequested(const QStringList& texts, const QString& step);
    // Two numeric variables of the selected individuals, where both are given.
    void pairsRequested(const std::vector<double>& xValues, const std::vector<double>& yValues,
                        const QString& xName, const QString& yName);

private:
    void createFilterBar(QWidget* parent, class QVBoxLayout* layout);
    void pollLoading();
    void cancelLoading();
    void applyFilter();
    bool filterSelection();
    void showSelection();
    void showPanels();
    void variableChosen();
    void fillValueChoices();
    void addComparison();
    void requestPairs();
    std::vector<int> chosenVariables() const;

    std::shared_ptr<const core::individuals::Dataset> dataset_;
    core::individuals::Selection selection_;
    std::shared_ptr<individuals_window::Loading> loading_;
    QTimer* poll_;

    QPushButton* Command_ouvrir;
    QLabel* Message_lecture;
    QProgressBar* Progression;
    QPushButton* Command_annuler;
    QLineEdit* Filtre;
    QLabel* Faute_filtre;
    QLabel* Nombre_individus;
    QComboBox* Choix_variable_filtre;
    QComboBox* Choix_operateur;
    QComboBox* Valeur_filtre;
    QComboBox* Choix_liaison;
    QPushButton* Command_ajouter;
    QTabWidget* Onglets;
    QWidget* variablesPage_;
    bool variableStale_ = false, crossStale_ = false;  // to work out when shown
    QTableView* Grille_individus;
    QTableView* Liste_variables;
    QPushButton* Command_deux_variables;
    individuals_window::GridModel* grid_;
    individuals_window::CellsModel* variables_;
    individuals_window::VariablePanel* variable_;
    individuals_window::CrossPanel* cross_;
};
