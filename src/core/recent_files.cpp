#include "core/recent_files.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {

std::vector<Recent> withRecent(std::vector<Recent> recents, const Recent& r) {
    recents = withoutRecent(std::move(recents), r);
    recents.insert(recents.begin(), r);
    if (recents.size() > size_t(kMostRecent)) recents.resize(size_t(kMostRecent));
    return recents;
}

std::vector<Recent> withoutRecent(std::vector<Recent> recents, const Recent& r) {
    recents.erase(std::remove(recents.begin(), recents.end(), r), recents.end());
    return recents;
}

QStringList linesOfRecents(const std::vector<Recent>& recents) {
    QStringList lines;
    for (const Recent& r : recents)
        lines << (r.kind == Recent::Kind::FrequencyTable ? u"tableau\t"_s : u"serie\t"_s) + r.path;
    return lines;
}

std::vector<Recent> recentsOfLines(const QStringList& lines) {
    std::vector<Recent> recents;
    for (const QString& l : lines) {
        const qsizetype tab = l.indexOf(u'\t');
        const QString kind = l.left(tab), path = l.mid(tab + 1);
        if (tab < 0 || path.isEmpty() || (kind != u"serie" && kind != u"tableau")) continue;
        recents = withoutRecent(
            std::move(recents),
            {kind == u"tableau" ? Recent::Kind::FrequencyTable : Recent::Kind::Series, path});
        recents.push_back(
            {kind == u"tableau" ? Recent::Kind::FrequencyTable : Recent::Kind::Series, path});
        if (recents.size() == size_t(kMostRecent)) break;
    }
    return recents;
}

QString recentText(int index, const Recent& r, bool exists) {
    // "&1" to "&9", then "1&0": each reached by a key.
    const QString serial = index < 9 ? u"&"_s + QString::number(index + 1) : u"1&0"_s;
    QString name = QFileInfo(r.path).fileName().replace(u'&', u"&&"_s);
    if (r.kind == Recent::Kind::FrequencyTable) name += u" (tableau)"_s;
    if (!exists) name += u" (introuvable)"_s;
    return serial + u' ' + name;
}

}  // namespace core
