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
    void setShape(core::ExerciseSeries::Shape shape, bool severalSeries = false);
    void setQuestions(const std::vector<core::ExerciseQuestion>& questions);
    // A new question asking the first quantity offered, chosen for editing.
    void add();
    // The questions as typed, and the figures typed that are no numbers.
    struct TextReading {
        std::vector<core::ExerciseQuestion> questions;
        QStringList faults;
    };
    TextReading read() const;

signals:
    void changed();

private:
    // A question with its figures kept as typed, read when the exercise is.
    struct Entry {
        core::ExerciseQuestion question;
        QString parameter, precision, startPoint;
    };
    void choose(int index);
    void keep();
    void displayParameters();
    void listQuantities();
    void relist();
    void moveQuestion(int step);

    core::ExerciseSeries::Shape shape_ = core::ExerciseSeries::Shape::Raw;
    bool severalSeries_ = false;
    std::vector<Entry> entries_;
    int current_ = -1;
    bool loading_ = false;
    QListWidget* list_;
    QFormLayout* details_;
    QPlainTextEdit* text_;
    QComboBox* quantity_;
    QLineEdit* parameter_;
    QComboBox* method_;
    QCheckBox* variableChange_;
    QComboBox* startFrom_;
    QLineEdit* startValue_;
    QComboBox* k_;
    QPlainTextEdit* choices_;
    QLineEdit* answer_;
    QLineEdit* precision_;
    QLineEdit* unit_;
    QLineEdit* hint_;
    QPlainTextEdit* explanation_;
};

}  // namespace exercise_editor
