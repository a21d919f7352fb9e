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
    // New exercises go into `folder`; the teacher's folder when it is empty.
    explicit Editeur_exercice(const QString& folder = {}, QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    // An empty exercise, "Nouvel exercice".
    void startNew();
    // The exercise of a file; the reader's reason when it does not read.
    QString open(const QString& path);
    // The exercise as typed, and what stops it from being saved.
    core::Exercise exercise() const;
    QStringList faults() const;
    // Checks, then writes; the file written, or the empty text when nothing was.
    QString save();
    // Whether what was typed may be left: nothing unsaved, saved now, or given up after
    // asking; `cancellable` offers "Annuler", which keeps the editor as it is.
    bool mayLeave(bool cancellable = true);

signals:
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void displayPreview();
    void tell(const QString& text, bool fault);
    // The file and whether the exercise differs from it, for the desktop to read.
    void displayFileState();

    QString folder_;
    QByteArray savedJson_;  // the exercise as last saved or opened, to tell a change
    QString path_;          // the file being changed; empty for a new exercise
    std::vector<core::ExerciseSeries> otherSeries_;  // series beyond the first, kept as opened
    QTabWidget* tabs_;
    QLineEdit* title_;
    QComboBox* level_;
    QLineEdit* themes_;
    QPlainTextEdit* statement_;
    exercise_editor::DataEditor* dataEditor_;
    exercise_editor::QuestionEditor* questions_;
    exercise_editor::Preview* preview_;
    QLabel* stateLabel_;
    QPushButton* saveButton_;
};
