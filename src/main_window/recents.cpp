// Fichier > Séries récentes: the last ten series and tables opened or saved, kept in the
// settings. One that has gone says so, and is taken out of the list when chosen.

#include "main_window/series_files/series_files.h"
#include "main_window/statistique.h"
#include "ui/guarded.h"
#include "ui/message_box.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

QSettings reglages() {
    return QSettings(QSettings::UserScope, u"Statistique"_s, u"Statistique"_s);
}

void garder(const std::vector<core::Recent>& recents) {
    reglages().setValue(u"recents"_s, core::lignesDesRecents(recents));
}

}  // namespace

std::vector<core::Recent> statistique::recents() {
    return core::recentsDesLignes(reglages().value(u"recents"_s).toStringList());
}

void statistique::noterRecent(const core::Recent& recent) {
    garder(
        core::avecRecent(recents(), {recent.genre, QFileInfo(recent.chemin).absoluteFilePath()}));
}

void statistique::mnuRecents_Show() {
    mnuRecents->clear();
    const std::vector<core::Recent> liste = recents();
    if (liste.empty()) mnuRecents->addAction(u"Aucune série récente"_s)->setEnabled(false);
    for (int i = 0; i < int(liste.size()); ++i) {
        const core::Recent r = liste[size_t(i)];
        QAction* a = mnuRecents->addAction(core::texteDuRecent(i, r, QFileInfo::exists(r.chemin)));
        a->setToolTip(r.chemin);
        a->setStatusTip(r.chemin);
        connect(a, &QAction::triggered, this, ui::guarded([this, r] { mnuRecent_Click(r); }));
    }
}

void statistique::mnuRecent_Click(const core::Recent& recent) {
    if (!QFileInfo::exists(recent.chemin)) {
        garder(core::sansRecent(recents(), recent));
        ui::messageBox(u"« %1 » n'existe plus : il est retiré des séries récentes."_s.arg(
            QFileInfo(recent.chemin).fileName()));
        return;
    }
    if (recent.genre == core::Recent::Genre::Serie) {
        if (seriesFiles_->changesDealtWith()) ouvrirSerie(recent.chemin);
        return;
    }
    emit tableFileRequested(recent.chemin);
}
