#pragma once

// The practice window: the exercises found in files, each with its statement, its
// data and its questions; the learner's answers checked, the hints and the worked
// solutions shown, new data drawn from a numbered series, and the data asked for in the
// table window (the program's owner opens it). Every figure and every text comes from
// core/exercises/.

#include "core/exercises/exercise.h"
#include "core/exercises/progress.h"
#include "core/frequency_table.h"
#include "ui/form.h"
#include "ui/single_window.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QWidget;

class Exercices : public ui::Form, public ui::SingleWindow<Exercices> {
    Q_OBJECT

public:
    QComboBox* Choix_niveau;  // "Tous les niveaux", then each level from 5e to Tle
    QListWidget* Liste_exercices;
    QPushButton* Command_effacer;  // "Effacer mes résultats"
    QLabel* Label_titre;
    QLabel* Label_enonce;
    QTableView* Table_donnees;
    QLabel* Label_serie;
    QLineEdit* Text_serie;  // the series' number: typed, the same data for everyone
    QLabel* Label_score;
    QPushButton* Command_verifier;
    QPushButton* Command_indice;
    QPushButton* Command_solution;
    QPushButton* Command_nouvelles;
    QPushButton* Command_tableau;
    QPushButton* Command_moodle;  // "Exporter pour Moodle…"

    // One per question of the exercise shown: its answer box (a line, or a chooser for
    // a question answered by a choice), its verdict, its hint and its solution.
    struct Question {
        QLabel* statement;
        QWidget* answer;  // Reponse_1, ...
        QLabel* result;   // Resultat_1, ...
        QLabel* indice;
        QLabel* solution;
    };
    const std::vector<Question>& questions() const { return questions_; }
    const core::Exercise* exercise() const;
    quint32 serial() const { return serial_; }
    // The answer typed or chosen for question i.
    QString answer(int i) const;

    // Reads the folders again: the exercises, and those that do not read, greyed.
    void reread(const QStringList& folders);

signals:
    // "Ouvrir dans le tableau": the table window is to show this exercise's data.
    void tableRequested(const core::FrequencyTable& table);

private:
    friend class ui::SingleWindow<Exercices>;
    Exercices();
    void Liste_exercices_Change();
    void Choix_niveau_Change();
    void Command_effacer_Click();
    // Lists the exercises of the level chosen, with their best scores, on `file`.
    void listFiles(int file);
    int currentFile() const;
    void keepScore(int right);
    void Command_verifier_Click();
    void Command_indice_Click();
    void Command_solution_Click();
    void Command_nouvelles_Click();
    void Command_moodle_Click();
    void Text_serie_Valider();
    void openInTable(int series);
    void displayExercise();
    void displayData();
    void drawNew(quint32 serial);

    std::vector<core::ExerciseFile> files_;
    core::Progress progress_;
    std::optional<core::Exercise> exercise_;  // as shown, with the data of numero_
    quint32 serial_ = 0;                      // 0: the statement's own data
    std::vector<Question> questions_;
    QWidget* questionsZone_;
    QVBoxLayout* questionsLayout_;
};
