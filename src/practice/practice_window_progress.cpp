// The practice window's list by level, and the learner's best scores kept and cleared.

#include "practice/exercise_list.h"
#include "practice/practice_window.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

// The list again, on `file` when it is listed, else on the first exercise that reads.
void Exercices::listFiles(int file) {
    const QSignalBlocker blocker(Liste_exercices);
    practice::fillList(*Liste_exercices, files_, progress_,
                       Choix_niveau->currentIndex() > 0 ? Choix_niveau->currentText() : QString());
    int row = practice::rowOf(*Liste_exercices, file);
    for (int r = 0; r < Liste_exercices->count() && row < 0; ++r) {
        const int i = practice::fileOf(Liste_exercices->item(r));
        if (i >= 0 && files_[size_t(i)].reading.value) row = r;
    }
    Liste_exercices->setCurrentRow(row);
}

int Exercices::currentFile() const {
    const int i = practice::fileOf(Liste_exercices->currentItem());
    return i >= 0 && size_t(i) < files_.size() ? i : -1;
}

void Exercices::Choix_niveau_Change() {
    const int before = currentFile();
    listFiles(before);
    if (currentFile() != before) Liste_exercices_Change();
}

// The best score stays with its date; another running copy of the program may have
// written its own since, hence the merge with the file as it is now.
void Exercices::keepScore(int right) {
    const int i = currentFile();
    if (i < 0) return;
    const core::BestScore score{right, int(questions_.size()), QDateTime::currentDateTimeUtc()};
    progress_ = core::withScore(progress_, practice::progressKey(files_[size_t(i)]), score);
    const auto onDisk = core::readProgressFile(core::progressPath());
    if (onDisk) progress_ = core::merged(*onDisk.value, progress_);
    const QString why = core::saveProgress(progress_, core::progressPath());
    if (!why.isEmpty())
        Label_score->setText(Label_score->text() + u" (résultat non enregistré : %1)"_s.arg(why));
    listFiles(i);
}

void Exercices::Command_effacer_Click() {
    if (ui::ask(u"Effacer tous vos résultats ? Les meilleurs scores de chaque exercice "
                u"seront oubliés."_s,
                {u"Effacer"_s, u"Annuler"_s}, 1) != 0)
        return;
    progress_.clear();
    const QString why = core::saveProgress(progress_, core::progressPath());
    if (!why.isEmpty()) ui::messageBox(u"Les résultats n'ont pas pu être effacés : %1."_s.arg(why));
    listFiles(currentFile());
}
