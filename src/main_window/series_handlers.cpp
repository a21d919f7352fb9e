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

core::TwoSeries statistique::serie() const {
    return seriesFiles_->series();
}

QString statistique::fichier() const {
    return seriesFiles_->file();
}

bool statistique::enregistree() const {
    return seriesFiles_->saved();
}

// The summary runs once, the second list is read, and the chart and the frequency
// answer, which showed the series that is gone, are wiped.
void statistique::chargerSerie(const core::TwoSeries& serie) {
    List1->setItems(serie.first);
    dexo_mod::calculer_bilan();
    Text_liste2->setText(serie.second.join(u"\r\n"_s));
    sub_graph_effacer();
    Label1->setCaption(QString());
}

void statistique::remplacerSerie1(const QStringList& textes) {
    List1->clearItems();
    for (const QString& texte : textes) List1->append(texte);
    dexo_mod::calculer_bilan();
}

bool statistique::ouvrirSerie(const QString& chemin) {
    return seriesFiles_->open(chemin);
}

void statistique::recupererSerie(const QStringList& liste1, const QString& texteListe2,
                                 const QString& fichier) {
    List1->setItems(liste1);
    dexo_mod::calculer_bilan();
    Text_liste2->setText(texteListe2);
    sub_graph_effacer();
    Label1->setCaption(QString());
    seriesFiles_->recovered(fichier);
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
    const bool autres = !beforeClosing_ || beforeClosing_();
    if (autres && seriesFiles_->changesDealtWith()) {
        event->accept();
        emit finNormale();
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
