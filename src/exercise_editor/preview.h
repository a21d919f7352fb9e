#pragma once

// The exercise as the learner will see it in the practice window: its title, its
// statement, its data as the same table, and each question with the answer box it gets
// (a line, or the choices offered), here with the answer the core expects and the
// working it writes.

#include "core/exercises/exercise.h"

#include <QWidget>

class QLabel;
class QTableView;
class QVBoxLayout;

namespace exercise_editor {

class Preview : public QWidget {
    Q_OBJECT

public:
    explicit Preview(QWidget* parent = nullptr);

    // The exercise as read back from its file; none when the file would not read.
    void display(const core::Exercise* exercise, const QString& fault);
    // Everything shown, as a screen reader reads it.
    QString text() const;

private:
    QLabel* title_;
    QLabel* statement_;
    QTableView* table_;
    QWidget* questions_;
    QVBoxLayout* questionsLayout_;
};

}  // namespace exercise_editor
