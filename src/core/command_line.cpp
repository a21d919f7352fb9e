#include "core/command_line.h"

#include <QCommandLineParser>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// The texts are written in French, and an English locale reads them from the English
// translation compiled into the core's resources (core/translations). The command line
// is read before any application object exists, where QCoreApplication::translate has no
// translator to ask, and one process may ask for both languages: the translator is asked
// directly.
QString said(const char* french, bool english) {
    if (english) {
        static QTranslator translator;
        static const bool loaded = translator.load(u":/translations/statistique_en.qm"_s);
        if (loaded)
            if (QString text = translator.translate("command_line", french); !text.isEmpty())
                return text;
    }
    return QString::fromUtf8(french);
}

QString usage(bool english) {
    return said(QT_TRANSLATE_NOOP("command_line", R"(Usage : statistique [FICHIER] [OPTIONS]
Apprendre la statistique descriptive : une série, ses paramètres, ses graphiques.

  FICHIER              une série à ouvrir : un fichier CSV (deux colonnes au plus)
                       ou une valeur par ligne
  --stats FICHIER      écrit les paramètres de la série de FICHIER et s'arrête
  --stats --table=TABLEAU
                       écrit les paramètres d'un tableau d'effectifs (valeurs et
                       effectifs, ou classes et effectifs) et s'arrête
  --threshold=T        avec --table : combien de valeurs sont au-dessus et
                       au-dessous de T
  --table=TABLEAU --chart=TYPE --export=SORTIE
                       écrit le graphique du tableau dans SORTIE et s'arrête ;
                       TYPE est bars (bâtons), histogram (histogramme),
                       cumulative (effectifs cumulés), cumulative-percent
                       (fréquences cumulées) ou box (boîte)
  --deciles            avec la boîte d'un tableau : moustaches aux déciles
  --exercice=EXERCICE --solution [--serie=N]
                       écrit l'énoncé de l'exercice, ses données, ses réponses et
                       leurs solutions détaillées, avec les données de la série N
                       si elle est donnée, et s'arrête
  --moodle=EXERCICES --variants=K [--serie=S] --export=QUIZ.xml
                       écrit les exercices (fichiers séparés par des virgules) en
                       questionnaire Moodle XML, chaque question en K variantes
                       avec les données des séries S, S + 1…, et s'arrête
  --gift=EXERCICES --variants=K [--serie=S] --export=QUIZ.gift
                       de même au format GIFT
  --sheets=E1.json[,E2.json…] --pupils=N|FICHIER [--serie=S] --export=FEUILLES.pdf
                       [--answer-key=CORRIGE.pdf]
                       écrit une feuille par élève (N élèves, ou les noms de
                       FICHIER : un par ligne, ou une colonne CSV), l'élève i avec
                       les données de la série S + i − 1 (S vaut 1 par défaut), et
                       leur corrigé
  --simulate --p=P --n=N --samples=K [--serie=S]
                       simule K échantillons de taille N d'une proportion P (0,5,
                       1/6…) et écrit la moyenne et l'écart-type s des fréquences
                       et les parts dans p ± s, 2s, 3s et p ± 1/√n
  --simulate --population=FICHIER --n=N --samples=K [--serie=S]
                       de même pour les moyennes d'échantillons tirés de la série
                       ou du tableau d'effectifs de FICHIER, avec la part dans
                       μ ± 2σ/√n
  --simulate ... --chart=frequencies|fluctuation|large-numbers --export=SORTIE
                       écrit l'histogramme des fréquences, s en fonction de 1/√n,
                       ou la fréquence au fil de N tirages dans SORTIE
  --pairs=PAIRES --stats [--fit=AJUSTEMENT]... [--predict-x=X] [--predict-y=Y]
                       écrit les paramètres d'un fichier CSV de paires (x, y) :
                       moyennes, variances, covariance, corrélation, moindres
                       carrés et droite de Mayer ; AJUSTEMENT (least-squares,
                       mayer ou exponential) ajoute ses lignes, X et Y les
                       estimations de y et de x
  --pairs=PAIRES --chart=scatter|residuals [--fit=AJUSTEMENT]... --export=SORTIE
                       écrit le nuage de points et ses ajustements, ou les résidus
  --pairs=INDIVIDUS --x=V --y=W [--filter=E] ...
                       de même pour deux variables numériques d'un fichier
                       d'individus, des individus que le filtre garde
  --pairs=PAIRES [--x=V --y=W [--filter=E]]
                       sans --stats ni --chart, ouvre la fenêtre « Deux variables »
                       sur elles
  --lorenz=PARTS --stats
                       écrit l'indice de Gini de parts cumulées (population,
                       masse) ou d'un tableau de classes et d'effectifs
  --lorenz=PARTS --chart=lorenz --export=SORTIE
                       écrit la courbe de Lorenz
  --decimals=N         avec --pairs ou --lorenz : N décimales (3 sinon)
  --chart=TYPE         le graphique à dessiner : sticks (bâtons), curve (courbe),
                       both (les deux) ou pie (camembert)
  --second             prend en compte la deuxième série (colonne 2)
  --export=SORTIE      écrit le graphique de FICHIER dans SORTIE (.png, .svg ou
                       .pdf) et s'arrête
  --individuals=FICHIER --variables
                       écrit les variables d'un fichier d'individus (CSV, .ods,
                       .xlsx) : nature, effectif, non renseignés
  --individuals=FICHIER --stats --variable=V
                       écrit les paramètres de V (numérique) ou ses modalités
                       avec effectifs et fréquences (qualitative)
  --individuals=FICHIER --variable=V --classes=AMPLITUDE [--start=DÉBUT]
                       écrit les effectifs de V en classes [a ; b[ de même
                       amplitude
  --individuals=FICHIER --crosstab=A,B [--percentages=row|column|total]
                       écrit le tableau croisé de A et B avec ses totaux
                       (pourcentages en ligne, en colonne ou du total)
  --filter=FILTRE      avec --individuals : seulement les individus que le
                       filtre garde, par exemple
                       --filter='Sexe = "F" ET [Taille (cm)] > 160'
  --order=ORDRE        avec --individuals : les modalités dans l'ordre
                       d'apparition (appearance), alphabétique (alphabetical) ou
                       des effectifs (count)
  --qualitative=V      avec --individuals : compte la variable numérique V comme
                       qualitative (des codes, un code postal) ; se répète
  --individuals=FICHIER --variable=V --chart=bars|pie|histogram --export=SORTIE
                       écrit le graphique de V (barres, circulaire,
                       histogramme) dans SORTIE
  -h, --help           affiche cette aide et s'arrête
  -v, --version        affiche la version et s'arrête

Sans --stats ni --export, le programme ouvre sa fenêtre (il faut une session
graphique).
)"),
                english);
}

