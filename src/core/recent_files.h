#pragma once

// The series and tables opened or saved lately, newest first, as the File menu lists
// them and the settings keep them: one line each, its kind and its path.

#include <QString>
#include <QStringList>

#include <vector>

namespace core {

struct Recent {
    enum class Kind { Series, FrequencyTable };
    Kind kind = Kind::Series;
    QString path;
    bool operator==(const Recent&) const = default;
};

inline constexpr int kMostRecent = 10;

// A file opened or saved comes first, once; the oldest beyond ten go.
std::vector<Recent> withRecent(std::vector<Recent> recents, const Recent& r);
std::vector<Recent> withoutRecent(std::vector<Recent> recents, const Recent& r);

// To and from the settings' lines ("serie\t/home/…/notes.csv"); lines that do not
// read are left out.
QStringList linesOfRecents(const std::vector<Recent>& recents);
std::vector<Recent> recentsOfLines(const QStringList& lines);

// How the menu names one: "1 notes.csv", "2 vitesses.csv (tableau)", with "(introuvable)"
// when the file has gone.
QString recentText(int index, const Recent& r, bool exists);

}  // namespace core
