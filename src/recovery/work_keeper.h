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

class Sauvegarde : public QObject {
    Q_OBJECT

public:
    // In `dossier`; by default the program's data folder's "recuperation".
    explicit Sauvegarde(KeptWork work, const QString& dossier = dossierParDefaut());
    static QString dossierParDefaut();

    // Offers back what programs that stopped left, one question each.
    void proposer();
    // The work as it stands.
    core::WorkState etat() const;
    const core::Recovery& recuperation() const { return recuperation_; }
    // Writes now what the next tick would have written, and waits for it.
    void ecrireMaintenant();
    // Something of the work changed: written within a second.
    void changement();
    // A clean end: nothing is left to give back.
    void terminer();

private:
    void ecrire();

    KeptWork work_;
    core::Recovery recuperation_;
    QTimer minuteur_;
    bool termine_ = false;
};
