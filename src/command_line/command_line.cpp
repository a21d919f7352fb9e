#include "command_line/command_line.h"

#include "core/parametres.h"
#include "core/second_list_text.h"
#include "core/series_file.h"

#include <QFileInfo>

#include <cstdio>

namespace command_line {
namespace {

void erreur(const QString& texte) {
    std::fprintf(stderr, "%s\n", qPrintable(texte));
}

}  // namespace

int afficherParametres(const QString& fichier) {
    const core::SeriesReading lecture = core::readSeriesFile(fichier);
    if (!lecture.series) {
        erreur(core::explain(lecture.error, QFileInfo(fichier).fileName()));
        return core::kUsageError;
    }
    // The second series as the second list takes it: its first 51 values.
    second_list::Valeurs valeurs;
    const int n =
        second_list::lire(lecture.series->second.join(QStringLiteral("\r\n")), valeurs).effectif;
    std::vector<double> seconde;
    for (int i = 0; i < n; ++i) seconde.push_back(valeurs(i));
    const QString tableau = core::tableauDesParametres(
        core::parametres(core::nombres(lecture.series->first)), core::parametres(seconde));
    std::fputs(tableau.toUtf8().constData(), stdout);
    return 0;
}

}  // namespace command_line
