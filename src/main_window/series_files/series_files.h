#pragma once

// The main window's series in and out: the file that goes with them, opened and saved
// from the menu, given on the command line or dropped on the window; the cells copied to
// and pasted from the clipboard; and the question before changes are lost. Reading and
// writing are the core's (core/series_file.h); this part asks, shows and says. It reads
// the series from the model and asks the window, by its signals, to replace them.

#include "core/recent_files.h"
#include "core/series_file.h"

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace core {
class Model;
}

class SeriesFiles : public QObject {
    Q_OBJECT

public:
    // `window` is the one whose caption names the file and over which dialogs open.
    SeriesFiles(QWidget* window, const core::Model& model);

    // Both series as a file holds them: the first's items and the second list's values.
    core::TwoSeries series() const;
    // The file that goes with the series; empty when none does.
    QString file() const { return file_; }
    // Nothing would be lost: the series as saved in their file, or as marked by
    // markSaved().
    bool saved() const;
    // The series as they are now count as nothing to lose.
    void markSaved();
    // Series given back after the program stopped: shown with the file they had, and not
    // saved.
    void recovered(const QString& file);

    // Both series replaced by the file's, or a message saying why not and nothing changed.
    bool open(const QString& path);
    // The file chosen in a dialog opened, once changes were dealt with.
    void chooseAndOpen();
    void save();
    void saveAs();
    // Asks whether to save changes that would be lost; false when the learner cancels.
    bool changesDealtWith();

    void copy();
    // Pasted cells replace the first series, and the second only when they hold a
    // second column.
    void paste();

    // A drag that carries a local file may be dropped; the file opens once the drop is
    // over.
    static bool canTake(const QMimeData* data);
    void drop(const QMimeData* data);

signals:
    // The window replaces both series as a step named `step` that "Annuler" undoes.
    void seriesReplaced(const core::TwoSeries& series, const QString& step);
    // A series file opened or saved: first in "Séries récentes".
    void fileNoted(const core::Recent& recent);
    // The series now shown are as their file holds them (a file opened or saved), or
    // hold what no file does (series recovered after a stop).
    void savedStateShown(bool saved);

private:
    bool saveTo(const QString& path);
    void showFile(const QString& path, const core::TwoSeries& saved);

    QWidget* window_;
    const core::Model& model_;
    QString file_;
    core::TwoSeries saved_;
};
