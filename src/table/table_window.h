#pragma once

// The table of counts window: a series typed as values with their counts, or classes
// with their counts, its computed columns, its parameters (estimated on the cumulative
// polygon for classes), the values above and below a threshold, and its charts. It opens and saves
// table files, fills itself with the exercise's data, and sends its series to the main
// list through toList(), which the main window carries out. Every figure comes
// from core/tableau_effectifs; the window only shows them.
//
// Its controls and wiring are table_window.cpp, what follows an edit
// table_window_editing.cpp, its files table_window_files.cpp, and the model of the grid
// typed into table_entry.h.

#include "core/frequency_table.h"
#include "core/recent_files.h"
#include "ui/form.h"
#include "ui/single_window.h"

class TableEntryModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {
class ChartView;
class TableModel;
class TypedGrid;
}  // namespace ui

class Tableau_effectifs : public ui::Form, public ui::SingleWindow<Tableau_effectifs> {
    Q_OBJECT

public:
    QComboBox* Choix_nature;     // "Valeurs et effectifs" or "Classes et effectifs"
    QComboBox* Choix_fermeture;  // ]a ; b] or [a ; b[
    ui::TypedGrid* Table_saisie;
    QPushButton* Command_ajouter;
    QPushButton* Command_supprimer;
    QLabel* Label_erreur;
    QTableView* Table_parametres_effectifs;
    QLabel* Label_definition;
    // The current cell as a line of text: what a screen reader edits the table through.
    QLineEdit* Text_cellule;
    QLineEdit* Text_seuil;
    QLabel* Label_seuil;
    QPushButton* Command_exercice;
    QPushButton* Command_vers_liste;
    QPushButton* Command_ouvrir;
    QPushButton* Command_enregistrer;
    QComboBox* Choix_graphique;  // the table's charts, by their titles
    QCheckBox* Check_deciles;    // the box plot's whiskers at D1 and D9
    ui::ChartView* Picture_tableau;
    QPushButton* Command_copier;
    QPushButton* Command_exporter;
    QPushButton* Command_imprimer;

    const core::FrequencyTable& table() const;
    // Opens a table file: the table replaced, or a message saying why not.
    bool openTable(const QString& path);
    // Shows a table of data from elsewhere (an exercise's), once a changed table has
    // been dealt with; false when the learner cancels.
    bool openData(const core::FrequencyTable& givenData);
    // Asks whether to save a changed table; false when the learner cancels.
    bool changesSettled();
    // The file the table goes with, if any, and whether it holds nothing left unsaved.
    QString file() const { return file_; }
    bool saved() const;
    // A table given back after the program stopped: shown, marked as not saved.
    void recover(const core::FrequencyTable& table, const QString& file);

signals:
    // The series the main list is to hold, from "Vers la liste".
    void toList(const QStringList& texts);
    // Any change of the table: a cell, a row, its kind, a file opened or saved.
    void tableChanged();
    // A table file opened or saved, for the recent files.
    void fileNoted(const core::Recent& recent);

private:
    friend class ui::SingleWindow<Tableau_effectifs>;
    Tableau_effectifs();
    void display();
    void displayThreshold();
    void displayCell();
    void displayChart();
    void Text_cellule_Valider();
    void Choix_nature_Change();
    void Command_ajouter_Click();
    void Command_supprimer_Click();
    void Command_exercice_Click();
    void Command_vers_liste_Click();
    void Command_ouvrir_Click();
    void Command_enregistrer_Click();
    void Command_exporter_Click();
    bool saveTo(const QString& path);
    void displayFile(const QString& path);

    TableEntryModel* entry_;
    ui::TableModel* parametersModel_;
    QString file_;
    core::FrequencyTable savedJson_;
    core::FrequencyTable::Nature displayedNature_ = core::FrequencyTable::Nature::Values;
};
