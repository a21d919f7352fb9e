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
    TwoSeries series;                     // both series as a series file holds them
    QString list2Text;                    // the second list's box, as it reads
    QString file;                         // the series file they came from; empty for none
    bool saved = true;                    // saved as they are
    std::optional<FrequencyTable> table;  // the table of counts, when its window was open
    QString tableFile;
    bool tableSaved = true;
    bool operator==(const WorkState&) const = default;
};

QByteArray writeState(const WorkState& workState);
// Nothing for bytes that are not a state this program wrote.
std::optional<WorkState> readState(const QByteArray& bytes);

class Recovery {
public:
    // The folder is made if need be; this program's own lock is taken in it.
    explicit Recovery(const QString& folder);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    bool valid() const { return lock_ != nullptr; }
    QString folder() const { return folder_; }
    // This program's state file.
    QString path() const;

    // Queued for writing, whole or not at all, off the thread the learner works on; the
    // writes happen in the order they were asked for.
    void save(WorkState workState);
    // Waits for the writes asked for so far.
    void waitForWrites();
    // A clean end: this program's state and lock are removed.
    void finish();

    // The states left by programs that are no longer running, newest first; each is
    // locked by this program until it is forgotten or set aside.
    QStringList leftBehind();
    void forget(const QString& statePath);
    // A state that does not read is renamed, not deleted; returns its new name.
    QString setAside(const QString& statePath);

private:
    QString lockOf(const QString& statePath) const;

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> taken_;
    QThreadPool writer_;
};

}  // namespace core
