#include "ui/key_memory.h"

#include <QKeyEvent>

namespace ui {

void KeyMemory::pressed(const QKeyEvent& event, const EditState& before, const EditState& after) {
    const QString text = event.text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    // With Ctrl held a key is a shortcut (Ctrl+V pastes): what changed came from it,
    // not typed by it.
    const bool shortcut = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool typed = event.spontaneous() && printable && !shortcut && before != after;
    typed_.insert(event.key(), typed);
}

void KeyMemory::released(const QKeyEvent& event) {
    lastReleaseTyped_ = event.spontaneous() && typed_.value(event.key(), false);
    typed_.remove(event.key());
}

}  // namespace ui
