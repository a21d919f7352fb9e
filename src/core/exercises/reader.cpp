#include "core/exercises/exercise.h"

#include "core/exercises/exercise_chart.h"
#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// Bounds on what a file may ask, so that no file can make the program crawl.
constexpr int kPlusDeLignes = 10000;
constexpr qint64 kPlusGrandTotal = 1000000;
constexpr int kPlusDeQuestions = 30;
constexpr int kPlusDeSeries = 6;

int ligneDe(const QByteArray& octets, qsizetype position) {
    return int(octets.left(std::clamp<qsizetype>(position, 0, octets.size())).count('\n')) + 1;
}

// Where the n-th key of that name stands, to tell the learner's teacher which line
// is at fault; the document's reader keeps no positions.
int ligneDeLaCle(const QByteArray& octets, const QByteArray& cle, int rang) {
    const QByteArray motif = '"' + cle + '"';
    qsizetype at = -1;
    for (int i = 0; i <= rang; ++i) {
        at = octets.indexOf(motif, at + 1);
        if (at < 0) return 1;
    }
    return ligneDe(octets, at);
}

struct Faute {
    QString pourquoi;
    QByteArray cle;  // the key whose line is given
    int rang = 0;    // which occurrence of it
};

std::optional<double> nombre(const QJsonValue& v) {
    if (!v.isDouble()) return std::nullopt;
    const double x = v.toDouble();
    if (!std::isfinite(x) || std::abs(x) > 1e12) return std::nullopt;
    return x;
}

std::optional<qint64> effectifLu(const QJsonValue& v) {
    const auto x = nombre(v);
    if (!x || *x < 0 || *x != std::floor(*x) || *x > double(kPlusGrandTotal)) return std::nullopt;
    return qint64(*x);
}

class Lecteur {
public:
    explicit Lecteur(const QByteArray& octets) : octets_(octets) {}

    ExerciseReading lire() {
        QJsonParseError erreur;
        const QJsonDocument doc = QJsonDocument::fromJson(octets_, &erreur);
        if (erreur.error != QJsonParseError::NoError)
            return faute(
                u"ligne %1 : le texte n'est pas du JSON (%2)"_s.arg(ligneDe(octets_, erreur.offset))
                    .arg(erreur.errorString()));
        if (!doc.isObject()) return faute(u"ligne 1 : le fichier doit décrire un objet { … }"_s);
        Exercise e;
        const QJsonObject racine = doc.object();
        try {
            e.titre = texte(racine, "titre", true);
            e.enonce = texte(racine, "enonce", false);
            lireNiveau(racine, e);
            lireDonnees(racine.value(u"donnees"_s), e);
            lireGraphique(racine, e);
            lireQuestions(racine.value(u"questions"_s), e);
        } catch (const Faute& f) {
            return faute(
                u"ligne %1 : %2"_s.arg(ligneDeLaCle(octets_, f.cle, f.rang)).arg(f.pourquoi));
        }
        return {std::move(e), {}};
    }

private:
    static ExerciseReading faute(const QString& pourquoi) { return {std::nullopt, pourquoi}; }

    [[noreturn]] void refuser(const QString& pourquoi, const char* cle, int rang = 0) const {
        throw Faute{pourquoi, QByteArray(cle), rang};
    }

    QString texte(const QJsonObject& o, const char* cle, bool obligatoire, int rang = 0) const {
        const QJsonValue v = o.value(QLatin1StringView(cle));
        if (v.isUndefined() && !obligatoire) return {};
        if (!v.isString() || (obligatoire && v.toString().trimmed().isEmpty()))
            refuser(u"« %1 » doit être un texte"_s.arg(QLatin1StringView(cle)), cle, rang);
        return v.toString().left(4000);
    }

    double nombreDe(const QJsonObject& o, const char* cle, int rang, double defaut,
                    bool obligatoire = false) const {
        const QJsonValue v = o.value(QLatin1StringView(cle));
        if (v.isUndefined() && !obligatoire) return defaut;
        const auto x = nombre(v);
        if (!x) refuser(u"« %1 » doit être un nombre"_s.arg(QLatin1StringView(cle)), cle, rang);
        return *x;
    }

