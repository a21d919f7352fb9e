#include "core/command_line.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace core {
namespace {

QString usage(bool english) {
    if (english)
        return uR"(Usage: statistique [FILE] [OPTIONS]
Learn descriptive statistics: build a series, read its parameters, draw its charts.

  FILE                 a series to open: a CSV file (two columns at most) or one
                       value per line
  --stats FILE         print the parameters of FILE's series and exit
  --stats --table=TABLE
                       print the parameters of a table of counts (values and
                       counts, or classes and counts) and exit
  --threshold=T        with --table: also how many values lie above and below T
  --table=TABLE --chart=KIND --export=OUTPUT
                       write the table's chart to OUTPUT and exit; KIND is bars,
                       histogram, cumulative, cumulative-percent or box
  --deciles            with a table's box plot: whiskers to D1 and D9
  --exercice=EXERCISE --solution [--serie=N]
                       print the exercise's statement, data, answers and worked
                       solutions, with the data of series N if given, and exit
  --moodle=EXERCISES --variants=K [--serie=S] --export=QUIZ.xml
                       write the exercises (files separated by commas) as a Moodle
                       XML quiz, each question in K variants with the data of
                       series S, S + 1…, and exit
  --gift=EXERCISES --variants=K [--serie=S] --export=QUIZ.gift
                       the same in the GIFT format
  --sheets=E1.json[,E2.json…] --pupils=N|FILE [--serie=S] --export=SHEETS.pdf
                       [--answer-key=KEY.pdf]
                       write one sheet per pupil (N pupils, or the names of FILE:
                       one a line, or a CSV column), pupil i with the data of
                       series S + i − 1 (S is 1 if not given), and their answer key
  --simulate --p=P --n=N --samples=K [--serie=S]
                       simulate K samples of size N of a proportion P (0.5, 1/6…)
                       and print their frequencies' mean, standard deviation s and
                       the shares within p ± s, 2s, 3s and p ± 1/√n
  --simulate --population=FILE --n=N --samples=K [--serie=S]
                       the same for the means of samples drawn from FILE's series
                       or table of counts, with the share within μ ± 2σ/√n
  --simulate ... --chart=frequencies|fluctuation|large-numbers --export=OUTPUT
                       write the histogram of the frequencies, s against 1/√n, or
                       the running frequency of N draws to OUTPUT
  --pairs=PAIRS --stats [--fit=FIT]... [--predict-x=X] [--predict-y=Y]
                       print the statistics of a CSV file of pairs (x, y): means,
                       variances, covariance, correlation, least squares and
                       Mayer's line; FIT (least-squares, mayer or exponential)
                       adds its rows, X and Y the estimates of y and of x
  --pairs=PAIRS --chart=scatter|residuals [--fit=FIT]... --export=OUTPUT
                       write the scatter plot with its fits, or the residuals
  --pairs=INDIVIDUALS --x=V --y=W [--filter=E] ...
                       the same for two numeric variables of a file of
                       individuals, of the individuals the filter keeps
  --pairs=PAIRS [--x=V --y=W [--filter=E]]
                       without --stats or --chart, open the window of two
                       variables on them
  --lorenz=SHARES --stats
                       print the Gini index of cumulated shares (population,
                       mass) or of a table of classes and counts
  --lorenz=SHARES --chart=lorenz --export=OUTPUT
                       write the Lorenz curve
  --decimals=N         with --pairs or --lorenz: N decimals (3 if not given)
  --chart=KIND         the chart to draw: sticks, curve, both or pie
  --second             take the second series (column 2) into account
  --export=OUTPUT      write FILE's chart to OUTPUT (.png, .svg or .pdf) and exit
  --individuals=FILE --variables
                       print the variables of a file of individuals (CSV, .ods,
                       .xlsx): kind, count, missing values
  --individuals=FILE --stats --variable=V
                       print V's parameters (numeric) or its modalities with
                       counts and frequencies (qualitative)
  --individuals=FILE --variable=V --classes=WIDTH [--start=START]
                       print V's counts in classes [a ; b[ of equal width
  --individuals=FILE --crosstab=A,B [--percentages=row|column|total]
                       print the cross table of A and B with its totals
  --filter=FILTER      with --individuals: only the individuals the filter
                       keeps, e.g. --filter='Sexe = "F" ET [Taille (cm)] > 160'
  --order=ORDER        with --individuals: modalities in order of appearance,
                       alphabetical or count (largest first)
  --qualitative=V      with --individuals: count the numeric variable V as
                       qualitative (codes such as a postcode); may be repeated
  --individuals=FILE --variable=V --chart=bars|pie|histogram --export=OUTPUT
                       write V's chart to OUTPUT
  -h, --help           print this help and exit
  -v, --version        print the version and exit

Without --stats or --export, the program opens its window (a graphical session
is needed).
)"_s;
    return uR"(Usage : statistique [FICHIER] [OPTIONS]
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
)"_s;
}

