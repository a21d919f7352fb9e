#include "command_line/command_line.h"

#include "chart_export/chart_export.h"
#include "command_line/runner.h"
#include "core/exercises/exercise.h"
#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/parameters.h"
#include "core/second_list_text.h"
#include "core/series_charts.h"
#include "core/series_file.h"
#include "ui/chart_output.h"

#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace command_line {

int afficherParametres(const QString& fichier) {
    const core::SeriesReading lecture = core::readSeriesFile(fichier);
    if (!lecture.value) return fail(core::explain(lecture.error, QFileInfo(fichier).fileName()));
    // The second series as the second list takes it: its first 51 values.
    second_list::Valeurs valeurs;
    const int n =
        second_list::lire(lecture.value->second.join(QStringLiteral("\r\n")), valeurs).effectif;
    std::vector<double> seconde;
    for (int i = 0; i < n; ++i) seconde.push_back(valeurs(i));
    const QString tableau = core::tableauDesParametres(
        core::parametres(core::nombres(lecture.value->first)), core::parametres(seconde));
    std::fputs(tableau.toUtf8().constData(), stdout);
    return 0;
}

int afficherParametresDuTableau(const QString& fichier, const QStringList& seuils) {
    const core::TableReading lecture = core::readTableFile(fichier);
    if (!lecture.value || lecture.faultyCell)
        return fail(core::explain(lecture.error, QFileInfo(fichier).fileName()));
    const core::TableAnalysis analyse = core::analyser(*lecture.value);
    QString texte = core::tableauDesParametresDuTableau(analyse);
    for (const QString& seuil : seuils) {
        const auto t = core::cellNumber(seuil);
        if (!t) return refuse(u"le seuil « %1 » n'est pas un nombre"_s.arg(seuil));
        for (const auto& [nom, valeur] : core::lignesDuSeuil(analyse, core::numberFromText(*t)))
            texte += nom + u'\t' + valeur + u'\n';
    }
    std::fputs(texte.toUtf8().constData(), stdout);
    return 0;
}

int afficherSolution(const QString& fichier, quint32 serie) {
    const core::ExerciseReading lecture = core::lireFichierExercice(fichier);
    if (!lecture.exercice)
        return refuse(u"l'exercice « %1 » ne se lit pas : %2"_s.arg(QFileInfo(fichier).fileName(),
                                                                    lecture.faute));
    const core::Exercise e =
        serie ? core::nouvellesDonnees(*lecture.exercice, serie) : *lecture.exercice;
    std::fputs(core::feuilleCorrigee(e, serie).toUtf8().constData(), stdout);
    return 0;
}

namespace {

int ecrire(const ui::Chart& graphique, const QString& sortie, chart_export::Type type) {
    const QString pourquoi = chart_export::write(graphique, sortie, type);
    if (pourquoi.isEmpty()) return 0;
    return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(sortie, pourquoi));
}

std::optional<chart_export::Type> typeDeSortie(const QString& sortie) {
    const auto type = chart_export::typeOf(sortie);
    if (!type) refuse(chartFileFault(sortie));
    return type;
}

}  // namespace

int exporterGraphique(int argc, char* argv[], const core::Command& commande) {
    return offscreen(argc, argv, [&] { return exporter(commande); });
}

int exporterGraphiqueDuTableau(int argc, char* argv[], const core::Command& commande) {
    const QString faute = chartFileFault(commande.output);
    if (!faute.isEmpty()) return refuse(faute);
    const core::TableReading lecture = core::readTableFile(commande.file);
    if (!lecture.value || lecture.faultyCell)
        return fail(core::explain(lecture.error, QFileInfo(commande.file).fileName()));
    const core::TableChartRecord graphique = core::graphiqueDuTableau(
        core::analyser(*lecture.value), commande.graphiqueTableau, {}, commande.deciles);
    if (!graphique.faute.isEmpty()) return refuse(graphique.faute);
    const QString pourquoi = writeChart(argc, argv, graphique.dessin, core::Surface{},
                                        graphique.description, commande.output);
    if (pourquoi.isEmpty()) return 0;
    return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(commande.output, pourquoi));
}

int exporter(const core::Command& commande) {
    const auto type = typeDeSortie(commande.output);
    if (!type) return core::kUsageError;
    const core::SeriesReading lecture = core::readSeriesFile(commande.file);
    if (!lecture.value)
        return fail(core::explain(lecture.error, QFileInfo(commande.file).fileName()));
    // The series as the window would hold it once the file is opened.
    core::Model modele;
    for (int i = 0; i < 10; ++i) modele.setCouleur(i, core::kCouleurs[i]);
    modele.calculer_bilan(lecture.value->first);
    modele.lireListe2(lecture.value->second.join(u"\r\n"_s));
    modele.setPrendreListe2(core::Variant(commande.second));
    const core::ChartKind kind = commande.graphique;
    const core::Surface surface;
    core::Drawing dessin = core::chart(modele, kind, surface);
    core::placerAuDepart(dessin);
    const ui::Chart graphique{dessin, ui::chartAreaSize(surface.largeur, surface.hauteur),
                              core::kFondGraphique, core::descriptionDuGraphique(dessin, kind)};
    return ecrire(graphique, commande.output, *type);
}

}  // namespace command_line
