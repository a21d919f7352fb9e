#pragma once

// The teacher's exercise editor, Exercices > "Nouvel exercice…" or "Modifier
// l'exercice…": the title, level, themes and statement, the data (DataEditor), the
// questions (QuestionEditor) and a preview of what the learner will see (Preview). On
// "Enregistrer" the exercise is checked by the core (core/exercises/editing.h): a fault
// is shown and nothing is written; otherwise the JSON goes into the teacher's folder
// and `saved` tells the owner, who has the practice list read again.

#include "core/exercises/exercise.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace exercise_editor {
class DataEditor;
class Preview;
class QuestionEditor;
}  // namespace exercise_editor

class Editeur_exercice : public QWidget {
    Q_OBJECT

public:
    // New exercises go into `dossier`; the teacher's folder when it is empty.
    explicit Editeur_exercice(const QString& dossier = {}, QWidget* parent = nullptr);

    QString dossier() const { return dossier_; }
    // An empty exercise, "Nouvel exercice".
    void nouveau();
    // The exercise of a file; the reader's reason when it does not read.
    QString ouvrir(const QString& chemin);
    // The exercise as typed, and what stops it from being saved.
    core::Exercise exercice() const;
    QStringList fautes() const;
    // Checks, then writes; the file written, or the empty text when nothing was.
    QString enregistrer();
    // Whether what was typed may be left: nothing unsaved, saved now, or given up after
    // asking; `annulable` offers "Annuler", which keeps the editor as it is.
    bool laisser(bool annulable = true);

signals:
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void montrerApercu();
    void dire(const QString& texte, bool faute);
    // The file and whether the exercise differs from it, for the desktop to read.
    void montrerEtatDuFichier();

    QString dossier_;
    QByteArray enregistre_;  // the exercise as last saved or opened, to tell a change
    QString chemin_;         // the file being changed; empty for a new exercise
    std::vector<core::ExerciseSeries> autres_;  // series beyond the first, kept as opened
    QTabWidget* onglets_;
    QLineEdit* titre_;
    QComboBox* niveau_;
    QLineEdit* themes_;
    QPlainTextEdit* enonce_;
    exercise_editor::DataEditor* donnees_;
    exercise_editor::QuestionEditor* questions_;
    exercise_editor::Preview* apercu_;
    QLabel* etat_;
    QPushButton* enregistrer_;
};
