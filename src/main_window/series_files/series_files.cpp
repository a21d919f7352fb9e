#include "main_window/series_files/series_files.h"

#include "core/atomic_file.h"
#include "core/model.h"
#include "ui/message_box.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kSeries = u"Séries (*.csv *.txt);;Tous les fichiers (*)"_s;

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

// The first local file a drag carries, if any.
QString droppableFile(const QMimeData* data) {
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

SeriesFiles::SeriesFiles(QWidget* window, const core::Model& model)
    : QObject(window), window_(window), model_(model) {}

core::TwoSeries SeriesFiles::series() const {
    return {model_.series1, model_.writtenValues2()};
}

bool SeriesFiles::saved() const {
    return series() == saved_;
}

void SeriesFiles::markSaved() {
    saved_ = series();
}

void SeriesFiles::recovered(const QString& file) {
    showFile(file, {});
    // No series passes for this one: nothing of it was saved.
    saved_ = {{u"\u0000"_s}, {}};
    emit savedStateShown(false);
}

bool SeriesFiles::open(const QString& path) {
    const core::SeriesReading reading = core::readSeriesFile(path);
    if (!reading.value) {
        ui::messageBox(core::explain(reading.error, nameOf(path)));
        return false;
    }
    emit seriesReplaced(*reading.value, u"Ouvrir une série"_s);
    showFile(path, series());
    emit fileNoted({core::Recent::Kind::Series, path});
    return true;
}

void SeriesFiles::showFile(const QString& path, const core::TwoSeries& saved) {
    file_ = path;
    saved_ = saved;
    window_->setWindowTitle(path.isEmpty() ? u"Statistique"_s : u"Statistique - "_s + nameOf(path));
    emit savedStateShown(true);
}

bool SeriesFiles::saveTo(const QString& path) {
    const core::TwoSeries toSave = series();
    const QByteArray bytes = core::seriesFile(toSave);
    const QString why = core::saveAtomically(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (!why.isEmpty()) {
        ui::messageBox(u"Impossible d'enregistrer « %1 » : %2."_s.arg(nameOf(path), why));
        return false;
    }
    showFile(path, toSave);
    emit fileNoted({core::Recent::Kind::Series, path});
    return true;
}

bool SeriesFiles::changesDealtWith() {
    if (file_.isEmpty() || series() == saved_) return true;
    const int choice = ui::ask(u"Enregistrer les modifications de %1 ?"_s.arg(nameOf(file_)),
                               {u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}, 2);
    if (choice == 0) return saveTo(file_);
    return choice == 1;
}

void SeriesFiles::chooseAndOpen() {
    if (!changesDealtWith()) return;
    const QString path = ui::fileToOpen(window_, u"Ouvrir une série"_s, kSeries);
    if (!path.isEmpty()) open(path);
}

void SeriesFiles::save() {
    if (file_.isEmpty()) return saveAs();
    saveTo(file_);
}

void SeriesFiles::saveAs() {
    const QString path =
        ui::fileToSave(window_, u"Enregistrer la série sous"_s,
                       file_.isEmpty() ? u"serie.csv"_s : file_, {u"Séries (*.csv)"_s}, {u"csv"_s});
    if (path.isEmpty()) return;
    saveTo(path);
}

void SeriesFiles::copy() {
    QGuiApplication::clipboard()->setText(core::copiedCells(series()));
}

// A single column or a row of values leaves the second list as it is.
void SeriesFiles::paste() {
    const core::SeriesReading reading = core::readCopiedCells(QGuiApplication::clipboard()->text());
    if (!reading.value) {
        ui::messageBox(core::explainPaste(reading.error));
        return;
    }
    core::TwoSeries pasted = *reading.value;
    if (pasted.second.isEmpty()) pasted.second = series().second;
    emit seriesReplaced(pasted, u"Coller une série"_s);
}

bool SeriesFiles::canTake(const QMimeData* data) {
    return !droppableFile(data).isEmpty();
}

void SeriesFiles::drop(const QMimeData* data) {
    const QString path = droppableFile(data);
    if (path.isEmpty()) return;
    // Once the drop is over: a message box inside it would hold the dragging program.
    QTimer::singleShot(0, this, [this, path] {
        if (changesDealtWith()) open(path);
    });
}
