// The table window's files: opening, saving, asking before a changed table is lost,
// and a table given back after the program stopped.

#include "table/table_window.h"

#include "core/atomic_file.h"
#include "table/table_entry.h"
#include "ui/message_box.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kTableFilter = u"Tableaux d'effectifs (*.csv *.txt);;Tous les fichiers (*)"_s;

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

void Tableau_effectifs::Command_exercice_Click() {
    if (!changesSettled()) return;
    entry_->replace(core::exerciseTable());
    displayFile({});
}

bool Tableau_effectifs::openData(const core::FrequencyTable& givenData) {
    if (!changesSettled()) return false;
    entry_->replace(givenData);
    displayFile({});
    return true;
}
bool Tableau_effectifs::openTable(const QString& path) {
    const core::TableReading reading = core::readTableFile(path);
    if (!reading.value) {
        ui::messageBox(core::explain(reading.error, nameOf(path)));
        return false;
    }
    entry_->replace(*reading.value);
    displayFile(path);
    emit fileNoted({core::Recent::Kind::FrequencyTable, path});
    // What is at fault shows in red, and the line under the table says where.
    return true;
}

void Tableau_effectifs::Command_ouvrir_Click() {
    if (!changesSettled()) return;
    const QString path = ui::fileToOpen(this, u"Ouvrir un tableau d'effectifs"_s, kTableFilter);
    if (!path.isEmpty()) openTable(path);
}

void Tableau_effectifs::Command_enregistrer_Click() {
    const QString path = ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s,
                                        file_.isEmpty() ? u"tableau.csv"_s : file_,
                                        {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
    if (!path.isEmpty()) saveTo(path);
}

bool Tableau_effectifs::saveTo(const QString& path) {
    const QByteArray bytes = core::tableFile(table());
    const QString why = core::saveAtomically(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (!why.isEmpty()) {
        ui::messageBox(u"Impossible d'enregistrer « %1 » : %2."_s.arg(nameOf(path), why));
        return false;
    }
    displayFile(path);
    emit fileNoted({core::Recent::Kind::FrequencyTable, path});
    return true;
}

void Tableau_effectifs::displayFile(const QString& path) {
    file_ = path;
    savedJson_ = table();
    emit tableChanged();
    setWindowTitle(path.isEmpty() ? u"Tableau d'effectifs"_s
                                  : u"Tableau d'effectifs - "_s + nameOf(path));
}

bool Tableau_effectifs::saved() const {
    const auto empty = [](const core::FrequencyTable& t) {
        return std::all_of(t.lines.begin(), t.lines.end(),
                           [](const core::FrequencyTable::Row& l) { return l.isEmpty(); });
    };
    return table() == savedJson_ || (file_.isEmpty() && empty(table()));
}

void Tableau_effectifs::recover(const core::FrequencyTable& table, const QString& file) {
    entry_->replace(table);
    displayFile(file);
    savedJson_ = {};
    emit tableChanged();
}

bool Tableau_effectifs::changesSettled() {
    if (saved()) return true;
    const QString what = file_.isEmpty() ? u"du tableau d'effectifs"_s : u"de "_s + nameOf(file_);
    const int choices = ui::ask(u"Enregistrer les modifications %1 ?"_s.arg(what),
                                {u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}, 2);
    if (choices == 0) {
        if (!file_.isEmpty()) return saveTo(file_);
        const QString path =
            ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s, u"tableau.csv"_s,
                           {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
        return !path.isEmpty() && saveTo(path);
    }
    return choices == 1;
}
