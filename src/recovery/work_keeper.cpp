#include "recovery/work_keeper.h"

#include "ui/guarded.h"
#include "ui/message_box.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString WorkKeeper::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recuperation"_s;
}

WorkKeeper::WorkKeeper(KeptWork work, const QString& folder)
    : work_(std::move(work)), recovery_(folder) {
    // One write a second at most, however fast the learner works.
    timer_.setSingleShot(true);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, ui::guarded([this] { writeOut(); }));
}

void WorkKeeper::change() {
    if (!finished_ && !timer_.isActive()) timer_.start();
}

void WorkKeeper::finish() {
    timer_.stop();
    finished_ = true;
    recovery_.finish();
}

core::WorkState WorkKeeper::workState() const {
    return work_.state();
}

void WorkKeeper::writeOut() {
    if (!finished_) recovery_.save(workState());
}

void WorkKeeper::writeNow() {
    timer_.stop();
    writeOut();
    recovery_.waitForWrites();
}

void WorkKeeper::offer() {
    for (const QString& path : recovery_.leftBehind()) {
        QFile f(path);
        const std::optional<core::WorkState> e =
            f.open(QIODevice::ReadOnly) ? core::readState(f.readAll()) : std::nullopt;
        f.close();
        if (!e) {
            const QString setAsidePath = recovery_.setAside(path);
            ui::messageBox(
                u"Un travail à récupérer était endommagé : il a été mis de côté dans "
                u"« %1 »."_s.arg(QFileInfo(setAsidePath).fileName()));
            continue;
        }
        // Nothing was lost: all of it was saved, or there was nothing.
        if (e->saved && (!e->table || e->tableSaved)) {
            recovery_.forget(path);
            continue;
        }
        const int choices = ui::ask(
            u"Le programme s'est arrêté sans enregistrer votre travail. Récupérer la série ?"_s,
            {u"Récupérer"_s, u"Ne pas récupérer"_s}, 1);
        if (choices != 0) {
            recovery_.forget(path);
            continue;
        }
        work_.giveBack(*e);
        // Kept as this program's own from now on; what other programs left waits for
        // the next start.
        writeNow();
        recovery_.forget(path);
        return;
    }
}
