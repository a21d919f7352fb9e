// The data taken from a file by the core's readers: a series file for a raw series, a
// table of counts for values or classes, a file of pairs.

#include "exercise_editor/data_editor.h"

#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/pairs/pairs_file.h"
#include "core/series_file.h"
#include "exercise_editor/typed_texts.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace exercise_editor {

void DataEditor::prendreDansUnFichier() {
    const QString path =
        ui::fileToOpen(this, u"Prendre les données dans un fichier"_s,
                       u"Fichiers de tableur (*.csv *.txt);;Tous les fichiers (*)"_s);
    if (path.isEmpty()) return;
    if (const QString pourquoi = prendreDans(path); !pourquoi.isEmpty()) ui::messageBox(pourquoi);
}

QString DataEditor::prendreDans(const QString& path) {
    const QString nom = QFileInfo(path).fileName();
    core::ExerciseSeries s;
    s.forme = forme();
    s.nom = nom_->text();
    if (s.forme == Forme::Brute) {
        const core::SeriesReading r = core::readSeriesFile(path);
        if (!r.value) return core::explain(r.error, nom);
        for (const QString& t : r.value->first)
            if (const auto x = core::readNumber(t)) s.brutes.push_back(*x);
    } else if (s.forme == Forme::Valeurs || s.forme == Forme::Classes) {
        const core::TableReading r = core::readTableFile(path);
        if (!r.value) return core::explain(r.error, nom);
        s.forme = r.value->nature == core::FrequencyTable::Nature::Classes ? Forme::Classes
                                                                           : Forme::Valeurs;
        const QSignalBlocker bloque(forme_);
        forme_->setCurrentIndex(int(s.forme));
        montrerForme();
        fermeture_->setCurrentIndex(r.value->fermeADroite ? 0 : 1);
        std::vector<QStringList> lignes;
        for (const auto& l : r.value->lignes)
            lignes.push_back(s.forme == Forme::Classes
                                 ? QStringList{l.inferieure, l.superieure, l.effectif}
                                 : QStringList{l.valeur, l.effectif});
        grid_->setRows(std::move(lignes));
        emit formeChanged();
        return {};
    } else if (s.forme == Forme::Paires) {
        const auto r = core::pairs::readPairsFile(path);
        if (!r) return core::pairs::explain(r.error, nom);
        s.paires = *r.value;
    } else {
        return u"Une simulation se décrit par ses paramètres, sans fichier."_s;
    }
    const core::ExerciseSeries garde = origine_;
    setSerie(s);
    origine_ = garde;
    return {};
}

}  // namespace exercise_editor
