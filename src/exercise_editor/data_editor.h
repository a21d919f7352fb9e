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
    using Shape = core::ExerciseSeries::Shape;

    explicit DataEditor(QWidget* parent = nullptr);

    Shape shape() const;
    void setSeries(const core::ExerciseSeries& series);
    // The series typed, or why not ("Ligne 3, Effectif : …").
    struct TextReading {
        std::optional<core::ExerciseSeries> series;
        QString fault;
    };
    TextReading read() const;
    // Reads a series, table or pairs file into the cells; the empty text, or why not.
    QString takeFrom(const QString& path);
    void paste(const QString& text);

signals:
    void changed();
    void shapeChanged();

private:
    void displayShape();
    void tell();
    void takeFromFile();
    TextReading readSimulation() const;

    QComboBox* shape_;
    QLineEdit* name_;
    QComboBox* closure_;
    QLineEdit* nameX_;
    QLineEdit* nameY_;
    QStackedWidget* pages_;
    ui::TypedGrid* table_;
    TypedTexts* grid_;
    QLineEdit* p_;
    QLineEdit* n_;
    QLineEdit* samples_;
    QLineEdit* observed_;
    QPushButton* file_;
    QLabel* fault_;
    core::ExerciseSeries origin_;  // as opened: how its new data are drawn is kept
};

}  // namespace exercise_editor
