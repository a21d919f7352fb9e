// The table window's files: opening, saving, asking before a changed table is lost,
// and a table given back after the program stopped.

#include "table/table_window.h"

#include "core/atomic_file.h"
#include "table/table_entry.h"
#include "ui/message_box.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kTableaux = u"Tableaux d'effectifs (*.csv *.txt);;Tous les fichiers (*)"_s;

QString nomDe(const QString& chemin) {
    return QFileInfo(chemin).fileName();
}

}  // namespace

void Tableau_effectifs::Command_exercice_Click() {
    if (!modificationsTraitees()) return;
    saisie_->remplacer(core::tableauDeLExercice());
    montrerFichier({});
}

bool Tableau_effectifs::ouvrirDonnees(const core::FrequencyTable& donnees) {
    if (!modificationsTraitees()) return false;
    saisie_->remplacer(donnees);
    montrerFichier({});
    return true;
}
bool Tableau_effectifs::ouvrirTableau(const QString& chemin) {
    const core::TableReading lecture = core::readTableFile(chemin);
    if (!lecture.value) {
        ui::messageBox(core::explain(lecture.error, nomDe(chemin)));
        return false;
    }
    saisie_->remplacer(*lecture.value);
    montrerFichier(chemin);
    emit fichierNote({core::Recent::Genre::FrequencyTable, chemin});
    // What is at fault shows in red, and the line under the table says where.
    return true;
}

void Tableau_effectifs::Command_ouvrir_Click() {
    if (!modificationsTraitees()) return;
    const QString chemin = ui::fileToOpen(this, u"Ouvrir un tableau d'effectifs"_s, kTableaux);
    if (!chemin.isEmpty()) ouvrirTableau(chemin);
}

void Tableau_effectifs::Command_enregistrer_Click() {
    const QString chemin = ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s,
                                          fichier_.isEmpty() ? u"tableau.csv"_s : fichier_,
                                          {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
    if (!chemin.isEmpty()) enregistrerDans(chemin);
}

bool Tableau_effectifs::enregistrerDans(const QString& chemin) {
    const QByteArray octets = core::tableFile(tableau());
    const QString pourquoi = core::saveAtomically(
        chemin, [&](QIODevice& fichier) { return fichier.write(octets) == octets.size(); });
    if (!pourquoi.isEmpty()) {
        ui::messageBox(u"Impossible d'enregistrer « %1 » : %2."_s.arg(nomDe(chemin), pourquoi));
        return false;
    }
    montrerFichier(chemin);
    emit fichierNote({core::Recent::Genre::FrequencyTable, chemin});
    return true;
}

void Tableau_effectifs::montrerFichier(const QString& chemin) {
    fichier_ = chemin;
    enregistre_ = tableau();
    emit tableauChange();
    setWindowTitle(chemin.isEmpty() ? u"Tableau d'effectifs"_s
                                    : u"Tableau d'effectifs - "_s + nomDe(chemin));
}

bool Tableau_effectifs::enregistre() const {
    const auto vide = [](const core::FrequencyTable& t) {
        return std::all_of(t.lignes.begin(), t.lignes.end(),
                           [](const core::FrequencyTable::Ligne& l) { return l.estVide(); });
    };
    return tableau() == enregistre_ || (fichier_.isEmpty() && vide(tableau()));
}

void Tableau_effectifs::recuperer(const core::FrequencyTable& tableau, const QString& fichier) {
    saisie_->remplacer(tableau);
    montrerFichier(fichier);
    enregistre_ = {};
    emit tableauChange();
}

bool Tableau_effectifs::modificationsTraitees() {
    if (enregistre()) return true;
    const QString quoi =
        fichier_.isEmpty() ? u"du tableau d'effectifs"_s : u"de "_s + nomDe(fichier_);
    const int choix = ui::ask(u"Enregistrer les modifications %1 ?"_s.arg(quoi),
                              {u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}, 2);
    if (choix == 0) {
        if (!fichier_.isEmpty()) return enregistrerDans(fichier_);
        const QString chemin =
            ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s, u"tableau.csv"_s,
                           {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
        return !chemin.isEmpty() && enregistrerDans(chemin);
    }
    return choix == 1;
}
