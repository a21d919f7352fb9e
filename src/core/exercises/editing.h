#pragma once

// What the teacher's exercise editor needs of the engine: an exercise written back as the
// JSON the reader takes (writer.cpp), the quantities offered for each shape of data with
// the parameters each takes, the faults that forbid saving, and where the teacher's own
// exercises are kept (checks.cpp). The reader and the engine stay the only judges: the
// quantities offered are those the reader accepts, and a question is refused when the
// engine finds no answer for it.

#include "core/exercises/exercise.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace core {

// The JSON of an exercise, keys in the order and spelling of the shipped files; reading
// it gives the same exercise back.
QByteArray exerciceEnJson(const Exercise& e);

// What a question of that quantity is given beside its text, precision and unit.
enum QuestionParameter : unsigned {
    AucunParametre = 0,
    ParametreValeur = 1 << 0,      // "valeur": the value whose frequency is asked
    ParametreSeuil = 1 << 1,       // "seuil"
    ParametreXouY = 1 << 2,        // "x" or "y": what an estimation starts from
    ParametreMethode = 1 << 3,     // "methode": least squares or Mayer
    ParametreChangement = 1 << 4,  // "changement": ln y
    ParametreK = 1 << 5,           // "k", or the interval 1/√n
    ParametreChoix = 1 << 6,       // "choix" and "reponse"
    ParametreDe = 1 << 7,          // "de": what several series are compared by
    ParametrePrecision = 1 << 8,   // a figure: its precision and its unit
};

struct OfferedQuantity {
    Quantity quantite;
    QString nom;      // as the file writes it: "moyenne"
    QString libelle;  // as the list shows it: "Moyenne"
    unsigned parametres = AucunParametre;
};
// The quantities the reader accepts on one series of that shape, in the reader's order.
std::vector<OfferedQuantity> quantitesOffertes(ExerciseSeries::Forme forme);
// The French label of a quantity, for the list and the faults.
QString libelleDe(Quantity q);
unsigned parametresDe(Quantity q);

// Why the exercise cannot be saved, one sentence a fault ("Question 2 : …"); empty
// when it can. The reader judges the file, the engine whether each question has an answer.
QStringList fautesDeLExercice(const Exercise& e);

// Where the teacher's exercises go: the learner's own folder of dossiersDesExercices().
QString dossierDuProfesseur();
// A file name made of the title in plain ASCII, "-2", "-3"… when the name is taken.
QString cheminPourTitre(const QString& dossier, const QString& titre);
// Writes the exercise whole or not at all, making its folder; the empty text, or why not.
QString enregistrerExercice(const Exercise& e, const QString& chemin);

}  // namespace core