Command error(const QString& what, bool english) {
    const QString hint =
        said(QT_TRANSLATE_NOOP("command_line", "Essayez « statistique --help »."), english);
    return {.kind = Command::Kind::Error, .text = what + u'\n' + hint};
}

// The parser's other failures, in the program's words: its own are English only.
QString valueError(const QStringList& arguments, bool english) {
    static const QStringList kFlags = {u"h"_s,       u"help"_s,  u"v"_s,
                                       u"version"_s, u"stats"_s, u"second"_s};
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != u"--"_s; ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-')) continue;
        const qsizetype equals = argument.indexOf(u'=');
        const QString option = argument.left(equals);
        const QString name = option.mid(argument.startsWith(u"--"_s) ? 2 : 1);
        if (equals >= 0 && kFlags.contains(name))
            return said(QT_TRANSLATE_NOOP("command_line",
                                          "statistique : l'option « %1 » ne prend pas de valeur"),
                        english)
                .arg(option);
        if (equals < 0 && i + 1 == arguments.size())
            return said(QT_TRANSLATE_NOOP("command_line",
                                          "statistique : l'option « %1 » demande une valeur"),
                        english)
                .arg(option);
    }
    return said(QT_TRANSLATE_NOOP("command_line", "statistique : les arguments ne se lisent pas"),
                english);
}

}  // namespace

