#include "core/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace core {
namespace {

QString why(const QSaveFile& file, const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (QFileInfo(path).isDir()) return u"c'est un dossier"_s;
    if (!folder.exists()) return u"le dossier n'existe pas"_s;
    switch (file.error()) {
        case QFileDevice::PermissionsError:
            return u"l'écriture y est interdite"_s;
        case QFileDevice::ResourceError:
            return u"le disque est plein"_s;
        case QFileDevice::OpenError:
            return folder.isWritable() ? u"le fichier ne peut pas être créé"_s
                                       : u"l'écriture y est interdite"_s;
        default:
            return u"l'écriture a échoué"_s;
    }
}

}  // namespace

QString saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return why(file, path);
    if (!write(file)) {
        file.cancelWriting();
        return file.error() == QFileDevice::NoError ? u"l'écriture a échoué"_s : why(file, path);
    }
    if (!file.commit()) return why(file, path);
    return {};
}

}  // namespace core
