#pragma once

// Exercises a learner answers and the program checks: read from a JSON file (a title,
// a statement, one or more series, and for each question the quantity it asks, its
// precision and its hint), the expected answers computed here from the data and never
// read from the file, the verdict on a typed answer, the worked solution written out
// in French with regional decimals, and new data of the same shape drawn from a
// numbered series. Pure functions of Qt Core, tested without a window.
//
// The engine's parts, each in its own file of this folder: reader.cpp and folders.cpp
// (files in), figures.cpp and checking.cpp (expected answers, verdicts), hints.cpp,
// solutions*.cpp (the working), new_data.cpp, data_table.cpp and corrected_sheet.cpp; pairs
// and simulations in two_variables.h (reader_two_variables.cpp, pairs_figures.cpp and
// simulation_figures.cpp), their figures taken from core::pairs and core::simulation.

#include "core/counted_series.h"
#include "core/frequency_table.h"
#include "core/pairs/pairs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

struct ExerciseSeries {
    enum class Forme { Brute, Valeurs, Classes, Paires, Simulation };
    QString nom;  // how the questions and the table name it, when there are several
    Forme forme = Forme::Brute;
    bool fermeADroite = true;
    std::vector<double> brutes;       // a raw series, in its order
    std::vector<ValueCount> valeurs;  // values with counts
    std::vector<Interval> classes;    // classes with counts
    // How new data are drawn: raw values between min and max by steps of pas, about
    // the series' own mean and spread; counts adding up to total.
    double min = 0, max = 0, pas = 1;
    qint64 total = 0;
    // Pairs (x ; y) with the variables' names; new y are rounded to decimalesY.
    pairs::Pairs paires;
    int decimalesY = 0;
    // A simulation: N samples of size n of a character of proportion p, drawn from
    // series n° tirage, and the frequency a real sample gave.
    double p = 0.5;
    qint64 n = 100, echantillons = 1000;
    quint64 tirage = 4711;
    std::optional<double> frequenceObservee;
    std::vector<double> population;  // set: means of samples drawn from it, in place of p

    qint64 effectif() const;
    // The raw series as distinct values with their counts, or the values as given.
    std::vector<ValueCount> ponderees() const;
};

enum class Quantity {
    Moyenne,
    Mediane,
    Q1,
    Q3,
    D1,
    D9,
    Etendue,
    EcartInterquartile,
    Variance,
    EcartType,
    Mode,
    EffectifTotal,
    FrequenceValeur,
    EffectifAuDessus,
    EffectifAuDessous,
    PourcentageAuDessus,
    PourcentageAuDessous,
    ClasseModale,
    Choix,
    PlusGrand,
    PlusPetit,
    // Two variables.
    MoyenneX,
    MoyenneY,
    Covariance,
    Correlation,
    CoefficientDirecteur,
    OrdonneeOrigine,
    Estimation,
    Gini,
    // A simulation.
    EcartTypeFrequences,
    PartDansIntervalle,
    BorneInferieure,
    BorneSuperieure,
    DecisionIntervalle,
};

// The quantity a file names ("moyenne", "ecart_type", ...), if any.
std::optional<Quantity> quantiteNommee(QStringView nom);
// The name a file gives a quantity: the reverse of quantiteNommee.
QString nomDeQuantite(Quantity q);

struct ExerciseQuestion {
    QString texte;
    Quantity quantite = Quantity::Moyenne;
    Quantity de = Quantity::Moyenne;     // what plus_grand and plus_petit compare
    double parametre = 0;                // the value or the threshold asked about
    int serie = 0;                       // which series, from 0
    double ajouter = 0, multiplier = 1;  // asked of the values y = multiplier × x + ajouter
    double precision = 0.01;
    double tolerance = 0.005;
    QString unite;
    QString indice;     // the file's own, or empty for the quantity's
    QStringList choix;  // a choice given by the file, and its right answer
    QString reponse;
    QString explication;  // added to the solution
    // Two variables: the fit's method, ln y in place of y, the x or y estimated from.
    bool mayer = false;
    bool lnY = false;
    std::optional<double> x, y;
    // A simulation: the interval p ± k·s, or p ± 1/√n where k is 0.
    int k = 0;
};

// The chart an exercise shows its data with ("graphique": "batons", "histogramme",
// "polygone_cumule", "boite", "camembert", "nuage"), worked out in exercise_chart.h.
enum class ExerciseChart { None, Bars, Histogram, CumulativePolygon, Box, Pie, Scatter };

struct Exercise {
    QString titre, enonce;
    QString niveau;      // "5e", "4e", "3e", "2nde", "1re", "Tle", or empty when not said
    QStringList themes;  // what it practises, as the list may group or show it
    ExerciseChart graphique = ExerciseChart::None;
    std::vector<ExerciseSeries> series;
    std::vector<ExerciseQuestion> questions;
};

struct ExerciseReading {
    std::optional<Exercise> exercice;
    QString faute;  // why not: "ligne L : ..."
};
ExerciseReading lireExercice(const QByteArray& json);
ExerciseReading lireFichierExercice(const QString& chemin);
// The school levels, from the youngest: where each exercise is listed.
const QStringList& schoolLevels();

// The answers offered by a question answered by a choice; empty for a figure.
QStringList choixDe(const Exercise& e, int question);
// The exact figure expected, for a question answered by a figure. Several for modes.
std::vector<double> attendus(const Exercise& e, int question);
// The right choices, for a question answered by a choice.
QStringList choixJustes(const Exercise& e, int question);
// The expected answer as the solution writes it, rounded to the precision asked.
QString reponseAttendue(const Exercise& e, int question);

enum class Verdict { SansReponse, Juste, Faux };
// A figure with "," or "." for its decimals, blanks between its digits allowed.
Verdict verifier(const Exercise& e, int question, const QString& reponse);
QString texteDuVerdict(Verdict v);                // "Juste", "Faux", or nothing
QString texteDuScore(int justes, int questions);  // "3 réponses justes sur 4"

QString indiceDe(const Exercise& e, int question);
QString solutionDe(const Exercise& e, int question);

// The same exercise with new data of the same shape, drawn from series n° numero
// (from 1): the same classes or values with new counts of the same total, or as many
// raw values between the same bounds. The same number always gives the same data.
Exercise nouvellesDonnees(const Exercise& e, quint32 numero);

// The data as a table for the window: its columns and its rows.
struct DataTable {
    QStringList colonnes;
    std::vector<QStringList> lignes;
};
DataTable tableDesDonnees(const Exercise& e);
// A series as a table of counts, to explore it in the table window.
FrequencyTable versTableau(const ExerciseSeries& s);

// The exercises of some folders, each folder's files in the order of their names:
// those that read, and those that do not with the reason.
struct ExerciseFile {
    QString chemin;
    ExerciseReading lecture;
};
std::vector<ExerciseFile> exercicesDes(const QStringList& dossiers);
// Where exercises are looked for: those shipped beside the program, then those of the
// system's data folders, then the learner's own (AppDataLocation/exercices).
QStringList dossiersDesExercices();

// The statement, the data, and each question with its answer and its working: a
// corrected sheet, as plain text.
QString feuilleCorrigee(const Exercise& e, quint32 numero);

}  // namespace core
