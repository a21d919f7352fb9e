#include "core/exercises/exercise.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace core {

std::vector<ExerciseFile> exercisesIn(const QStringList& folders) {
    std::vector<ExerciseFile> files;
    QStringList seen;
    for (const QString& folder : folders) {
        const QDir d(folder);
        for (const QString& name :
             d.entryList({u"*.json"_s}, QDir::Files | QDir::Readable, QDir::Name)) {
            const QString path = d.absoluteFilePath(name);
            const QString canonical = QFileInfo(path).canonicalFilePath();
            if (seen.contains(canonical)) continue;
            seen << canonical;
            files.push_back({path, readExerciseFile(path)});
            if (files.size() >= 500) return files;
        }
    }
    return files;
}

QStringList exerciseFolders() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + u"/../share/statistique/exercices"_s;
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         u"statistique/exercices"_s,
                                         QStandardPaths::LocateDirectory);
    folders << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/exercices"_s;
    return folders;
}

}  // namespace core