Command parseCommandLine(const QStringList& arguments, bool english) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    const QCommandLineOption stats(u"stats"_s);
    const QCommandLineOption chart(u"chart"_s, {}, u"kind"_s);
    const QCommandLineOption second(u"second"_s);
    const QCommandLineOption output(u"export"_s, {}, u"output"_s);
    const QCommandLineOption table(u"table"_s, {}, u"table"_s);
    const QCommandLineOption threshold(u"threshold"_s, {}, u"threshold"_s);
    const QCommandLineOption deciles(u"deciles"_s);
    const QCommandLineOption exercise(u"exercice"_s, {}, u"exercice"_s);
    const QCommandLineOption solution(u"solution"_s);
    const QCommandLineOption series(u"serie"_s, {}, u"n"_s);
    parser.addOptions({help, version, stats, chart, second, output, table, threshold, deciles,
                       exercise, solution, series});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = (unknown.first().size() == 1 ? u"-"_s : u"--"_s) + unknown.first();
            return error(
                said(QT_TRANSLATE_NOOP("command_line", "statistique : option inconnue « %1 »"),
                     english)
                    .arg(name),
                english);
        }
        return error(valueError(arguments, english), english);
    }
    if (parser.isSet(help)) return {.kind = Command::Kind::Help, .text = usage(english)};
    if (parser.isSet(version))
        return {.kind = Command::Kind::Version,
                .text = u"statistique %1\n"_s.arg(STATISTIQUE_VERSION)};

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return error(
            said(QT_TRANSLATE_NOOP("command_line", "statistique : un seul fichier, pas %1"),
                 english)
                .arg(files.size()),
            english);
    Command command{.file = files.value(0),
                    .chart = parser.value(chart),
                    .second = parser.isSet(second),
                    .output = parser.value(output)};
    const auto needsFile = [&](const QString& option) {
        return error(
            said(QT_TRANSLATE_NOOP("command_line", "statistique : %1 demande un FICHIER"), english)
                .arg(option),
            english);
    };
    if (parser.isSet(exercise) || parser.isSet(solution) || parser.isSet(series)) {
        if (!parser.isSet(exercise) || !parser.isSet(solution))
            return error(said(QT_TRANSLATE_NOOP("command_line",
                                                "statistique : --exercice va avec --solution"),
                              english),
                         english);
        if (!command.file.isEmpty() || parser.isSet(stats) || parser.isSet(table) ||
            parser.isSet(output) || parser.isSet(chart) || parser.isSet(second) ||
            parser.isSet(threshold) || parser.isSet(deciles))
            return error(
                said(QT_TRANSLATE_NOOP("command_line",
                                       "statistique : --exercice --solution ne prend que --serie"),
                     english),
                english);
        bool number = !parser.isSet(series);
        if (!number) {
            const uint n = parser.value(series).toUInt(&number);
            number = number && n >= 1 && n <= 999999;
            command.series = n;
        }
        if (!number)
            return error(
                said(QT_TRANSLATE_NOOP("command_line",
                                       "statistique : --serie prend un nombre de 1 à 999999"),
                     english),
                english);
        command.kind = Command::Kind::Exercise;
        command.file = parser.value(exercise);
        return command;
    }
    if (parser.isSet(table) && !parser.isSet(stats) && !parser.isSet(threshold)) {
        if (!command.file.isEmpty() || parser.isSet(second))
            return error(
                said(
                    QT_TRANSLATE_NOOP(
                        "command_line",
                        "statistique : le graphique d'un tableau ne prend pas de FICHIER de série"),
                    english),
                english);
        if (!parser.isSet(output) || !parser.isSet(chart))
            return error(
                said(QT_TRANSLATE_NOOP(
                         "command_line",
                         "statistique : --table va avec --stats, ou avec --chart et --export"),
                     english),
                english);
        const std::optional<TableChart> chosenChart = tableChartNamed(command.chart);
        if (!chosenChart)
            return error(
                said(QT_TRANSLATE_NOOP("command_line",
                                       "statistique : graphique de tableau inconnu « %1 » (bars, "
                                       "histogram, cumulative, cumulative-percent ou box)"),
                     english)
                    .arg(command.chart),
                english);
        command.kind = Command::Kind::ExportTable;
        command.file = parser.value(table);
        command.chosenTableChart = *chosenChart;
        command.deciles = parser.isSet(deciles);
        return command;
    }
    if (parser.isSet(deciles))
        return error(
            said(QT_TRANSLATE_NOOP("command_line",
                                   "statistique : --deciles va avec la boîte d'un tableau"),
                 english),
            english);
    if (parser.isSet(table) || parser.isSet(threshold)) {
        if (!parser.isSet(stats) || !parser.isSet(table))
            return error(
                said(QT_TRANSLATE_NOOP("command_line", "statistique : --table va avec --stats"),
                     english),
                english);
        if (!command.file.isEmpty() || parser.isSet(output) || parser.isSet(chart) ||
            parser.isSet(second))
            return error(
                said(QT_TRANSLATE_NOOP("command_line",
                                       "statistique : --stats --table ne prend rien d'autre"),
                     english),
                english);
        command.kind = Command::Kind::StatsTable;
        command.file = parser.value(table);
        command.thresholds = parser.values(threshold);
        return command;
    }
    if (parser.isSet(stats)) {
        if (command.file.isEmpty()) return needsFile(u"--stats"_s);
        // Both are answers that end the program: doing one would report the other done.
        if (parser.isSet(output) || parser.isSet(chart))
            return error(
                said(QT_TRANSLATE_NOOP("command_line",
                                       "statistique : --stats et --export ne vont pas ensemble"),
                     english),
                english);
        command.kind = Command::Kind::Stats;
        return command;
    }
    if (parser.isSet(output) || parser.isSet(chart) || parser.isSet(second)) {
        if (command.file.isEmpty()) return needsFile(u"--export"_s);
        if (!parser.isSet(output) || !parser.isSet(chart))
            return error(said(QT_TRANSLATE_NOOP("command_line",
                                                "statistique : --chart et --export vont ensemble"),
                              english),
                         english);
        const std::optional<ChartKind> chosenChart = chartKindNamed(command.chart);
        if (!chosenChart)
            return error(
                said(QT_TRANSLATE_NOOP(
                         "command_line",
                         "statistique : graphique inconnu « %1 » (sticks, curve, both ou pie)"),
                     english)
                    .arg(command.chart),
                english);
        command.chosenChart = *chosenChart;
        command.kind = Command::Kind::Export;
    }
    return command;
}

}  // namespace core
