#include "core/exercises/progress.h"

#include "core/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr int kMostExercises = 5000;
constexpr int kMostQuestions = 1000;

// a/b against c/d without dividing, both counts small.
bool better(const BestScore& candidate, const BestScore& best) {
    return qint64(candidate.right) * best.questions > qint64(best.right) * candidate.questions;
}

bool valid(const BestScore& s) {
    return s.questions > 0 && s.questions <= kMostQuestions && s.right >= 0 &&
           s.right <= s.questions;
}

}  // namespace

Progress withScore(Progress p, const QString& exercise, const BestScore& score) {
    if (!valid(score) || exercise.isEmpty()) return p;
    const auto at = p.find(exercise);
    if (at == p.end() || better(score, at->second)) p[exercise] = score;
    return p;
}

Progress merged(const Progress& a, const Progress& b) {
    Progress p = a;
    for (const auto& [exercise, score] : b) {
        const auto at = p.find(exercise);
        // Equal scores: the earlier date is when it was first reached.
        if (at == p.end() || better(score, at->second) ||
            (!better(at->second, score) && score.when < at->second.when))
            p[exercise] = score;
    }
    return p;
}

QByteArray progressJson(const Progress& p) {
    QJsonObject root;
    for (const auto& [exercise, s] : p)
        root.insert(exercise, QJsonObject{{u"right"_s, s.right},
                                          {u"questions"_s, s.questions},
                                          {u"date"_s, s.when.toUTC().toString(Qt::ISODate)}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Reading<Progress> readProgress(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        const int line = int(json.left(error.offset).count('\n')) + 1;
        return Reading<Progress>::failure(
            {line, 0, u"les résultats enregistrés ne sont pas lisibles"_s, {}});
    }
    const QJsonObject root = doc.object();
    if (root.size() > kMostExercises)
        return Reading<Progress>::failure({0, 0, u"trop de résultats enregistrés"_s, {}});
    Progress p;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        const BestScore s{o.value(u"right"_s).toInt(-1), o.value(u"questions"_s).toInt(-1),
                          QDateTime::fromString(o.value(u"date"_s).toString(), Qt::ISODate)};
        if (!it.value().isObject() || !valid(s) || !s.when.isValid()) {
            const int line =
                int(json.left(json.indexOf('"' + it.key().toUtf8() + '"')).count('\n')) + 1;
            return Reading<Progress>::failure(
                {line, 0, u"le résultat de « %1 » n'est pas lisible"_s.arg(it.key()), {}});
        }
        p[it.key()] = s;
    }
    return Reading<Progress>::success(std::move(p));
}

QString bestScoreText(const BestScore& s) {
    return u"%1/%2"_s.arg(s.right).arg(s.questions) + (s.allRight() ? u" ✓"_s : QString());
}

QString progressPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/resultats.json"_s;
}

Reading<Progress> readProgressFile(const QString& path) {
    QFile f(path);
    if (!f.exists()) return Reading<Progress>::success({});
    if (!f.open(QIODevice::ReadOnly))
        return Reading<Progress>::failure({0, 0, u"le fichier ne peut pas être lu"_s, {}});
    if (f.size() > 4 * 1024 * 1024)
        return Reading<Progress>::failure({0, 0, u"le fichier est trop grand"_s, {}});
    return readProgress(f.readAll());
}

QString saveProgress(const Progress& p, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray text = progressJson(p);
    return saveAtomically(path, [&](QIODevice& d) { return d.write(text) == text.size(); });
}

}  // namespace core