Command error(const QString& what, bool english) {
    const QString hint =
        english ? u"Try 'statistique --help'."_s : u"Essayez « statistique --help »."_s;
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
            return english ? u"statistique: option '%1' takes no value"_s.arg(option)
                           : u"statistique : l'option « %1 » ne prend pas de valeur"_s.arg(option);
        if (equals < 0 && i + 1 == arguments.size())
            return english ? u"statistique: option '%1' needs a value"_s.arg(option)
                           : u"statistique : l'option « %1 » demande une valeur"_s.arg(option);
    }
    return english ? u"statistique: the arguments cannot be read"_s
                   : u"statistique : les arguments ne se lisent pas"_s;
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
    const QCommandLineOption serie(u"serie"_s, {}, u"n"_s);
    parser.addOptions({help, version, stats, chart, second, output, table, threshold, deciles,
                       exercise, solution, serie});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = (unknown.first().size() == 1 ? u"-"_s : u"--"_s) + unknown.first();
            return error(english ? u"statistique: unknown option '%1'"_s.arg(name)
                                 : u"statistique : option inconnue « %1 »"_s.arg(name),
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
        return error(english ? u"statistique: one file at most, not %1"_s.arg(files.size())
                             : u"statistique : un seul fichier, pas %1"_s.arg(files.size()),
                     english);
    Command command{.file = files.value(0),
                    .chart = parser.value(chart),
                    .second = parser.isSet(second),
                    .output = parser.value(output)};
    const auto needsFile = [&](const QString& option) {
        return error(english ? u"statistique: %1 needs a FILE"_s.arg(option)
                             : u"statistique : %1 demande un FICHIER"_s.arg(option),
                     english);
    };
    if (parser.isSet(exercise) || parser.isSet(solution) || parser.isSet(serie)) {
        if (!parser.isSet(exercise) || !parser.isSet(solution))
            return error(english ? u"statistique: --exercice goes with --solution"_s
                                 : u"statistique : --exercice va avec --solution"_s,
                         english);
        if (!command.file.isEmpty() || parser.isSet(stats) || parser.isSet(table) ||
            parser.isSet(output) || parser.isSet(chart) || parser.isSet(second) ||
            parser.isSet(threshold) || parser.isSet(deciles))
            return error(english ? u"statistique: --exercice --solution takes only --serie"_s
                                 : u"statistique : --exercice --solution ne prend que --serie"_s,
                         english);
        bool nombre = !parser.isSet(serie);
        if (!nombre) {
            const uint n = parser.value(serie).toUInt(&nombre);
            nombre = nombre && n >= 1 && n <= 999999;
            command.serie = n;
        }
        if (!nombre)
            return error(english ? u"statistique: --serie takes a number from 1 to 999999"_s
                                 : u"statistique : --serie prend un nombre de 1 à 999999"_s,
                         english);
        command.kind = Command::Kind::Exercise;
        command.file = parser.value(exercise);
        return command;
    }
    if (parser.isSet(table) && !parser.isSet(stats) && !parser.isSet(threshold)) {
        if (!command.file.isEmpty() || parser.isSet(second))
            return error(english ? u"statistique: a table's chart takes no series FILE"_s
                                 : u"statistique : le graphique d'un tableau ne prend pas de "
                                   u"FICHIER de série"_s,
                         english);
        if (!parser.isSet(output) || !parser.isSet(chart))
            return error(english ? u"statistique: --table goes with --stats, or with --chart and "
                                   u"--export"_s
                                 : u"statistique : --table va avec --stats, ou avec --chart et "
                                   u"--export"_s,
                         english);
        const std::optional<GraphiqueTableau> graphique = graphiqueTableauNomme(command.chart);
        if (!graphique)
            return error(
                english ? u"statistique: unknown table chart '%1' (bars, histogram, "
                          u"cumulative, cumulative-percent or box)"_s.arg(command.chart)
                        : u"statistique : graphique de tableau inconnu « %1 » (bars, "
                          u"histogram, cumulative, cumulative-percent ou box)"_s.arg(command.chart),
                english);
        command.kind = Command::Kind::ExportTable;
        command.file = parser.value(table);
        command.graphiqueTableau = *graphique;
        command.deciles = parser.isSet(deciles);
        return command;
    }
    if (parser.isSet(deciles))
        return error(english ? u"statistique: --deciles goes with a table's box plot"_s
                             : u"statistique : --deciles va avec la boîte d'un tableau"_s,
                     english);
    if (parser.isSet(table) || parser.isSet(threshold)) {
        if (!parser.isSet(stats) || !parser.isSet(table))
            return error(english ? u"statistique: --table goes with --stats"_s
                                 : u"statistique : --table va avec --stats"_s,
                         english);
        if (!command.file.isEmpty() || parser.isSet(output) || parser.isSet(chart) ||
            parser.isSet(second))
            return error(english ? u"statistique: --stats --table takes nothing else"_s
                                 : u"statistique : --stats --table ne prend rien d'autre"_s,
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
            return error(english ? u"statistique: --stats and --export do not go together"_s
                                 : u"statistique : --stats et --export ne vont pas ensemble"_s,
                         english);
        command.kind = Command::Kind::Stats;
        return command;
    }
    if (parser.isSet(output) || parser.isSet(chart) || parser.isSet(second)) {
        if (command.file.isEmpty()) return needsFile(u"--export"_s);
        if (!parser.isSet(output) || !parser.isSet(chart))
            return error(english ? u"statistique: --chart and --export go together"_s
                                 : u"statistique : --chart et --export vont ensemble"_s,
                         english);
        const std::optional<ChartKind> graphique = chartKindNamed(command.chart);
        if (!graphique)
            return error(
                english ? u"statistique: unknown chart '%1' (sticks, curve, both or pie)"_s.arg(
                              command.chart)
                        : u"statistique : graphique inconnu « %1 » (sticks, curve, "
                          u"both ou pie)"_s.arg(command.chart),
                english);
        command.graphique = *graphique;
        command.kind = Command::Kind::Export;
    }
    return command;
}

}  // namespace core
