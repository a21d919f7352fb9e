#include "recovery/work_keeper.h"

#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "table/table_window.h"
#include "ui/guarded.h"
#include "ui/message_box.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString Sauvegarde::dossierParDefaut() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recuperation"_s;
}

Sauvegarde::Sauvegarde(const QString& dossier) : recuperation_(dossier) {
    // One write a second at most, however fast the learner works.
    minuteur_.setSingleShot(true);
    minuteur_.setInterval(1000);
    connect(&minuteur_, &QTimer::timeout, this, ui::guarded([this] { ecrire(); }));
    const core::Modele& modele = dexo_mod::modele();
    connect(&modele, &core::Modele::serie1Changee, this, [this] { changement(); });
    connect(&modele, &core::Modele::serie2Changee, this, [this] { changement(); });
    statistique& fenetre = statistique::instance();
    connect(&fenetre, &statistique::tableauOuvert, this, [this] { suivreLeTableau(); });
    if (Tableau_effectifs::exists()) suivreLeTableau();
    // A clean end: nothing is left to give back.
    connect(&fenetre, &statistique::finNormale, this, [this] {
        minuteur_.stop();
        termine_ = true;
        recuperation_.terminer();
    });
}

void Sauvegarde::suivreLeTableau() {
    connect(&Tableau_effectifs::instance(), &Tableau_effectifs::tableauChange, this,
            [this] { changement(); });
}

void Sauvegarde::changement() {
    if (!termine_ && !minuteur_.isActive()) minuteur_.start();
}

core::EtatDeTravail Sauvegarde::etat() const {
    const statistique& fenetre = statistique::instance();
    core::EtatDeTravail e{.serie = fenetre.serie(),
                          .texteListe2 = fenetre.Text_liste2->text(),
                          .fichier = fenetre.fichier(),
                          .enregistre = fenetre.enregistree()};
    if (Tableau_effectifs::exists()) {
        const Tableau_effectifs& t = Tableau_effectifs::instance();
        e.tableau = t.tableau();
        e.fichierTableau = t.fichier();
        e.tableauEnregistre = t.enregistre();
    }
    return e;
}

void Sauvegarde::ecrire() {
    if (!termine_) recuperation_.enregistrer(etat());
}

void Sauvegarde::ecrireMaintenant() {
    minuteur_.stop();
    ecrire();
    recuperation_.attendre();
}

void Sauvegarde::proposer() {
    for (const QString& chemin : recuperation_.abandonnes()) {
        QFile f(chemin);
        const std::optional<core::EtatDeTravail> e =
            f.open(QIODevice::ReadOnly) ? core::lireEtat(f.readAll()) : std::nullopt;
        f.close();
        if (!e) {
            const QString mis = recuperation_.mettreDeCote(chemin);
            ui::messageBox(
                u"Un travail à récupérer était endommagé : il a été mis de côté dans "
                u"« %1 »."_s.arg(QFileInfo(mis).fileName()));
            continue;
        }
        // Nothing was lost: all of it was saved, or there was nothing.
        if (e->enregistre && (!e->tableau || e->tableauEnregistre)) {
            recuperation_.oublier(chemin);
            continue;
        }
        const int choix = ui::ask(
            u"Le programme s'est arrêté sans enregistrer votre travail. Récupérer la série ?"_s,
            {u"Récupérer"_s, u"Ne pas récupérer"_s}, 1);
        if (choix != 0) {
            recuperation_.oublier(chemin);
            continue;
        }
        statistique& fenetre = statistique::instance();
        fenetre.recupererSerie(e->serie.first, e->texteListe2, e->fichier);
        if (e->tableau) {
            fenetre.mnuTableau->trigger();
            Tableau_effectifs::instance().recuperer(*e->tableau, e->fichierTableau);
        }
        // Kept as this program's own from now on; what other programs left waits for
        // the next start.
        ecrireMaintenant();
        recuperation_.oublier(chemin);
        return;
    }
}
