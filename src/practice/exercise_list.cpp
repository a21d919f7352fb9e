#include "practice/exercise_list.h"

#include <QFileInfo>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace practice {
namespace {

constexpr int kFileRole = Qt::UserRole + 1;

QString headingOf(const QString& level) {
    static const QStringList names{u"Cinquième"_s, u"Quatrième"_s, u"Troisième"_s,
                                   u"Seconde"_s,   u"Première"_s,  u"Terminale"_s};
    const qsizetype i = core::schoolLevels().indexOf(level);
    return i < 0 ? u"Sans niveau"_s : names[i];
}

void addHeading(QListWidget& list, const QString& level) {
    auto* item = new QListWidgetItem(headingOf(level), &list);
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    // Never chosen, so that the arrow keys pass over it; in the text's own colour.
    item->setFlags(Qt::NoItemFlags);
    item->setForeground(list.palette().brush(QPalette::Active, QPalette::Text));
    item->setData(kFileRole, -1);
}

void addExercise(QListWidget& list, const core::ExerciseFile& f, int index,
                 const core::Progress& progress) {
    auto* item = new QListWidgetItem(&list);
    item->setData(kFileRole, index);
    const QString name = QFileInfo(f.path).fileName();
    if (!f.reading.value) {
        // Listed, so that its author sees why it does not open.
        item->setText(name);
        item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        item->setToolTip(name + u" : "_s + core::exerciseFault(f.reading.error));
        item->setData(Qt::AccessibleDescriptionRole, item->toolTip());
        return;
    }
    item->setText(f.reading.value->title);
    const auto best = progress.find(progressKey(f));
    if (best == progress.end()) return;
    const core::BestScore& s = best->second;
    item->setText(item->text() + u" — "_s + core::bestScoreText(s));
    const QString day =
        QLocale(QLocale::French).toString(s.when.toLocalTime().date(), u"d MMMM yyyy"_s);
    item->setToolTip(u"Meilleur score : %1 sur %2, le %3"_s.arg(s.right).arg(s.questions).arg(day));
    item->setData(Qt::AccessibleDescriptionRole, item->toolTip());
}

}  // namespace

QString progressKey(const core::ExerciseFile& f) {
    return QFileInfo(f.path).fileName();
}

void fillList(QListWidget& list, const std::vector<core::ExerciseFile>& files,
              const core::Progress& progress, const QString& level) {
    list.clear();
    QStringList levels = core::schoolLevels();
    levels << QString();  // those that say none, and those that do not read
    for (const QString& l : levels) {
        if (!level.isEmpty() && l != level) continue;
        bool headed = false;
        for (size_t i = 0; i < files.size(); ++i) {
            const auto& e = files[i].reading.value;
            if ((e ? e->level : QString()) != l) continue;
            if (!headed) addHeading(list, l);
            headed = true;
            addExercise(list, files[i], int(i), progress);
        }
    }
}

int fileOf(const QListWidgetItem* item) {
    return item ? item->data(kFileRole).toInt() : -1;
}

int rowOf(const QListWidget& list, int index) {
    for (int r = 0; r < list.count(); ++r)
        if (index >= 0 && fileOf(list.item(r)) == index) return r;
    return -1;
}

}  // namespace practice
