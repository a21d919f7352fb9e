#pragma once

// Keeps the learner's work on disk while the program runs: after every change of either
// series or of the table, at most once a second and written off the learner's thread;
// removed at a clean end; offered back at the next start when the program stopped
// without one.

#include "core/recovery_state.h"

#include <QObject>
#include <QTimer>

class Sauvegarde : public QObject {
    Q_OBJECT

public:
    // In `dossier`; by default the program's data folder's "recuperation".
    explicit Sauvegarde(const QString& dossier = dossierParDefaut());
    static QString dossierParDefaut();

    // Offers back what programs that stopped left, one question each.
    void proposer();
    // The work as it stands.
    core::EtatDeTravail etat() const;
    const core::Recuperation& recuperation() const { return recuperation_; }
    // Writes now what the next tick would have written, and waits for it.
    void ecrireMaintenant();

private:
    void changement();
    void suivreLeTableau();
    void ecrire();

    core::Recuperation recuperation_;
    QTimer minuteur_;
    bool termine_ = false;
};
