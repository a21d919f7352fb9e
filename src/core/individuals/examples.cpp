#include "core/individuals/examples.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace core::individuals {

using namespace Qt::StringLiterals;

QStringList exampleFolders() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + u"/../share/statistique/donnees"_s;
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         u"statistique/donnees"_s, QStandardPaths::LocateDirectory);
    return folders;
}

QStringList exampleFiles() {
    for (const QString& folder : exampleFolders()) {
        const QDir dir(folder);
        const QStringList names = dir.entryList({u"*.csv"_s, u"*.ods"_s, u"*.xlsx"_s},
                                                QDir::Files | QDir::Readable, QDir::Name);
        if (names.isEmpty()) continue;
        QStringList files;
        for (const QString& name : names) files << dir.absoluteFilePath(name);
        return files;
    }
    return {};
}

}  // namespace core::individuals
