#pragma once

// The data of an exercise as the teacher gives them: a shape (a raw series, values with
// counts, classes with counts, pairs, a simulation), cells typed or pasted from a
// spreadsheet, or a series, table or pairs file read by the core's readers. It says
// which cell is at fault, as the table window does, and hands over the series read.

#include "core/exercises/exercise.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace ui {
class TypedGrid;
}

namespace exercise_editor {

class TypedTexts;

class DataEditor : public QWidget {
    Q_OBJECT

public:
    using Forme = core::ExerciseSeries::Forme;

    explicit DataEditor(QWidget* parent = nullptr);

    Forme forme() const;
    void setSerie(const core::ExerciseSeries& serie);
    // The series typed, or why not ("Ligne 3, Effectif : …").
    struct TextReading {
        std::optional<core::ExerciseSeries> serie;
        QString faute;
    };
    TextReading lire() const;
    // Reads a series, table or pairs file into the cells; the empty text, or why not.
    QString prendreDans(const QString& path);
    void coller(const QString& text);

signals:
    void changed();
    void formeChanged();

private:
    void montrerForme();
    void dire();
    void prendreDansUnFichier();
    TextReading lireSimulation() const;

    QComboBox* forme_;
    QLineEdit* nom_;
    QComboBox* fermeture_;
    QLineEdit* nomX_;
    QLineEdit* nomY_;
    QStackedWidget* pages_;
    ui::TypedGrid* table_;
    TypedTexts* grid_;
    QLineEdit* p_;
    QLineEdit* n_;
    QLineEdit* echantillons_;
    QLineEdit* observee_;
    QPushButton* fichier_;
    QLabel* faute_;
    core::ExerciseSeries origine_;  // as opened: how its new data are drawn is kept
};

}  // namespace exercise_editor
