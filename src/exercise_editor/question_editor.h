#pragma once

// The questions of an exercise: a list to add, remove and order them, and for the one
// chosen its text, the quantity asked (from the list the core offers for the data's
// shape), the parameters that quantity takes, its precision, unit, hint and explanation.

#include "core/exercises/editing.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace exercise_editor {

class QuestionEditor : public QWidget {
    Q_OBJECT

public:
    explicit QuestionEditor(QWidget* parent = nullptr);

    // The quantities offered follow the shape of the data; several series may also be
    // compared.
    void setForme(core::ExerciseSeries::Forme forme, bool plusieursSeries = false);
    void setQuestions(const std::vector<core::ExerciseQuestion>& questions);
    // A new question asking the first quantity offered, chosen for editing.
    void ajouter();
    // The questions as typed, and the figures typed that are no numbers.
    struct TextReading {
        std::vector<core::ExerciseQuestion> questions;
        QStringList fautes;
    };
    TextReading lire() const;

signals:
    void changed();

private:
    // A question with its figures kept as typed, read when the exercise is.
    struct Saisie {
        core::ExerciseQuestion question;
        QString parametre, precision, depart;
    };
    void choisir(int rang);
    void garder();
    void montrerParametres();
    void listerQuantites();
    void relister();
    void deplacer(int pas);

    core::ExerciseSeries::Forme forme_ = core::ExerciseSeries::Forme::Brute;
    bool plusieursSeries_ = false;
    std::vector<Saisie> saisies_;
    int courante_ = -1;
    bool chargement_ = false;
    QListWidget* liste_;
    QFormLayout* details_;
    QPlainTextEdit* texte_;
    QComboBox* quantite_;
    QLineEdit* parametre_;
    QComboBox* methode_;
    QCheckBox* changement_;
    QComboBox* depart_;
    QLineEdit* departValeur_;
    QComboBox* k_;
    QPlainTextEdit* choix_;
    QLineEdit* reponse_;
    QLineEdit* precision_;
    QLineEdit* unite_;
    QLineEdit* indice_;
    QPlainTextEdit* explication_;
};

}  // namespace exercise_editor
