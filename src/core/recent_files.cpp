#include "core/recent_files.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {

std::vector<Recent> avecRecent(std::vector<Recent> recents, const Recent& r) {
    recents = sansRecent(std::move(recents), r);
    recents.insert(recents.begin(), r);
    if (recents.size() > size_t(kRecents)) recents.resize(size_t(kRecents));
    return recents;
}

std::vector<Recent> sansRecent(std::vector<Recent> recents, const Recent& r) {
    recents.erase(std::remove(recents.begin(), recents.end(), r), recents.end());
    return recents;
}

QStringList lignesDesRecents(const std::vector<Recent>& recents) {
    QStringList lignes;
    for (const Recent& r : recents)
        lignes << (r.genre == Recent::Genre::FrequencyTable ? u"tableau\t"_s : u"serie\t"_s) +
                      r.chemin;
    return lignes;
}

std::vector<Recent> recentsDesLignes(const QStringList& lignes) {
    std::vector<Recent> recents;
    for (const QString& l : lignes) {
        const qsizetype tab = l.indexOf(u'\t');
        const QString genre = l.left(tab), chemin = l.mid(tab + 1);
        if (tab < 0 || chemin.isEmpty() || (genre != u"serie" && genre != u"tableau")) continue;
        recents = sansRecent(
            std::move(recents),
            {genre == u"tableau" ? Recent::Genre::FrequencyTable : Recent::Genre::Serie, chemin});
        recents.push_back(
            {genre == u"tableau" ? Recent::Genre::FrequencyTable : Recent::Genre::Serie, chemin});
        if (recents.size() == size_t(kRecents)) break;
    }
    return recents;
}

QString texteDuRecent(int rang, const Recent& r, bool existe) {
    // "&1" to "&9", then "1&0": each reached by a key.
    const QString numero = rang < 9 ? u"&"_s + QString::number(rang + 1) : u"1&0"_s;
    QString nom = QFileInfo(r.chemin).fileName().replace(u'&', u"&&"_s);
    if (r.genre == Recent::Genre::FrequencyTable) nom += u" (tableau)"_s;
    if (!existe) nom += u" (introuvable)"_s;
    return numero + u' ' + nom;
}

}  // namespace core
