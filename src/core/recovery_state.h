#pragma once

// What the learner made, kept on disk while the program runs so that a power cut, a
// killed program or a crash loses nothing: both series, the table of counts, which
// files they came from and whether they were saved. Each running program keeps its own
// state under a lock that names it, so two programs never take each other's; a state
// whose program is gone is offered back at the next start.

#include "core/frequency_table.h"
#include "core/series_file.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <optional>
#include <vector>

namespace core {

struct WorkState {
    TwoSeries serie;                        // both series as a series file holds them
    QString texteListe2;                    // the second list's box, as it reads
    QString fichier;                        // the series file they came from; empty for none
    bool enregistre = true;                 // saved as they are
    std::optional<FrequencyTable> tableau;  // the table of counts, when its window was open
    QString fichierTableau;
    bool tableauEnregistre = true;
    bool operator==(const WorkState&) const = default;
};

QByteArray ecrireEtat(const WorkState& etat);
// Nothing for bytes that are not a state this program wrote.
std::optional<WorkState> lireEtat(const QByteArray& octets);

class Recovery {
public:
    // The folder is made if need be; this program's own lock is taken in it.
    explicit Recovery(const QString& dossier);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    bool valide() const { return verrou_ != nullptr; }
    QString dossier() const { return dossier_; }
    // This program's state file.
    QString chemin() const;

    // Queued for writing, whole or not at all, off the thread the learner works on; the
    // writes happen in the order they were asked for.
    void enregistrer(WorkState etat);
    // Waits for the writes asked for so far.
    void attendre();
    // A clean end: this program's state and lock are removed.
    void terminer();

    // The states left by programs that are no longer running, newest first; each is
    // locked by this program until it is forgotten or set aside.
    QStringList abandonnes();
    void oublier(const QString& etat);
    // A state that does not read is renamed, not deleted; returns its new name.
    QString mettreDeCote(const QString& etat);

private:
    QString verrouDe(const QString& etat) const;

    QString dossier_;
    QString id_;
    std::unique_ptr<QLockFile> verrou_;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> pris_;
    QThreadPool ecrivain_;
};

}  // namespace core
