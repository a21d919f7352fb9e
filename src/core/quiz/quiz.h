#pragma once

// Exercises handed to a learning platform: each question drawn in as many variants as
// asked, variant j with the data of series n° first + j − 1, so that a quiz taking "a
// random question from the category" gives each pupil other data. Written as Moodle's
// XML quiz format or as GIFT, the answers always those the exercise engine computes.

#include "core/exercises/exercise.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace core::quiz {

// More variants than this would only make a file no platform imports in one go.
constexpr int kMaxVariants = 1000;

struct Request {
    std::vector<Exercise> exercises;
    int variants = 1;
    quint32 firstSeries = 1;
};

// What one variant of one question asks and expects, shared by both formats.
struct Variant {
    QString name;                 // "Titre — question 2 — Série n° 7"
    QString statement;            // HTML: the statement, the data as a table, the question
    QString solution;             // HTML: the worked solution
    QString hint;                 // plain text
    std::vector<double> figures;  // expected figures, for a question answered by one
    double tolerance = 0;         // absolute
    QStringList choices;          // offered choices, for a question answered by a choice
    QStringList rightChoices;
};

// The category a platform files an exercise under: "$course$/Statistique/<titre>".
QString categoryOf(const Exercise& e);
// Every variant of question `question` of an exercise drawn for series n° `series`.
Variant variantOf(const Exercise& drawn, int question, quint32 series);

// The progress callback gets the share done and returns false to cancel; nothing is
// returned then.
using Progress = std::function<bool(double share)>;
std::optional<QString> moodleXml(const Request& request, const Progress& progress = {});
std::optional<QString> gift(const Request& request, const Progress& progress = {});

// A figure as both formats read it: "." for decimals, no grouping, no exponent.
QString plainNumber(double x);
// Backslash before each of GIFT's special characters ~ = # { } :
QString giftEscaped(const QString& text);

// Calls `each` for every exercise's variants in order, with the exercise drawn anew for
// each series number; false when the progress callback cancelled.
bool forEachVariant(const Request& request, const Progress& progress,
                    const std::function<void(const Exercise&, const Variant&)>& each,
                    const std::function<void(const Exercise&)>& category);

}  // namespace core::quiz
