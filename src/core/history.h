#pragma once

// What the way back over the series' changes keeps and says, without its stack (the main
// window's QUndoStack): each step holds the series before and after it, under the name of
// what made it ("Aleatoire", "<<"), so that undoing and redoing give back exactly what
// was shown.

#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// The series as shown: List1's items and the second list's box.
struct Snapshot {
    QStringList list1;
    QString list2Text;
    bool operator==(const Snapshot&) const = default;
};

// At least this many steps are kept; older ones go first.
inline constexpr int kStepsKept = 100;

// "&Annuler « Aleatoire »" for the step that would be undone, or "&Annuler" when there
// is none; the same for the step that would be redone.
QString undoText(const std::optional<QString>& step);
QString redoText(const std::optional<QString>& step);

}  // namespace core
