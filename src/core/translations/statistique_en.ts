<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>command_line</name>
    <message>
        <source>Usage : statistique [FICHIER] [OPTIONS]
Apprendre la statistique descriptive : une série, ses paramètres, ses graphiques.

  FICHIER              une série à ouvrir : un fichier CSV (deux colonnes au plus)
                       ou une valeur par ligne
  --stats FICHIER      écrit les paramètres de la série de FICHIER et s&apos;arrête
  --stats --table=TABLEAU
                       écrit les paramètres d&apos;un tableau d&apos;effectifs (valeurs et
                       effectifs, ou classes et effectifs) et s&apos;arrête
  --threshold=T        avec --table : combien de valeurs sont au-dessus et
                       au-dessous de T
  --table=TABLEAU --chart=TYPE --export=SORTIE
                       écrit le graphique du tableau dans SORTIE et s&apos;arrête ;
                       TYPE est bars (bâtons), histogram (histogramme),
                       cumulative (effectifs cumulés), cumulative-percent
                       (fréquences cumulées) ou box (boîte)
  --deciles            avec la boîte d&apos;un tableau : moustaches aux déciles
  --exercice=EXERCICE --solution [--serie=N]
                       écrit l&apos;énoncé de l&apos;exercice, ses données, ses réponses et
                       leurs solutions détaillées, avec les données de la série N
                       si elle est donnée, et s&apos;arrête
  --moodle=EXERCICES --variants=K [--serie=S] --export=QUIZ.xml
                       écrit les exercices (fichiers séparés par des virgules) en
                       questionnaire Moodle XML, chaque question en K variantes
                       avec les données des séries S, S + 1…, et s&apos;arrête
  --gift=EXERCICES --variants=K [--serie=S] --export=QUIZ.gift
                       de même au format GIFT
  --sheets=E1.json[,E2.json…] --pupils=N|FICHIER [--serie=S] --export=FEUILLES.pdf
                       [--answer-key=CORRIGE.pdf]
                       écrit une feuille par élève (N élèves, ou les noms de
                       FICHIER : un par ligne, ou une colonne CSV), l&apos;élève i avec
                       les données de la série S + i − 1 (S vaut 1 par défaut), et
                       leur corrigé
  --simulate --p=P --n=N --samples=K [--serie=S]
                       simule K échantillons de taille N d&apos;une proportion P (0,5,
                       1/6…) et écrit la moyenne et l&apos;écart-type s des fréquences
                       et les parts dans p ± s, 2s, 3s et p ± 1/√n
  --simulate --population=FICHIER --n=N --samples=K [--serie=S]
                       de même pour les moyennes d&apos;échantillons tirés de la série
                       ou du tableau d&apos;effectifs de FICHIER, avec la part dans
                       μ ± 2σ/√n
  --simulate ... --chart=frequencies|fluctuation|large-numbers --export=SORTIE
                       écrit l&apos;histogramme des fréquences, s en fonction de 1/√n,
                       ou la fréquence au fil de N tirages dans SORTIE
  --pairs=PAIRES --stats [--fit=AJUSTEMENT]... [--predict-x=X] [--predict-y=Y]
                       écrit les paramètres d&apos;un fichier CSV de paires (x, y) :
                       moyennes, variances, covariance, corrélation, moindres
                       carrés et droite de Mayer ; AJUSTEMENT (least-squares,
                       mayer ou exponential) ajoute ses lignes, X et Y les
                       estimations de y et de x
  --pairs=PAIRES --chart=scatter|residuals [--fit=AJUSTEMENT]... --export=SORTIE
                       écrit le nuage de points et ses ajustements, ou les résidus
  --pairs=INDIVIDUS --x=V --y=W [--filter=E] ...
                       de même pour deux variables numériques d&apos;un fichier
                       d&apos;individus, des individus que le filtre garde
  --pairs=PAIRES [--x=V --y=W [--filter=E]]
                       sans --stats ni --chart, ouvre la fenêtre « Deux variables »
                       sur elles
  --lorenz=PARTS --stats
                       écrit l&apos;indice de Gini de parts cumulées (population,
                       masse) ou d&apos;un tableau de classes et d&apos;effectifs
  --lorenz=PARTS --chart=lorenz --export=SORTIE
                       écrit la courbe de Lorenz
  --decimals=N         avec --pairs ou --lorenz : N décimales (3 sinon)
  --chart=TYPE         le graphique à dessiner : sticks (bâtons), curve (courbe),
                       both (les deux) ou pie (camembert)
  --second             prend en compte la deuxième série (colonne 2)
  --export=SORTIE      écrit le graphique de FICHIER dans SORTIE (.png, .svg ou
                       .pdf) et s&apos;arrête
  --individuals=FICHIER --variables
                       écrit les variables d&apos;un fichier d&apos;individus (CSV, .ods,
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
                       --filter=&apos;Sexe = &quot;F&quot; ET [Taille (cm)] &gt; 160&apos;
  --order=ORDRE        avec --individuals : les modalités dans l&apos;ordre
                       d&apos;apparition (appearance), alphabétique (alphabetical) ou
                       des effectifs (count)
  --qualitative=V      avec --individuals : compte la variable numérique V comme
                       qualitative (des codes, un code postal) ; se répète
  --individuals=FICHIER --variable=V --chart=bars|pie|histogram --export=SORTIE
                       écrit le graphique de V (barres, circulaire,
                       histogramme) dans SORTIE
  -h, --help           affiche cette aide et s&apos;arrête
  -v, --version        affiche la version et s&apos;arrête

Sans --stats ni --export, le programme ouvre sa fenêtre (il faut une session
graphique).
</source>
        <translation>Usage: statistique [FILE] [OPTIONS]
Learn descriptive statistics: build a series, read its parameters, draw its charts.

  FILE                 a series to open: a CSV file (two columns at most) or one
                       value per line
  --stats FILE         print the parameters of FILE&apos;s series and exit
  --stats --table=TABLE
                       print the parameters of a table of counts (values and
                       counts, or classes and counts) and exit
  --threshold=T        with --table: also how many values lie above and below T
  --table=TABLE --chart=KIND --export=OUTPUT
                       write the table&apos;s chart to OUTPUT and exit; KIND is bars,
                       histogram, cumulative, cumulative-percent or box
  --deciles            with a table&apos;s box plot: whiskers to D1 and D9
  --exercice=EXERCISE --solution [--serie=N]
                       print the exercise&apos;s statement, data, answers and worked
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
                       and print their frequencies&apos; mean, standard deviation s and
                       the shares within p ± s, 2s, 3s and p ± 1/√n
  --simulate --population=FILE --n=N --samples=K [--serie=S]
                       the same for the means of samples drawn from FILE&apos;s series
                       or table of counts, with the share within μ ± 2σ/√n
  --simulate ... --chart=frequencies|fluctuation|large-numbers --export=OUTPUT
                       write the histogram of the frequencies, s against 1/√n, or
                       the running frequency of N draws to OUTPUT
  --pairs=PAIRS --stats [--fit=FIT]... [--predict-x=X] [--predict-y=Y]
                       print the statistics of a CSV file of pairs (x, y): means,
                       variances, covariance, correlation, least squares and
                       Mayer&apos;s line; FIT (least-squares, mayer or exponential)
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
  --export=OUTPUT      write FILE&apos;s chart to OUTPUT (.png, .svg or .pdf) and exit
  --individuals=FILE --variables
                       print the variables of a file of individuals (CSV, .ods,
                       .xlsx): kind, count, missing values
  --individuals=FILE --stats --variable=V
                       print V&apos;s parameters (numeric) or its modalities with
                       counts and frequencies (qualitative)
  --individuals=FILE --variable=V --classes=WIDTH [--start=START]
                       print V&apos;s counts in classes [a ; b[ of equal width
  --individuals=FILE --crosstab=A,B [--percentages=row|column|total]
                       print the cross table of A and B with its totals
  --filter=FILTER      with --individuals: only the individuals the filter
                       keeps, e.g. --filter=&apos;Sexe = &quot;F&quot; ET [Taille (cm)] &gt; 160&apos;
  --order=ORDER        with --individuals: modalities in order of appearance,
                       alphabetical or count (largest first)
  --qualitative=V      with --individuals: count the numeric variable V as
                       qualitative (codes such as a postcode); may be repeated
  --individuals=FILE --variable=V --chart=bars|pie|histogram --export=OUTPUT
                       write V&apos;s chart to OUTPUT
  -h, --help           print this help and exit
  -v, --version        print the version and exit

Without --stats or --export, the program opens its window (a graphical session
is needed).
</translation>
    </message>
    <message>
        <source>Essayez « statistique --help ».</source>
        <translation>Try &apos;statistique --help&apos;.</translation>
    </message>
    <message>
        <source>statistique : l&apos;option « %1 » ne prend pas de valeur</source>
        <translation>statistique: option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>statistique : l&apos;option « %1 » demande une valeur</source>
        <translation>statistique: option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>statistique : les arguments ne se lisent pas</source>
        <translation>statistique: the arguments cannot be read</translation>
    </message>
    <message>
        <source>statistique : option inconnue « %1 »</source>
        <translation>statistique: unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>statistique : un seul fichier, pas %1</source>
        <translation>statistique: one file at most, not %1</translation>
    </message>
    <message>
        <source>statistique : %1 demande un FICHIER</source>
        <translation>statistique: %1 needs a FILE</translation>
    </message>
    <message>
        <source>statistique : --exercice va avec --solution</source>
        <translation>statistique: --exercice goes with --solution</translation>
    </message>
    <message>
        <source>statistique : --exercice --solution ne prend que --serie</source>
        <translation>statistique: --exercice --solution takes only --serie</translation>
    </message>
    <message>
        <source>statistique : --serie prend un nombre de 1 à 999999</source>
        <translation>statistique: --serie takes a number from 1 to 999999</translation>
    </message>
    <message>
        <source>statistique : le graphique d&apos;un tableau ne prend pas de FICHIER de série</source>
        <translation>statistique: a table&apos;s chart takes no series FILE</translation>
    </message>
    <message>
        <source>statistique : --table va avec --stats, ou avec --chart et --export</source>
        <translation>statistique: --table goes with --stats, or with --chart and --export</translation>
    </message>
    <message>
        <source>statistique : graphique de tableau inconnu « %1 » (bars, histogram, cumulative, cumulative-percent ou box)</source>
        <translation>statistique: unknown table chart &apos;%1&apos; (bars, histogram, cumulative, cumulative-percent or box)</translation>
    </message>
    <message>
        <source>statistique : --deciles va avec la boîte d&apos;un tableau</source>
        <translation>statistique: --deciles goes with a table&apos;s box plot</translation>
    </message>
    <message>
        <source>statistique : --table va avec --stats</source>
        <translation>statistique: --table goes with --stats</translation>
    </message>
    <message>
        <source>statistique : --stats --table ne prend rien d&apos;autre</source>
        <translation>statistique: --stats --table takes nothing else</translation>
    </message>
    <message>
        <source>statistique : --stats et --export ne vont pas ensemble</source>
        <translation>statistique: --stats and --export do not go together</translation>
    </message>
    <message>
        <source>statistique : --chart et --export vont ensemble</source>
        <translation>statistique: --chart and --export go together</translation>
    </message>
    <message>
        <source>statistique : graphique inconnu « %1 » (sticks, curve, both ou pie)</source>
        <translation>statistique: unknown chart &apos;%1&apos; (sticks, curve, both or pie)</translation>
    </message>
</context>
</TS>