    void lireNiveau(const QJsonObject& racine, Exercise& e) const {
        e.niveau = texte(racine, "niveau", false);
        if (!e.niveau.isEmpty() && !schoolLevels().contains(e.niveau))
            refuser(u"« niveau » doit valoir 5e, 4e, 3e, 2nde, 1re ou Tle"_s, "niveau");
        const QJsonValue themes = racine.value(u"themes"_s);
        if (themes.isUndefined()) return;
        if (!themes.isArray() || themes.toArray().size() > 20)
            refuser(u"« themes » doit être une liste de 20 textes au plus"_s, "themes");
        for (const QJsonValue& t : themes.toArray()) {
            if (!t.isString() || t.toString().trimmed().isEmpty())
                refuser(u"chaque thème doit être un texte"_s, "themes");
            e.themes << t.toString().trimmed().left(100);
        }
    }

    // The chart the sheets show the data with, which must fit every series' shape.
    void lireGraphique(const QJsonObject& racine, Exercise& e) const {
        if (!racine.contains(u"graphique"_s)) return;
        const QString nom = texte(racine, "graphique", true);
        const auto graphique = exerciseChartNamed(nom);
        if (!graphique)
            refuser(
                u"graphique inconnu « %1 » (batons, histogramme, polygone_cumule, boite, "
                u"camembert ou nuage)"_s.arg(nom),
                "graphique");
        for (const ExerciseSeries& s : e.series)
            if (const QString pourquoi = chartMismatch(*graphique, s.forme); !pourquoi.isEmpty())
                refuser(pourquoi, "graphique");
        e.graphique = *graphique;
    }

    void lireDonnees(const QJsonValue& v, Exercise& e) {
        std::vector<QJsonObject> series;
        if (v.isObject()) {
            series.push_back(v.toObject());
        } else if (v.isArray() && !v.toArray().isEmpty() && v.toArray().size() <= kPlusDeSeries) {
            for (const QJsonValue& s : v.toArray()) {
                if (!s.isObject())
                    refuser(u"chaque série des données doit être un objet"_s, "donnees");
                series.push_back(s.toObject());
            }
        } else {
            refuser(u"« donnees » doit être une série, ou une liste de 1 à %1 séries"_s.arg(
                        kPlusDeSeries),
                    "donnees");
        }
        for (size_t i = 0; i < series.size(); ++i) e.series.push_back(lireSerie(series[i], int(i)));
        for (const ExerciseSeries& s : e.series)
            if (e.series.size() > 1 && (s.forme == Forme::Paires || s.forme == Forme::Simulation))
                refuser(u"des paires ou une simulation sont les seules données de l'exercice"_s,
                        "forme");
    }

    ExerciseSeries lireSerie(const QJsonObject& o, int rang) {
        ExerciseSeries s;
        s.nom = texte(o, "nom", false, rang);
        if (s.nom.isEmpty()) s.nom = u"Série %1"_s.arg(rang + 1);
        const QString forme = texte(o, "forme", true, rang);
        if (forme == u"brute")
            s.forme = Forme::Brute;
        else if (forme == u"valeurs")
            s.forme = Forme::Valeurs;
        else if (forme == u"classes")
            s.forme = Forme::Classes;
        else if (forme == u"paires" || forme == u"simulation") {
            s.forme = forme == u"paires" ? Forme::Paires : Forme::Simulation;
            const QString pourquoi = forme == u"paires" ? lirePaires(o, s) : lireSimulation(o, s);
            if (!pourquoi.isEmpty()) refuser(pourquoi, "forme", rang);
            return s;
        } else
            refuser(u"forme inconnue « %1 » (brute, valeurs, classes, paires ou simulation)"_s.arg(
                        forme),
                    "forme", rang);
        const QString fermeture = texte(o, "fermeture", false, rang);
        if (!fermeture.isEmpty() && fermeture != u"droite" && fermeture != u"gauche")
            refuser(u"« fermeture » vaut « droite » ou « gauche »"_s, "fermeture", rang);
        s.fermeADroite = fermeture != u"gauche";
        const char* cle = s.forme == Forme::Classes ? "classes" : "valeurs";
        const QJsonValue lignes = o.value(QLatin1StringView(cle));
        if (!lignes.isArray() || lignes.toArray().isEmpty() ||
            lignes.toArray().size() > kPlusDeLignes)
            refuser(u"« %1 » doit être une liste de 1 à %2 éléments"_s.arg(QLatin1StringView(cle))
                        .arg(kPlusDeLignes),
                    "forme", rang);
        for (const QJsonValue& l : lignes.toArray()) lireLigne(s, l, rang);
        verifierSerie(s, rang);
        // How new data are drawn, by default from the series itself.
        const QJsonObject tirage = o.value(u"tirage"_s).toObject();
        if (s.forme == Forme::Brute) {
            const auto [bas, haut] = std::minmax_element(s.brutes.begin(), s.brutes.end());
            const bool entieres = std::all_of(s.brutes.begin(), s.brutes.end(),
                                              [](double x) { return x == std::floor(x); });
            s.min = nombreDe(tirage, "min", rang, *bas);
            s.max = nombreDe(tirage, "max", rang, *haut);
            s.pas = nombreDe(tirage, "pas", rang, entieres ? 1 : 0.5);
            if (!(s.min <= s.max) || !(s.pas > 0) || (s.max - s.min) / s.pas > 1e6)
                refuser(u"le tirage demande min ≤ max et un pas positif"_s, "forme", rang);
        } else {
            const double total = nombreDe(tirage, "total", rang, double(s.effectif()));
            if (total < 1 || total > double(kPlusGrandTotal) || total != std::floor(total))
                refuser(u"« total » doit être un entier de 1 à %1"_s.arg(kPlusGrandTotal), "forme",
                        rang);
            s.total = qint64(total);
        }
        return s;
    }

