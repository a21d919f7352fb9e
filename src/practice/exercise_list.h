#pragma once

// The practice window's list of exercises: grouped by school level, from cinquième to
// terminale, then those that say no level; each exercise with the learner's best score.

#include "core/exercises/exercise.h"
#include "core/exercises/progress.h"

#include <vector>

class QListWidget;
class QListWidgetItem;

namespace practice {

// The key of an exercise in the learner's progress: its file's name.
QString progressKey(const core::ExerciseFile& f);

// Fills the list with a heading per level and the exercises of `level` (every level
// when empty); files that do not read are listed, greyed, under every level only.
// Each exercise's item keeps its index in `files`.
void fillList(QListWidget& list, const std::vector<core::ExerciseFile>& files,
              const core::Progress& progress, const QString& level);

// The index in the files of the exercise an item shows, or -1 for a heading.
int fileOf(const QListWidgetItem* item);
// The row where file `index` is listed, or -1 when it is not.
int rowOf(const QListWidget& list, int index);

}  // namespace practice
