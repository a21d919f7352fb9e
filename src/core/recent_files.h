#pragma once

// The series and tables opened or saved lately, newest first, as the File menu lists
// them and the settings keep them: one line each, its kind and its path.

#include <QString>
#include <QStringList>

#include <vector>

namespace core {

struct Recent {
    enum class Genre { Serie, FrequencyTable };
    Genre genre = Genre::Serie;
    QString chemin;
    bool operator==(const Recent&) const = default;
};

inline constexpr int kRecents = 10;

// A file opened or saved comes first, once; the oldest beyond ten go.
std::vector<Recent> avecRecent(std::vector<Recent> recents, const Recent& r);
std::vector<Recent> sansRecent(std::vector<Recent> recents, const Recent& r);

// To and from the settings' lines ("serie\t/home/…/notes.csv"); lines that do not
// read are left out.
QStringList lignesDesRecents(const std::vector<Recent>& recents);
std::vector<Recent> recentsDesLignes(const QStringList& lignes);

// How the menu names one: "1 notes.csv", "2 vitesses.csv (tableau)", with "(introuvable)"
// when the file has gone.
QString texteDuRecent(int rang, const Recent& r, bool existe);

}  // namespace core