    void lireLigne(ExerciseSeries& s, const QJsonValue& l, int rang) {
        if (s.forme == Forme::Brute) {
            const auto x = nombre(l);
            if (!x) refuser(u"les valeurs d'une série brute sont des nombres"_s, "forme", rang);
            s.brutes.push_back(*x);
            return;
        }
        const QJsonArray a = l.toArray();
        const bool classes = s.forme == Forme::Classes;
        const auto premier = nombre(a.at(0)), second = nombre(a.at(1));
        const auto effectif = effectifLu(a.at(classes ? 2 : 1));
        if (!l.isArray() || a.size() != (classes ? 3 : 2) || !premier || !second || !effectif)
            refuser(classes ? u"chaque classe s'écrit [borne inférieure, borne supérieure, "
                              u"effectif], l'effectif entier et positif"_s
                            : u"chaque valeur s'écrit [valeur, effectif], l'effectif entier et "
                              u"positif"_s,
                    "forme", rang);
        if (classes)
            s.classes.push_back({*premier, *second, *effectif});
        else
            s.valeurs.push_back({*premier, *effectif});
    }

    void verifierSerie(ExerciseSeries& s, int rang) const {
        if (s.effectif() <= 0 || s.effectif() > kPlusGrandTotal)
            refuser(u"l'effectif total doit aller de 1 à %1"_s.arg(kPlusGrandTotal), "forme", rang);
        if (s.forme == Forme::Valeurs) {
            std::vector<double> v;
            for (const auto& p : s.valeurs) v.push_back(p.valeur);
            std::sort(v.begin(), v.end());
            if (std::adjacent_find(v.begin(), v.end()) != v.end())
                refuser(u"une valeur est écrite deux fois"_s, "forme", rang);
        }
        if (s.forme == Forme::Classes) {
            std::vector<Interval> c = s.classes;
            std::sort(c.begin(), c.end(),
                      [](auto& a, auto& b) { return a.inferieure < b.inferieure; });
            for (size_t i = 0; i < c.size(); ++i) {
                if (!(c[i].inferieure < c[i].superieure))
                    refuser(u"une classe a sa borne inférieure au-delà de la supérieure"_s, "forme",
                            rang);
                if (i > 0 && c[i].inferieure < c[i - 1].superieure)
                    refuser(u"deux classes se chevauchent"_s, "forme", rang);
            }
        }
    }

    void lireQuestions(const QJsonValue& v, Exercise& e) {
        const QJsonArray questions = v.toArray();
        if (!v.isArray() || questions.isEmpty() || questions.size() > kPlusDeQuestions)
            refuser(
                u"« questions » doit être une liste de 1 à %1 questions"_s.arg(kPlusDeQuestions),
                "questions");
        for (int i = 0; i < questions.size(); ++i) {
            if (!questions[i].isObject())
                refuser(u"chaque question doit être un objet"_s, "questions");
            try {
                e.questions.push_back(lireQuestion(questions[i].toObject(), e, i));
            } catch (Faute& f) {
                // Said at the question's text, but for its quantity, whose line is known.
                if (f.cle != "demande") f = {f.pourquoi, "texte", i};
                throw;
            }
        }
    }

