#pragma once

#include <QHash>
#include <QString>

class QKeyEvent;

namespace ui {

// Remembers, for each key held down in a text box, whether its last press put a
// character into the box. A key released without having typed anything (Shift, Ctrl,
// an arrow, Ctrl+C, ...) must not be mistaken for one that did. The program's own
// simulated keystrokes never count as typed.
class KeyMemory {
public:
    struct EditState {
        QString text;
        int cursor = 0;
        int anchor = 0;
        bool operator==(const EditState&) const = default;
    };

    void pressed(const QKeyEvent& event, const EditState& before, const EditState& after);
    // Called for the final release of a key (auto-repeat releases are not reported):
    // records whether that key typed a character, for lastReleaseTyped().
    void released(const QKeyEvent& event);

    // Whether the key whose release is being handled typed a character.
    static bool lastReleaseTyped() { return lastReleaseTyped_; }

private:
    QHash<int, bool> typed_;
    static inline bool lastReleaseTyped_ = false;
};

}  // namespace ui
