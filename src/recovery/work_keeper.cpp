#include "recovery/work_keeper.h"

#include "ui/guarded.h"
#include "ui/message_box.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString Sauvegarde::dossierParDefaut() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recuperation"_s;
}

Sauvegarde::Sauvegarde(KeptWork work, const QString& dossier)
    : work_(std::move(work)), recuperation_(dossier) {
    // One write a second at most, however fast the learner works.
    minuteur_.setSingleShot(true);
    minuteur_.setInterval(1000);
    connect(&minuteur_, &QTimer::timeout, this, ui::guarded([this] { ecrire(); }));
}

void Sauvegarde::changement() {
    if (!termine_ && !minuteur_.isActive()) minuteur_.start();
}

void Sauvegarde::terminer() {
    minuteur_.stop();
    termine_ = true;
    recuperation_.terminer();
}

core::WorkState Sauvegarde::etat() const {
    return work_.state();
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
        const std::optional<core::WorkState> e =
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
        work_.giveBack(*e);
        // Kept as this program's own from now on; what other programs left waits for
        // the next start.
        ecrireMaintenant();
        recuperation_.oublier(chemin);
        return;
    }
}