    ExerciseQuestion lireQuestion(const QJsonObject& o, const Exercise& e, int rang) {
        ExerciseQuestion q;
        q.texte = texte(o, "texte", true, rang);
        const QString demande = texte(o, "demande", true, rang);
        const auto quantite = quantiteNommee(demande);
        if (!quantite) refuser(u"la quantité « %1 » n'existe pas"_s.arg(demande), "demande", rang);
        q.quantite = *quantite;
        const double serie = nombreDe(o, "serie", rang, 1);
        if (serie < 1 || serie > double(e.series.size()) || serie != std::floor(serie))
            refuser(
                u"« serie » doit désigner une série des données, de 1 à %1"_s.arg(e.series.size()),
                "texte", rang);
        q.serie = int(serie) - 1;
        const ExerciseSeries& s = e.series[size_t(q.serie)];
        if (const QString pourquoi = lireQuestionDeuxVariables(o, s, q); !pourquoi.isEmpty())
            refuser(pourquoi, "demande", rang);
        const bool classes = s.forme == Forme::Classes;
        if (q.quantite == Quantity::Mode && classes)
            refuser(
                u"le mode se demande pour des valeurs ; pour des classes, demandez "
                u"« classe_modale »"_s,
                "demande", rang);
        if (q.quantite == Quantity::ClasseModale && !classes)
            refuser(u"« classe_modale » se demande pour des classes"_s, "demande", rang);
        if (q.quantite == Quantity::FrequenceValeur)
            q.parametre = nombreDe(o, "valeur", rang, 0, true);
        if (demandeUnSeuil(q.quantite)) q.parametre = nombreDe(o, "seuil", rang, 0, true);
        q.ajouter = nombreDe(o, "ajouter", rang, 0);
        q.multiplier = nombreDe(o, "multiplier", rang, 1);
        if (!(q.multiplier > 0)) refuser(u"« multiplier » doit être positif"_s, "texte", rang);
        const bool compte = q.quantite == Quantity::EffectifTotal ||
                            q.quantite == Quantity::EffectifAuDessus ||
                            q.quantite == Quantity::EffectifAuDessous;
        const bool part = q.quantite == Quantity::PartDansIntervalle ||
                          q.quantite == Quantity::Correlation || q.quantite == Quantity::Gini;
        q.precision = nombreDe(o, "precision", rang, compte ? 1 : part ? 0.001 : 0.01);
        if (!(q.precision > 0)) refuser(u"« precision » doit être positive"_s, "texte", rang);
        q.tolerance = nombreDe(o, "tolerance", rang, q.precision / 2);
        if (!(q.tolerance >= 0)) refuser(u"« tolerance » ne peut être négative"_s, "texte", rang);
        q.unite = texte(o, "unite", false, rang);
        q.indice = texte(o, "indice", false, rang);
        q.explication = texte(o, "explication", false, rang);
        if (q.quantite == Quantity::Choix) {
            const QJsonArray choix = o.value(u"choix"_s).toArray();
            for (const QJsonValue& c : choix)
                if (c.isString() && !c.toString().isEmpty()) q.choix << c.toString().left(200);
            if (q.choix.size() < 2 || q.choix.size() != choix.size() || q.choix.size() > 20)
                refuser(u"« choix » doit être une liste de 2 à 20 textes"_s, "demande", rang);
            q.reponse = texte(o, "reponse", true, rang);
            if (!q.choix.contains(q.reponse))
                refuser(u"« reponse » doit être l'un des choix"_s, "texte", rang);
        }
        if (q.quantite == Quantity::PlusGrand || q.quantite == Quantity::PlusPetit) {
            const QString de = texte(o, "de", true, rang);
            const auto compare = quantiteNommee(de);
            if (!compare || !comparable(*compare))
                refuser(u"« de » doit nommer une quantité qui se compare, comme « ecart_type »"_s,
                        "texte", rang);
            q.de = *compare;
            if (e.series.size() < 2)
                refuser(u"« %1 » compare au moins deux séries"_s.arg(demande), "demande", rang);
        }
        return q;
    }

    const QByteArray& octets_;
};

}  // namespace

const QStringList& schoolLevels() {
    static const QStringList niveaux{u"5e"_s, u"4e"_s, u"3e"_s, u"2nde"_s, u"1re"_s, u"Tle"_s};
    return niveaux;
}

ExerciseReading lireExercice(const QByteArray& json) {
    return Lecteur(json).lire();
}

ExerciseReading lireFichierExercice(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt,
                f.exists() ? u"le fichier ne peut pas être lu"_s : u"ce fichier n'existe pas"_s};
    if (f.size() > 4 * 1024 * 1024) return {std::nullopt, u"le fichier est trop grand"_s};
    return lireExercice(f.readAll());
}

}  // namespace core
