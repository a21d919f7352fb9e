#pragma once

// "Exporter pour Moodle…": the exercises chosen, how many variants of each question
// and the first series number, written as a Moodle XML quiz or a GIFT file by core/quiz.

#include "core/exercises/exercise.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

class ExportMoodle : public QDialog {
    Q_OBJECT
public:
    // The exercises offered, the one shown first ticked.
    ExportMoodle(QWidget* parent, std::vector<core::Exercise> exercises, int ticked);

    QListWidget* Liste_exercices;
    QSpinBox* Nombre_variantes;
    QSpinBox* Premiere_serie;
    QComboBox* Format;
    QPushButton* Command_enregistrer;

    // Writes the quiz to `path`: the empty text, or why not, in French.
    QString write(const QString& path) const;

private:
    void save();
    std::vector<core::Exercise> exercises_;
};
