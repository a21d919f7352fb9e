// The series in and out of the window: the menu's files and clipboard, a dropped file,
// the window's end, and both lists replaced, as the learner would have typed them. The
// files themselves are the series_io part's.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/series_files/series_files.h"
#include "main_window/statistique.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>

using namespace Qt::StringLiterals;

core::TwoSeries statistique::series() const {
    return seriesFiles_->series();
}

QString statistique::file() const {
    return seriesFiles_->file();
}

bool statistique::seriesSaved() const {
    return seriesFiles_->saved();
}

// The summary runs once, the second list is read, and the chart and the frequency
// answer, which showed the series that is gone, are wiped.
void statistique::loadSeries(const core::TwoSeries& series) {
    List1->setItems(series.first);
    dexo_mod::calculer_bilan();
    Text_liste2->setText(series.second.join(u"\r\n"_s));
    sub_graph_effacer();
    Label1->setCaption(QString());
}

void statistique::replaceSeries1(const QStringList& texts) {
    List1->clearItems();
    for (const QString& text : texts) List1->append(text);
    dexo_mod::calculer_bilan();
}

bool statistique::openSeries(const QString& path) {
    return seriesFiles_->open(path);
}

void statistique::recoverSeries(const QStringList& list1, const QString& list2Text,
                                const QString& file) {
    List1->setItems(list1);
    dexo_mod::calculer_bilan();
    Text_liste2->setText(list2Text);
    sub_graph_effacer();
    Label1->setCaption(QString());
    seriesFiles_->recovered(file);
}

void statistique::mnuOuvrir_Click() {
    seriesFiles_->chooseAndOpen();
}

void statistique::mnuEnregistrer_Click() {
    seriesFiles_->save();
}

void statistique::mnuEnregistrerSous_Click() {
    seriesFiles_->saveAs();
}

void statistique::mnuQuitter_Click() {
    close();
}

void statistique::closeEvent(QCloseEvent* event) {
    // The table of counts goes with the program: its changes are asked about first.
    const bool othersDealtWith = !beforeClosing_ || beforeClosing_();
    if (othersDealtWith && seriesFiles_->changesDealtWith()) {
        event->accept();
        emit cleanEnd();
    } else {
        event->ignore();
    }
}

void statistique::mnuCopierSerie_Click() {
    seriesFiles_->copy();
}

void statistique::mnuCollerSerie_Click() {
    seriesFiles_->paste();
}

void statistique::dragEnterEvent(QDragEnterEvent* event) {
    if (SeriesFiles::canTake(event->mimeData())) event->acceptProposedAction();
}

void statistique::dropEvent(QDropEvent* event) {
    if (!SeriesFiles::canTake(event->mimeData())) return;
    event->acceptProposedAction();
    seriesFiles_->drop(event->mimeData());
}
