#include "core/exercises/exercise.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace core {

std::vector<ExerciseFile> exercicesDes(const QStringList& dossiers) {
    std::vector<ExerciseFile> fichiers;
    QStringList vus;
    for (const QString& dossier : dossiers) {
        const QDir d(dossier);
        for (const QString& nom :
             d.entryList({u"*.json"_s}, QDir::Files | QDir::Readable, QDir::Name)) {
            const QString chemin = d.absoluteFilePath(nom);
            const QString canonique = QFileInfo(chemin).canonicalFilePath();
            if (vus.contains(canonique)) continue;
            vus << canonique;
            fichiers.push_back({chemin, lireFichierExercice(chemin)});
            if (fichiers.size() >= 500) return fichiers;
        }
    }
    return fichiers;
}

QStringList dossiersDesExercices() {
    QStringList dossiers;
    if (QCoreApplication::instance())
        dossiers << QCoreApplication::applicationDirPath() + u"/../share/statistique/exercices"_s;
    dossiers << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                          u"statistique/exercices"_s,
                                          QStandardPaths::LocateDirectory);
    dossiers << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/exercices"_s;
    return dossiers;
}

}  // namespace core
