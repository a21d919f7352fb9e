#pragma once

// The window "Feuilles pour la classe": exercises chosen from the list, the pupils (a
// number or their names, typed or from a file), the first series number and the two
// PDF files; the writing runs off the window's thread with a progress bar and
// "Annuler".

#include "core/exercises/exercise.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

class Feuilles : public QWidget {
    Q_OBJECT
public:
    explicit Feuilles(QWidget* parent = nullptr);
    ~Feuilles() override;

    // The exercises offered, those that read.
    void setExercises(const std::vector<core::ExerciseFile>& files);

    // What the last writing said, as the status line shows it.
    QString status() const;

signals:
    // Both files are written (the key's path empty when none was asked).
    void written(const QString& sheets, const QString& key);

private:
    void write();
    void chooseFile(QLineEdit* edit, const QString& caption);
    void loadPupils();
    void finish(const QString& fault);
    void tell(const QString& text);

    std::vector<core::Exercise> exercises_;
    QListWidget* list_;
    QPlainTextEdit* pupils_;
    QSpinBox* first_;
    QLineEdit* sheetsFile_;
    QLineEdit* keyFile_;
    QProgressBar* progress_;
    QPushButton* writeButton_;
    QPushButton* cancel_;
    QLabel* status_;
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancelled_;
};
