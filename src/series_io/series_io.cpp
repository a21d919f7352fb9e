// Series in and out of the main window: files opened and saved from the menu, given on
// the command line or dropped on the window, and cells copied to and pasted from the
// clipboard. Reading and writing are the core's; the window only asks, shows and says.

#include "core/atomic_file.h"
#include "core/second_list_text.h"
#include "core/series_file.h"
#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/statistique.h"
#include "ui/message_box.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString kSeries = u"Séries (*.csv *.txt);;Tous les fichiers (*)"_s;

QString nomDe(const QString& chemin) {
    return QFileInfo(chemin).fileName();
}

// The first local file a drag carries, if any.
QString fichierDeposable(const QMimeData* donnees) {
    for (const QUrl& url : donnees->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

core::TwoSeries statistique::serie() const {
    const core::Modele& modele = dexo_mod::modele();
    return {modele.serie1, modele.valeursEcrites2()};
}

// Both series replaced, as the learner would have typed them: the summary runs once,
// the second list is read, and the chart and the frequency answer, which showed the
// series that is gone, are wiped.
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
    const core::SeriesReading lecture = core::readSeriesFile(chemin);
    if (!lecture.series) {
        ui::messageBox(core::explain(lecture.error, nomDe(chemin)));
        return false;
    }
    avecAnnulation(u"Ouvrir une série"_s, [&] { chargerSerie(*lecture.series); });
    montrerFichier(chemin, serie());
    noterRecent({core::Recent::Genre::Serie, chemin});
    return true;
}

void statistique::montrerFichier(const QString& chemin, const core::TwoSeries& enregistree) {
    fichier_ = chemin;
    enregistree_ = enregistree;
    historique_.setClean();
    setWindowTitle(chemin.isEmpty() ? u"Statistique"_s : u"Statistique - "_s + nomDe(chemin));
}

bool statistique::enregistrerDans(const QString& chemin) {
    const core::TwoSeries aEnregistrer = serie();
    const QByteArray octets = core::seriesFile(aEnregistrer);
    const QString pourquoi = core::saveAtomically(
        chemin, [&](QIODevice& fichier) { return fichier.write(octets) == octets.size(); });
    if (!pourquoi.isEmpty()) {
        ui::messageBox(u"Impossible d'enregistrer « %1 » : %2."_s.arg(nomDe(chemin), pourquoi));
        return false;
    }
    montrerFichier(chemin, aEnregistrer);
    noterRecent({core::Recent::Genre::Serie, chemin});
    return true;
}

bool statistique::enregistree() const {
    return serie() == enregistree_;
}

void statistique::recupererSerie(const QStringList& liste1, const QString& texteListe2,
                                 const QString& fichier) {
    List1->setItems(liste1);
    dexo_mod::calculer_bilan();
    Text_liste2->setText(texteListe2);
    sub_graph_effacer();
    Label1->setCaption(QString());
    montrerFichier(fichier, {});
    // No series passes for this one: nothing of it was saved.
    enregistree_ = {{u"\u0000"_s}, {}};
    historique_.resetClean();
}

bool statistique::modificationsTraitees() {
    if (fichier_.isEmpty() || serie() == enregistree_) return true;
    const int choix = ui::ask(u"Enregistrer les modifications de %1 ?"_s.arg(nomDe(fichier_)),
                              {u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}, 2);
    if (choix == 0) return enregistrerDans(fichier_);
    return choix == 1;
}

void statistique::mnuOuvrir_Click() {
    if (!modificationsTraitees()) return;
    const QString chemin = ui::fileToOpen(this, u"Ouvrir une série"_s, kSeries);
    if (!chemin.isEmpty()) ouvrirSerie(chemin);
}

void statistique::mnuEnregistrer_Click() {
    if (fichier_.isEmpty()) return mnuEnregistrerSous_Click();
    enregistrerDans(fichier_);
}

void statistique::mnuEnregistrerSous_Click() {
    const QString chemin = ui::fileToSave(this, u"Enregistrer la série sous"_s,
                                          fichier_.isEmpty() ? u"serie.csv"_s : fichier_,
                                          {u"Séries (*.csv)"_s}, {u"csv"_s});
    if (chemin.isEmpty()) return;
    enregistrerDans(chemin);
}

void statistique::mnuQuitter_Click() {
    close();
}

void statistique::closeEvent(QCloseEvent* event) {
    // The table of counts goes with the program: its changes are asked about first.
    const bool autres = !beforeClosing_ || beforeClosing_();
    if (autres && modificationsTraitees()) {
        event->accept();
        emit finNormale();
    } else {
        event->ignore();
    }
}

void statistique::mnuCopierSerie_Click() {
    QGuiApplication::clipboard()->setText(core::copiedCells(serie()));
}

// Pasted cells replace the first series, and the second only when they hold a second
// column: a single column or a row of values leaves the second list as it is.
void statistique::mnuCollerSerie_Click() {
    const core::SeriesReading lecture = core::readCopiedCells(QGuiApplication::clipboard()->text());
    if (!lecture.series) {
        ui::messageBox(core::explainPaste(lecture.error));
        return;
    }
    core::TwoSeries collee = *lecture.series;
    if (collee.second.isEmpty()) collee.second = serie().second;
    avecAnnulation(u"Coller une série"_s, [&] { chargerSerie(collee); });
}

void statistique::dragEnterEvent(QDragEnterEvent* event) {
    if (!fichierDeposable(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void statistique::dropEvent(QDropEvent* event) {
    const QString chemin = fichierDeposable(event->mimeData());
    if (chemin.isEmpty()) return;
    event->acceptProposedAction();
    // Once the drop is over: a message box inside it would hold the dragging program.
    QTimer::singleShot(0, this, [this, chemin] {
        if (modificationsTraitees()) ouvrirSerie(chemin);
    });
}

void statistique::mnuAPropos_Click() {
    ui::messageBox(
        u"Statistique %1\n\n"
        "Un petit programme pour apprendre la statistique descriptive : une série, "
        "ses paramètres et ses graphiques.\n\n"
        "Logiciel libre, sous licence GNU GPL version 3 ou ultérieure."_s.arg(
            QStringLiteral(STATISTIQUE_VERSION)),
        u"À propos de Statistique"_s);
}
