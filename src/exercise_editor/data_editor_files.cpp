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

void DataEditor::takeFromFile() {
    const QString path =
        ui::fileToOpen(this, u"Prendre les données dans un fichier"_s,
                       u"Fichiers de tableur (*.csv *.txt);;Tous les fichiers (*)"_s);
    if (path.isEmpty()) return;
    if (const QString why = takeFrom(path); !why.isEmpty()) ui::messageBox(why);
}

QString DataEditor::takeFrom(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    core::ExerciseSeries s;
    s.shape = shape();
    s.name = name_->text();
    if (s.shape == Shape::Raw) {
        const core::SeriesReading r = core::readSeriesFile(path);
        if (!r.value) return core::explain(r.error, name);
        for (const QString& t : r.value->first)
            if (const auto x = core::readNumber(t)) s.rawValues.push_back(*x);
    } else if (s.shape == Shape::Values || s.shape == Shape::Classes) {
        const core::TableReading r = core::readTableFile(path);
        if (!r.value) return core::explain(r.error, name);
        s.shape = r.value->nature == core::FrequencyTable::Nature::Classes ? Shape::Classes
                                                                           : Shape::Values;
        const QSignalBlocker blocker(shape_);
        shape_->setCurrentIndex(int(s.shape));
        displayShape();
        closure_->setCurrentIndex(r.value->closedRight ? 0 : 1);
        std::vector<QStringList> lines;
        for (const auto& l : r.value->lines)
            lines.push_back(s.shape == Shape::Classes ? QStringList{l.lower, l.upper, l.count}
                                                      : QStringList{l.value, l.count});
        grid_->setRows(std::move(lines));
        emit shapeChanged();
        return {};
    } else if (s.shape == Shape::Pairs) {
        const auto r = core::pairs::readPairsFile(path);
        if (!r) return core::pairs::explain(r.error, name);
        s.pairs = *r.value;
    } else {
        return u"Une simulation se décrit par ses paramètres, sans fichier."_s;
    }
    const core::ExerciseSeries kept = origin_;
    setSeries(s);
    origin_ = kept;
    return {};
}

}  // namespace exercise_editor
