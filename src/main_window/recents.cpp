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

QSettings settings() {
    return QSettings(QSettings::UserScope, u"Statistique"_s, u"Statistique"_s);
}

void keep(const std::vector<core::Recent>& recents) {
    settings().setValue(u"recents"_s, core::linesOfRecents(recents));
}

}  // namespace

std::vector<core::Recent> statistique::recents() {
    return core::recentsOfLines(settings().value(u"recents"_s).toStringList());
}

void statistique::noteRecent(const core::Recent& recent) {
    keep(core::withRecent(recents(), {recent.kind, QFileInfo(recent.path).absoluteFilePath()}));
}

void statistique::mnuRecents_Show() {
    mnuRecents->clear();
    const std::vector<core::Recent> list = recents();
    if (list.empty()) mnuRecents->addAction(u"Aucune série récente"_s)->setEnabled(false);
    for (int i = 0; i < int(list.size()); ++i) {
        const core::Recent r = list[size_t(i)];
        QAction* a = mnuRecents->addAction(core::recentText(i, r, QFileInfo::exists(r.path)));
        a->setToolTip(r.path);
        a->setStatusTip(r.path);
        connect(a, &QAction::triggered, this, ui::guarded([this, r] { mnuRecent_Click(r); }));
    }
}

void statistique::mnuRecent_Click(const core::Recent& recent) {
    if (!QFileInfo::exists(recent.path)) {
        keep(core::withoutRecent(recents(), recent));
        ui::messageBox(u"« %1 » n'existe plus : il est retiré des séries récentes."_s.arg(
            QFileInfo(recent.path).fileName()));
        return;
    }
    if (recent.kind == core::Recent::Kind::Series) {
        if (seriesFiles_->changesDealtWith()) openSeries(recent.path);
        return;
    }
    emit tableFileRequested(recent.path);
}
