#pragma once

// The learner's progress: for each exercise, the best score reached and when, kept in a
// small JSON file of the program's data folder, so that the list of exercises can show
// what is done and what is still to do.

#include "core/reading.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>

namespace core {

struct BestScore {
    int right = 0;
    int questions = 0;
    QDateTime when;  // when this score was first reached
    bool allRight() const { return questions > 0 && right == questions; }
};
// By exercise: the file's name, which stays the same wherever the program is installed.
using Progress = std::map<QString, BestScore>;

// The progress with a new score: kept when it is better than the best so far (a larger
// share of right answers), else the best so far stays with its date.
Progress withScore(Progress p, const QString& exercise, const BestScore& score);
// The best of both, exercise by exercise.
Progress merged(const Progress& a, const Progress& b);

QByteArray progressJson(const Progress& p);
Reading<Progress> readProgress(const QByteArray& json);
// What the list shows: "3/4", with ✓ when every answer was right.
QString bestScoreText(const BestScore& s);

// AppDataLocation/resultats.json.
QString progressPath();
// A missing file is no progress yet; a damaged one is reported.
Reading<Progress> readProgressFile(const QString& path);
// Empty, or why the file was not written.
QString saveProgress(const Progress& p, const QString& path);

}  // namespace core
