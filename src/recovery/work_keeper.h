#pragma once

// Keeps the learner's work on disk while the program runs: after every change of either
// series or of the table, at most once a second and written off the learner's thread;
// removed at a clean end; offered back at the next start when the program stopped
// without one. It knows the work only through what the program's owner gives it: how
// to read the work as it stands and how to show work given back; the owner tells it of
// every change and of the clean end.

#include "core/recovery_state.h"

#include <QObject>
#include <QTimer>

#include <functional>

// The learner's work as the keeper sees it.
struct KeptWork {
    // The series, the second list's text, the table and their files, as they stand.
    std::function<core::WorkState()> state;
    // Shows work given back: the series, and the table when there was one.
    std::function<void(const core::WorkState&)> giveBack;
};

class WorkKeeper : public QObject {
    Q_OBJECT

public:
    // In `folder`; by default the program's data folder's "recuperation".
    explicit WorkKeeper(KeptWork work, const QString& folder = defaultFolder());
    static QString defaultFolder();

    // Offers back what programs that stopped left, one question each.
    void offer();
    // The work as it stands.
    core::WorkState workState() const;
    const core::Recovery& recovery() const { return recovery_; }
    // Writes now what the next tick would have written, and waits for it.
    void writeNow();
    // Something of the work changed: written within a second.
    void change();
    // A clean end: nothing is left to give back.
    void finish();

private:
    void writeOut();

    KeptWork work_;
    core::Recovery recovery_;
    QTimer timer_;
    bool finished_ = false;
};
