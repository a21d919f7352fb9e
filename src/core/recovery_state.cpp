#include "core/recovery_state.h"

#include "core/atomic_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr int kVersion = 1;
const QString kPrefix = u"etat-"_s;

QJsonArray texts(const QStringList& l) {
    return QJsonArray::fromStringList(l);
}

std::optional<QStringList> textsOf(const QJsonValue& v) {
    if (!v.isArray()) return std::nullopt;
    QStringList l;
    for (const QJsonValue& t : v.toArray()) {
        if (!t.isString()) return std::nullopt;
        l << t.toString();
    }
    return l;
}

}  // namespace

QByteArray writeState(const WorkState& workState) {
    QJsonObject o{{u"statistique"_s, kVersion},
                  {u"serie1"_s, texts(workState.series.first)},
                  {u"serie2"_s, texts(workState.series.second)},
                  {u"liste2"_s, workState.list2Text},
                  {u"fichier"_s, workState.file},
                  {u"enregistre"_s, workState.saved}};
    if (workState.table) {
        QJsonArray lines;
        for (const FrequencyTable::Row& l : workState.table->lines)
            lines.append(texts({l.value, l.lower, l.upper, l.count}));
        o.insert(u"tableau"_s, QJsonObject{{u"classes"_s, workState.table->nature ==
                                                              FrequencyTable::Nature::Classes},
                                           {u"fermeADroite"_s, workState.table->closedRight},
                                           {u"lignes"_s, lines},
                                           {u"fichier"_s, workState.tableFile},
                                           {u"enregistre"_s, workState.tableSaved}});
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<WorkState> readState(const QByteArray& bytes) {
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(u"statistique"_s).toInt() != kVersion) return std::nullopt;
    WorkState workState;
    const auto one = textsOf(o.value(u"serie1"_s)), two = textsOf(o.value(u"serie2"_s));
    if (!one || !two || one->size() > kMostValues || !o.value(u"fichier"_s).isString() ||
        !o.value(u"enregistre"_s).isBool())
        return std::nullopt;
    workState.series = {*one, *two};
    if (!o.value(u"liste2"_s).isString()) return std::nullopt;
    workState.list2Text = o.value(u"liste2"_s).toString();
    workState.file = o.value(u"fichier"_s).toString();
    workState.saved = o.value(u"enregistre"_s).toBool();
    if (o.contains(u"tableau"_s)) {
        const QJsonObject t = o.value(u"tableau"_s).toObject();
        FrequencyTable table;
        table.nature = t.value(u"classes"_s).toBool() ? FrequencyTable::Nature::Classes
                                                      : FrequencyTable::Nature::Values;
        table.closedRight = t.value(u"fermeADroite"_s).toBool(true);
        if (!t.value(u"lignes"_s).isArray()) return std::nullopt;
        for (const QJsonValue& l : t.value(u"lignes"_s).toArray()) {
            const auto cells = textsOf(l);
            if (!cells || cells->size() != 4) return std::nullopt;
            table.lines.push_back({(*cells)[0], (*cells)[1], (*cells)[2], (*cells)[3]});
        }
        workState.table = std::move(table);
        workState.tableFile = t.value(u"fichier"_s).toString();
        workState.tableSaved = t.value(u"enregistre"_s).toBool(true);
    }
    return workState;
}

Recovery::Recovery(const QString& folder) : folder_(folder) {
    writer_.setMaxThreadCount(1);  // one write after the other, in order
    if (!QDir().mkpath(folder_)) return;
    // The process, when it started keeping, and which keeper of it: never another's.
    static int instanceCounter = 0;
    id_ = QString::number(QCoreApplication::applicationPid()) + u'-' +
          QString::number(QDateTime::currentMSecsSinceEpoch()) + u'-' +
          QString::number(++instanceCounter);
    auto lock = std::make_unique<QLockFile>(lockOf(path()));
    lock->setStaleLockTime(0);  // held as long as the program runs
    if (lock->tryLock(0)) lock_ = std::move(lock);
}

Recovery::~Recovery() {
    waitForWrites();
}

QString Recovery::path() const {
    return folder_ + u'/' + kPrefix + id_ + u".json"_s;
}

QString Recovery::lockOf(const QString& statePath) const {
    QString v = statePath;
    v.chop(5);  // ".json"
    return v + u".lock"_s;
}

void Recovery::save(WorkState workState) {
    if (!lock_) return;
    writer_.start([path = path(), workState = std::move(workState)] {
        const QByteArray bytes = writeState(workState);
        saveAtomically(path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    });
}

void Recovery::waitForWrites() {
    writer_.waitForDone();
}

void Recovery::finish() {
    waitForWrites();
    if (!lock_) return;
    QFile::remove(path());
    lock_->unlock();
    lock_.reset();
}

QStringList Recovery::leftBehind() {
    QDir d(folder_);
    // A program that stopped before it had anything to keep left only its lock.
    for (const QFileInfo& f : d.entryInfoList({kPrefix + u"*.lock"_s}, QDir::Files)) {
        QString statePath = f.absoluteFilePath();
        statePath.chop(5);
        statePath += u".json"_s;
        if (QFile::exists(statePath) || f.absoluteFilePath() == lockOf(path())) continue;
        QLockFile orphan(f.absoluteFilePath());
        orphan.setStaleLockTime(0);
        if (orphan.tryLock(0)) orphan.unlock();
    }
    QFileInfoList stateFiles =
        d.entryInfoList({kPrefix + u"*.json"_s}, QDir::Files, QDir::Time);  // newest first
    QStringList found;
    for (const QFileInfo& f : stateFiles) {
        const QString statePath = f.absoluteFilePath();
        if (statePath == QFileInfo(path()).absoluteFilePath()) continue;
        if (std::any_of(taken_.begin(), taken_.end(),
                        [&](auto& p) { return p.first == statePath; })) {
            found << statePath;
            continue;
        }
        // Its program still holds its lock while it runs: that state is not ours.
        auto lock = std::make_unique<QLockFile>(lockOf(statePath));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;
        taken_.emplace_back(statePath, std::move(lock));
        found << statePath;
    }
    return found;
}

void Recovery::forget(const QString& statePath) {
    QFile::remove(statePath);
    taken_.erase(
        std::remove_if(taken_.begin(), taken_.end(), [&](auto& p) { return p.first == statePath; }),
        taken_.end());
}

QString Recovery::setAside(const QString& statePath) {
    QString asidePath = statePath;
    asidePath.chop(5);
    asidePath += u".endommage"_s;
    for (int i = 2; QFile::exists(asidePath); ++i) {
        asidePath = statePath;
        asidePath.chop(5);
        asidePath += u".endommage-"_s + QString::number(i);
    }
    QFile::rename(statePath, asidePath);
    forget(statePath);
    return asidePath;
}

}  // namespace core
