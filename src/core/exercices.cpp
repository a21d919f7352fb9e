#include "core/exercices.h"

#include "core/numbers.h"
#include "core/series_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Forme = SerieExercice::Forme;

// Bounds on what a file may ask, so that no file can make the program crawl.
constexpr int kPlusDeLignes = 10000;
constexpr qint64 kPlusGrandTotal = 1000000;
constexpr int kPlusDeQuestions = 30;
constexpr int kPlusDeSeries = 6;

struct NomDeQuantite {
    const char16_t* nom;
    Quantite quantite;
};
constexpr NomDeQuantite kQuantites[] = {
    {u"moyenne", Quantite::Moyenne},
    {u"mediane", Quantite::Mediane},
    {u"q1", Quantite::Q1},
    {u"q3", Quantite::Q3},
    {u"d1", Quantite::D1},
    {u"d9", Quantite::D9},
    {u"etendue", Quantite::Etendue},
    {u"ecart_interquartile", Quantite::EcartInterquartile},
    {u"variance", Quantite::Variance},
    {u"ecart_type", Quantite::EcartType},
    {u"mode", Quantite::Mode},
    {u"effectif_total", Quantite::EffectifTotal},
    {u"frequence_valeur", Quantite::FrequenceValeur},
    {u"effectif_au_dessus", Quantite::EffectifAuDessus},
    {u"effectif_au_dessous", Quantite::EffectifAuDessous},
    {u"pourcentage_au_dessus", Quantite::PourcentageAuDessus},
    {u"pourcentage_au_dessous", Quantite::PourcentageAuDessous},
    {u"classe_modale", Quantite::ClasseModale},
    {u"choix", Quantite::Choix},
    {u"plus_grand", Quantite::PlusGrand},
    {u"plus_petit", Quantite::PlusPetit},
};

// What a quantity is called in a sentence.
QString nomDe(Quantite q) {
    switch (q) {
        case Quantite::Moyenne:
            return u"la moyenne"_s;
        case Quantite::Mediane:
            return u"la médiane"_s;
        case Quantite::Q1:
            return u"le premier quartile"_s;
        case Quantite::Q3:
            return u"le troisième quartile"_s;
        case Quantite::D1:
            return u"le premier décile"_s;
        case Quantite::D9:
            return u"le neuvième décile"_s;
        case Quantite::Etendue:
            return u"l'étendue"_s;
        case Quantite::EcartInterquartile:
            return u"l'écart interquartile"_s;
        case Quantite::Variance:
            return u"la variance"_s;
        case Quantite::EcartType:
            return u"l'écart type"_s;
        case Quantite::Mode:
            return u"le mode"_s;
        case Quantite::EffectifTotal:
            return u"l'effectif total"_s;
        default:
            return u"la réponse"_s;
    }
}

bool estUnChoix(Quantite q) {
    return q == Quantite::ClasseModale || q == Quantite::Choix || q == Quantite::PlusGrand ||
           q == Quantite::PlusPetit;
}

bool demandeUnSeuil(Quantite q) {
    return q == Quantite::EffectifAuDessus || q == Quantite::EffectifAuDessous ||
           q == Quantite::PourcentageAuDessus || q == Quantite::PourcentageAuDessous;
}

// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantite q) {
    return q <= Quantite::EcartType || q == Quantite::EffectifTotal;
}

// ---------------------------------------------------------------- reading

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

    LectureExercice lire() {
        QJsonParseError erreur;
        const QJsonDocument doc = QJsonDocument::fromJson(octets_, &erreur);
        if (erreur.error != QJsonParseError::NoError)
            return faute(
                u"ligne %1 : le texte n'est pas du JSON (%2)"_s.arg(ligneDe(octets_, erreur.offset))
                    .arg(erreur.errorString()));
        if (!doc.isObject()) return faute(u"ligne 1 : le fichier doit décrire un objet { … }"_s);
        Exercice e;
        const QJsonObject racine = doc.object();
        try {
            e.titre = texte(racine, "titre", true);
            e.enonce = texte(racine, "enonce", false);
            lireDonnees(racine.value(u"donnees"_s), e);
            lireQuestions(racine.value(u"questions"_s), e);
        } catch (const Faute& f) {
            return faute(
                u"ligne %1 : %2"_s.arg(ligneDeLaCle(octets_, f.cle, f.rang)).arg(f.pourquoi));
        }
        return {std::move(e), {}};
    }

private:
    static LectureExercice faute(const QString& pourquoi) { return {std::nullopt, pourquoi}; }

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

    void lireDonnees(const QJsonValue& v, Exercice& e) {
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
    }

    SerieExercice lireSerie(const QJsonObject& o, int rang) {
        SerieExercice s;
        s.nom = texte(o, "nom", false, rang);
        if (s.nom.isEmpty()) s.nom = u"Série %1"_s.arg(rang + 1);
        const QString forme = texte(o, "forme", true, rang);
        if (forme == u"brute")
            s.forme = Forme::Brute;
        else if (forme == u"valeurs")
            s.forme = Forme::Valeurs;
        else if (forme == u"classes")
            s.forme = Forme::Classes;
        else
            refuser(u"forme inconnue « %1 » (brute, valeurs ou classes)"_s.arg(forme), "forme",
                    rang);
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

    void lireLigne(SerieExercice& s, const QJsonValue& l, int rang) {
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

    void verifierSerie(SerieExercice& s, int rang) const {
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
            std::vector<Intervalle> c = s.classes;
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

    void lireQuestions(const QJsonValue& v, Exercice& e) {
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

    QuestionExercice lireQuestion(const QJsonObject& o, const Exercice& e, int rang) {
        QuestionExercice q;
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
        const SerieExercice& s = e.series[size_t(q.serie)];
        const bool classes = s.forme == Forme::Classes;
        if (q.quantite == Quantite::Mode && classes)
            refuser(
                u"le mode se demande pour des valeurs ; pour des classes, demandez "
                u"« classe_modale »"_s,
                "demande", rang);
        if (q.quantite == Quantite::ClasseModale && !classes)
            refuser(u"« classe_modale » se demande pour des classes"_s, "demande", rang);
        if (q.quantite == Quantite::FrequenceValeur)
            q.parametre = nombreDe(o, "valeur", rang, 0, true);
        if (demandeUnSeuil(q.quantite)) q.parametre = nombreDe(o, "seuil", rang, 0, true);
        q.ajouter = nombreDe(o, "ajouter", rang, 0);
        q.multiplier = nombreDe(o, "multiplier", rang, 1);
        if (!(q.multiplier > 0)) refuser(u"« multiplier » doit être positif"_s, "texte", rang);
        const bool compte = q.quantite == Quantite::EffectifTotal ||
                            q.quantite == Quantite::EffectifAuDessus ||
                            q.quantite == Quantite::EffectifAuDessous;
        q.precision = nombreDe(o, "precision", rang, compte ? 1 : 0.01);
        if (!(q.precision > 0)) refuser(u"« precision » doit être positive"_s, "texte", rang);
        q.tolerance = nombreDe(o, "tolerance", rang, q.precision / 2);
        if (!(q.tolerance >= 0)) refuser(u"« tolerance » ne peut être négative"_s, "texte", rang);
        q.unite = texte(o, "unite", false, rang);
        q.indice = texte(o, "indice", false, rang);
        q.explication = texte(o, "explication", false, rang);
        if (q.quantite == Quantite::Choix) {
            const QJsonArray choix = o.value(u"choix"_s).toArray();
            for (const QJsonValue& c : choix)
                if (c.isString() && !c.toString().isEmpty()) q.choix << c.toString().left(200);
            if (q.choix.size() < 2 || q.choix.size() != choix.size() || q.choix.size() > 20)
                refuser(u"« choix » doit être une liste de 2 à 20 textes"_s, "demande", rang);
            q.reponse = texte(o, "reponse", true, rang);
            if (!q.choix.contains(q.reponse))
                refuser(u"« reponse » doit être l'un des choix"_s, "texte", rang);
        }
        if (q.quantite == Quantite::PlusGrand || q.quantite == Quantite::PlusPetit) {
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

// ---------------------------------------------------------------- the figures

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
SerieExercice transformee(const SerieExercice& s, double m, double a) {
    if (m == 1 && a == 0) return s;
    SerieExercice t = s;
    for (double& x : t.brutes) x = m * x + a;
    for (auto& p : t.valeurs) p.valeur = m * p.valeur + a;
    for (auto& k : t.classes) {
        k.inferieure = m * k.inferieure + a;
        k.superieure = m * k.superieure + a;
    }
    return t;
}

std::vector<ValeurEffectif> triees(std::vector<ValeurEffectif> v) {
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.valeur < q.valeur; });
    return v;
}

std::vector<Intervalle> triees(std::vector<Intervalle> c) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    return c;
}

// The value of rank r (from 1) in ascending order.
double valeurDeRang(const std::vector<ValeurEffectif>& croissantes, qint64 r) {
    qint64 cumul = 0;
    for (const auto& p : croissantes) {
        cumul += p.effectif;
        if (cumul >= r) return p.valeur;
    }
    return croissantes.empty() ? 0 : croissantes.back().valeur;
}

qint64 rangAuDessus(qint64 n, int num, int den) {
    return (n * num + den - 1) / den;
}

struct Quantile {
    int num, den;  // the level, N × num / den
    const char16_t* symbole;
    const char16_t* part;  // "un quart", for the rank's sentence
};

// "N/4", "3N/4": the level a quantile is read at.
QString niveauDe(const Quantile& k) {
    return (k.num == 1 ? QString() : QString::number(k.num)) + u"N/"_s + QString::number(k.den);
}

std::optional<Quantile> quantileDe(Quantite q) {
    switch (q) {
        case Quantite::Mediane:
            return Quantile{1, 2, u"Me", u"la moitié"};
        case Quantite::Q1:
            return Quantile{1, 4, u"Q1", u"un quart"};
        case Quantite::Q3:
            return Quantile{3, 4, u"Q3", u"trois quarts"};
        case Quantite::D1:
            return Quantile{1, 10, u"D1", u"un dixième"};
        case Quantite::D9:
            return Quantile{9, 10, u"D9", u"neuf dixièmes"};
        default:
            return std::nullopt;
    }
}

std::optional<double> valeurDe(const SerieExercice& s, Quantite q) {
    if (s.forme == Forme::Classes) {
        const ParametresClasses p = parametresClasses(s.classes);
        const auto v = [](const std::optional<Estimation>& e) {
            return e ? std::optional<double>(e->valeur) : std::nullopt;
        };
        switch (q) {
            case Quantite::Moyenne:
                return p.moyenne;
            case Quantite::Mediane:
                return v(p.mediane);
            case Quantite::Q1:
                return v(p.premierQuartile);
            case Quantite::Q3:
                return v(p.troisiemeQuartile);
            case Quantite::D1:
                return v(p.premierDecile);
            case Quantite::D9:
                return v(p.neuviemeDecile);
            case Quantite::Etendue:
                return p.etendue;
            case Quantite::EcartInterquartile:
                return p.ecartInterquartile;
            case Quantite::Variance:
                return p.variance;
            case Quantite::EcartType:
                return p.ecartType;
            case Quantite::EffectifTotal:
                return double(p.effectif);
            default:
                return std::nullopt;
        }
    }
    const ParametresPonderes p = parametresPonderes(s.ponderees());
    switch (q) {
        case Quantite::Moyenne:
            return p.moyenne;
        case Quantite::Mediane:
            return p.mediane;
        case Quantite::Q1:
            return p.premierQuartile;
        case Quantite::Q3:
            return p.troisiemeQuartile;
        case Quantite::D1:
            return p.premierDecile;
        case Quantite::D9:
            return p.neuviemeDecile;
        case Quantite::Etendue:
            return p.etendue;
        case Quantite::EcartInterquartile:
            return p.ecartInterquartile;
        case Quantite::Variance:
            return p.variance;
        case Quantite::EcartType:
            return p.ecartType;
        case Quantite::EffectifTotal:
            return double(s.effectif());
        default:
            return std::nullopt;
    }
}

double effectifDuSeuil(const SerieExercice& s, double seuil, bool dessus) {
    if (s.forme == Forme::Classes)
        return dessus ? effectifAuDessus(s.classes, seuil) : effectifAuDessous(s.classes, seuil);
    return dessus ? effectifAuDessus(s.ponderees(), seuil)
                  : effectifAuDessous(s.ponderees(), seuil);
}

std::vector<double> modesDe(const SerieExercice& s) {
    return parametresPonderes(s.ponderees()).modes;
}

// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparees(const Exercice& e, const QuestionExercice& q) {
    std::vector<std::optional<double>> v;
    for (const SerieExercice& s : e.series)
        v.push_back(valeurDe(transformee(s, q.multiplier, q.ajouter), q.de));
    return v;
}

// ---------------------------------------------------------------- texts

int decimalesDe(double precision) {
    return std::clamp(int(std::ceil(-std::log10(precision) - 1e-9)), 0, 9);
}

// A figure of the data: whole numbers grouped by thousands as the region writes them.
QString exact(double x) {
    if (x == std::floor(x) && std::abs(x) < 1e15) return regionalLocale().toString(qint64(x));
    return textOfNumber(std::round(x * 1e6) / 1e6);
}

QString arrondi(double x, int decimales) {
    return regionalLocale().toString(x, 'f', decimales);
}

double arrondie(double x, int decimales) {
    return std::round(x * std::pow(10.0, decimales)) / std::pow(10.0, decimales);
}

bool sansPerte(double x, int decimales) {
    return std::abs(x - arrondie(x, decimales)) <= 1e-9 * std::max(1.0, std::abs(x));
}

// A figure rounded to that many decimals, without the zeros that say nothing.
QString sobre(double x, int decimales = 3) {
    return sansPerte(x, decimales) ? exact(arrondie(x, decimales)) : arrondi(x, decimales);
}

// "= 38" where the rounding loses nothing, "≈ 131,3" where it does.
QString egal(double x, int decimales) {
    return (sansPerte(x, decimales) ? u"= "_s : u"≈ "_s) + sobre(x, decimales);
}

QString avecUnite(const QString& t, const QString& unite) {
    return unite.isEmpty() ? t : t + u' ' + unite;
}

// A long sum keeps its first three terms and its last.
QString somme(const QStringList& termes) {
    if (termes.size() <= 6) return termes.join(u" + "_s);
    return termes.mid(0, 3).join(u" + "_s) + u" + … + "_s + termes.last();
}

QString intervalle(const SerieExercice& s, const Intervalle& k) {
    return texteIntervalle(k.inferieure, k.superieure, s.fermeADroite);
}

QString texteDesValeurs(const std::vector<double>& v) {
    QStringList t;
    for (double x : v) t << exact(x);
    return t.join(u" ; "_s);
}

QString solutionMoyenne(const SerieExercice& s, int dec, const QString& unite) {
    QStringList termes;
    long double total = 0;
    QString avant;
    if (s.forme == Forme::Brute) {
        for (double x : s.brutes) {
            termes << exact(x);
            total += x;
        }
    } else if (s.forme == Forme::Valeurs) {
        for (const auto& p : s.valeurs) {
            termes << exact(p.valeur) + u" × "_s + exact(double(p.effectif));
            total += (long double)p.valeur * p.effectif;
        }
    } else {
        QStringList centres;
        for (const auto& k : s.classes) {
            centres << exact(k.centre());
            termes << exact(k.centre()) + u" × "_s + exact(double(k.effectif));
            total += (long double)k.centre() * k.effectif;
        }
        avant = u"Chaque classe est représentée par son centre, le milieu de ses bornes ("_s +
                somme(centres).replace(u" + "_s, u", "_s) +
                u"), compté autant de fois que l'effectif de la classe. "_s;
    }
    const double N = double(s.effectif());
    return avant + u"Moyenne = ("_s + somme(termes) + u") / "_s + exact(N) + u" = "_s +
           exact(double(total)) + u" / "_s + exact(N) + u' ' +
           avecUnite(egal(double(total / N), dec), unite) + u'.';
}

// Where the rank or the level of a quantile lands, and what it reads there.
QString solutionQuantile(const SerieExercice& s, const Quantile& k, int dec, const QString& unite,
                         bool rangeesDites = false) {
    const qint64 N = s.effectif();
    const QString sym = QString::fromUtf16(k.symbole);
    if (s.forme == Forme::Classes) {
        const double niveau = double(N) * k.num / k.den;
        const auto lu = lectureCumulee(s.classes, niveau);
        if (!lu) return {};
        const Intervalle& c = s.classes[size_t(lu->classe)];
        const double bas = effectifCumuleEn(s.classes, c.inferieure);
        const double haut = effectifCumuleEn(s.classes, c.superieure);
        const QString niveauTexte = niveauDe(k) + u" = "_s + exact(niveau);
        return niveauTexte + u" : les effectifs cumulés croissants passent de "_s + exact(bas) +
               u" en "_s + exact(c.inferieure) + u" à "_s + exact(haut) + u" en "_s +
               exact(c.superieure) + u", donc "_s + sym + u" est dans la classe "_s +
               intervalle(s, c) +
               u". Par interpolation linéaire sur le polygone des effectifs cumulés : "_s + sym +
               u" = "_s + exact(c.inferieure) + u" + ("_s + exact(c.superieure) + u" − "_s +
               exact(c.inferieure) + u") × ("_s + exact(niveau) + u" − "_s + exact(bas) +
               u") / ("_s + exact(haut) + u" − "_s + exact(bas) + u") "_s +
               avecUnite(egal(lu->valeur, dec), unite) + u'.';
    }
    const std::vector<ValeurEffectif> v = triees(s.ponderees());
    QString rangees;
    if (!rangeesDites && s.forme == Forme::Brute && s.brutes.size() <= 60) {
        std::vector<double> b = s.brutes;
        std::sort(b.begin(), b.end());
        rangees = u"Les "_s + exact(double(N)) + u" valeurs dans l'ordre croissant : "_s +
                  texteDesValeurs(b) + u". "_s;
    } else if (!rangeesDites && s.forme == Forme::Valeurs && v.size() <= 30) {
        QStringList cumuls;
        qint64 cumul = 0;
        for (const auto& p : v)
            cumuls << exact(p.valeur) + u" → "_s + exact(double(cumul += p.effectif));
        rangees = u"Effectifs cumulés croissants : "_s + cumuls.join(u", "_s) + u". "_s;
    }
    if (k.den == 2) {
        if (N % 2) {
            const qint64 r = (N + 1) / 2;
            return rangees + u"N = "_s + exact(double(N)) +
                   u" est impair : la médiane est la valeur de rang (N + 1) / 2 = "_s +
                   exact(double(r)) + u", soit Me "_s +
                   avecUnite(egal(valeurDeRang(v, r), dec), unite) + u'.';
        }
        const double a = valeurDeRang(v, N / 2), b = valeurDeRang(v, N / 2 + 1);
        return rangees + u"N = "_s + exact(double(N)) +
               u" est pair : la médiane est la moyenne des valeurs de rangs "_s +
               exact(double(N / 2)) + u" et "_s + exact(double(N / 2 + 1)) + u", soit Me = ("_s +
               exact(a) + u" + "_s + exact(b) + u") / 2 "_s +
               avecUnite(egal((a + b) / 2, dec), unite) + u'.';
    }
    const qint64 r = rangAuDessus(N, k.num, k.den);
    return rangees + sym + u" est la plus petite valeur telle qu'au moins "_s +
           QString::fromUtf16(k.part) +
           u" des valeurs lui soient inférieures ou égales : la valeur de rang ⌈"_s + niveauDe(k) +
           u"⌉ = ⌈"_s + exact(double(N) * k.num / k.den) + u"⌉ = "_s + exact(double(r)) +
           u", soit "_s + sym + u' ' + avecUnite(egal(valeurDeRang(v, r), dec), unite) + u'.';
}

QString solutionEtendue(const SerieExercice& s, int dec, const QString& unite) {
    const auto p = valeurDe(s, Quantite::Etendue);
    if (!p) return {};
    if (s.forme == Forme::Classes) {
        const auto c = triees(s.classes);
        double haut = c.front().superieure;
        for (const auto& k : c) haut = std::max(haut, k.superieure);
        return u"L'étendue va de la borne inférieure de la première classe à la borne supérieure "
               u"de la dernière : "_s +
               exact(haut) + u" − "_s + exact(c.front().inferieure) + u' ' +
               avecUnite(egal(*p, dec), unite) + u'.';
    }
    const auto v = triees(s.ponderees());
    return u"Étendue = plus grande valeur − plus petite valeur = "_s + exact(v.back().valeur) +
           u" − "_s + exact(v.front().valeur) + u' ' + avecUnite(egal(*p, dec), unite) + u'.';
}

QString solutionVariance(const SerieExercice& s, int dec, bool ecartType, const QString& unite) {
    const auto moyenne = valeurDe(s, Quantite::Moyenne);
    const auto variance = valeurDe(s, Quantite::Variance);
    if (!moyenne || !variance) return {};
    QStringList termes;
    long double carres = 0;
    const QString m = sobre(*moyenne);
    const auto terme = [&](double x, qint64 n, bool brute) {
        const long double d = (long double)x - *moyenne;
        carres += d * d * n;
        termes << (brute ? QString() : exact(double(n)) + u" × "_s) + u"("_s + exact(x) + u" − "_s +
                      m + u")²"_s;
    };
    if (s.forme == Forme::Brute)
        for (double x : s.brutes) terme(x, 1, true);
    else if (s.forme == Forme::Valeurs)
        for (const auto& p : s.valeurs) terme(p.valeur, p.effectif, false);
    else
        for (const auto& k : s.classes) terme(k.centre(), k.effectif, false);
    const double N = double(s.effectif());
    QString t =
        u"La variance est la moyenne des carrés des écarts à la moyenne x̄ "_s + egal(*moyenne, 3) +
        (s.forme == Forme::Classes ? u" (les classes représentées par leurs centres)"_s
                                   : QString()) +
        u" : V = ("_s + somme(termes) + u") / "_s + exact(N) + u' ' + egal(double(carres), 3) +
        u" / "_s + exact(N) + u' ' +
        (ecartType
             ? egal(*variance, 3)
             : avecUnite(egal(*variance, dec), unite + (unite.isEmpty() ? QString() : u"²"_s))) +
        u'.';
    if (ecartType)
        t += u" L'écart type est la racine carrée de la variance : σ = √V "_s +
             avecUnite(egal(std::sqrt(*variance), dec), unite) + u'.';
    return t;
}

QString solutionMode(const SerieExercice& s, int dec, const QString& unite) {
    const std::vector<double> modes = modesDe(s);
    const auto v = s.ponderees();
    qint64 plus = 0;
    for (const auto& p : v) plus = std::max(plus, p.effectif);
    if (modes.empty())
        return u"Toutes les valeurs ont le même effectif : la série n'a pas de mode."_s;
    if (modes.size() == 1)
        return u"La valeur de plus grand effectif ("_s + exact(double(plus)) + u") est "_s +
               exact(modes.front()) + u" : le mode "_s +
               avecUnite(egal(modes.front(), dec), unite) + u'.';
    return u"Les valeurs "_s + texteDesValeurs(modes) + u" ont toutes le plus grand effectif ("_s +
           exact(double(plus)) + u") : chacune est un mode."_s;
}

QString solutionEffectifTotal(const SerieExercice& s) {
    if (s.forme == Forme::Brute)
        return u"La série compte "_s + exact(double(s.effectif())) + u" valeurs : N = "_s +
               exact(double(s.effectif())) + u'.';
    QStringList termes;
    if (s.forme == Forme::Valeurs)
        for (const auto& p : s.valeurs) termes << exact(double(p.effectif));
    else
        for (const auto& k : s.classes) termes << exact(double(k.effectif));
    return u"N = "_s + somme(termes) + u" = "_s + exact(double(s.effectif())) + u'.';
}

QString solutionFrequence(const SerieExercice& s, double valeur, int dec) {
    qint64 n = 0;
    for (const auto& p : s.ponderees())
        if (p.valeur == valeur) n += p.effectif;
    const double N = double(s.effectif());
    return u"La valeur "_s + exact(valeur) + u" apparaît "_s + exact(double(n)) +
           u" fois sur N = "_s + exact(N) + u" : fréquence = "_s + exact(double(n)) + u" / "_s +
           exact(N) + u' ' + egal(double(n) / N, 4) + u", soit "_s +
           arrondi(100 * double(n) / N, dec) + u" %."_s;
}

QString solutionSeuil(const SerieExercice& s, double seuil, bool dessus, bool pourcentage,
                      int dec) {
    const QString cote = dessus ? u"au-dessus"_s : u"au-dessous"_s;
    QStringList termes;
    QString part;
    if (s.forme == Forme::Classes) {
        for (const auto& k : triees(s.classes)) {
            const bool entiere = dessus ? k.inferieure >= seuil : k.superieure <= seuil;
            const bool coupee = k.inferieure < seuil && seuil < k.superieure;
            if (entiere) {
                termes << exact(double(k.effectif));
            } else if (coupee) {
                const double longueur = dessus ? k.superieure - seuil : seuil - k.inferieure;
                const double compte = longueur / k.amplitude() * double(k.effectif);
                termes << exact(std::round(compte * 1000) / 1000);
                part = u" La classe "_s + intervalle(s, k) + u" contient "_s + exact(seuil) +
                       u" : les valeurs y étant supposées réparties uniformément, on compte la "
                       u"part de son effectif située "_s +
                       cote + u", ("_s +
                       (dessus ? exact(k.superieure) + u" − "_s + exact(seuil)
                               : exact(seuil) + u" − "_s + exact(k.inferieure)) +
                       u") / ("_s + exact(k.superieure) + u" − "_s + exact(k.inferieure) +
                       u") × "_s + exact(double(k.effectif)) + u' ' + egal(compte, 3) + u'.';
            }
        }
    } else {
        for (const auto& p : triees(s.ponderees()))
            if (dessus ? p.valeur > seuil : p.valeur < seuil)
                termes << exact(double(p.effectif)) + u" ("_s + exact(p.valeur) + u")"_s;
    }
    const double n = effectifDuSeuil(s, seuil, dessus);
    const QString quoi = s.forme == Forme::Classes
                             ? u"Effectifs des classes "_s + cote + u" de "_s + exact(seuil)
                             : u"Effectifs des valeurs strictement "_s +
                                   (dessus ? u"supérieures"_s : u"inférieures"_s) + u" à "_s +
                                   exact(seuil);
    QString t = termes.isEmpty()
                    ? u"Aucune valeur n'est "_s + cote + u" de "_s + exact(seuil) + u" : 0."_s
                    : quoi + u" : "_s + somme(termes) + u' ' + egal(n, 3) +
                          (pourcentage || sansPerte(n, dec) ? QString() : u' ' + egal(n, dec)) +
                          u'.';
    t += part;
    if (pourcentage)
        t += u" Pourcentage = "_s + sobre(n) + u" / "_s + exact(double(s.effectif())) +
             u" × 100 "_s + egal(100 * n / double(s.effectif()), dec) + u" %."_s;
    return t;
}

QString solutionClasseModale(const SerieExercice& s) {
    const ParametresClasses p = parametresClasses(s.classes);
    if (p.classesModales.empty()) return {};
    const auto c = triees(s.classes);
    const bool egales = std::all_of(c.begin(), c.end(), [&](const Intervalle& k) {
        return std::abs(k.amplitude() - c.front().amplitude()) <=
               1e-9 * std::abs(c.front().amplitude());
    });
    QStringList modales;
    for (int i : p.classesModales) modales << intervalle(s, s.classes[size_t(i)]);
    const QString fin =
        modales.size() == 1
            ? u"celle de "_s + modales.front() + u" : c'est la classe modale"_s
            : u"celles de "_s + modales.join(u", "_s) + u" : ce sont les classes modales"_s;
    if (egales)
        return u"Les classes ont toutes la même amplitude : on compare leurs effectifs. Le plus "
               u"grand ("_s +
               exact(double(s.classes[size_t(p.classesModales.front())].effectif)) + u") est "_s +
               fin + u'.';
    QStringList densites;
    for (const auto& k : c)
        densites << intervalle(s, k) + u" : "_s + exact(double(k.effectif)) + u" / "_s +
                        exact(k.amplitude()) + u' ' + egal(double(k.effectif) / k.amplitude(), 2);
    return u"Les amplitudes des classes diffèrent : on compare les densités, effectif / "
           u"amplitude ("_s +
           densites.join(u" ; "_s) + u"). La plus grande est "_s + fin + u'.';
}

QString solutionNombre(const QuestionExercice& q, const SerieExercice& s) {
    const int dec = decimalesDe(q.precision);
    if (const auto k = quantileDe(q.quantite)) return solutionQuantile(s, *k, dec, q.unite);
    switch (q.quantite) {
        case Quantite::Moyenne:
            return solutionMoyenne(s, dec, q.unite);
        case Quantite::Etendue:
            return solutionEtendue(s, dec, q.unite);
        case Quantite::EcartInterquartile: {
            const auto un = valeurDe(s, Quantite::Q1), trois = valeurDe(s, Quantite::Q3);
            if (!un || !trois) return {};
            return solutionQuantile(s, *quantileDe(Quantite::Q1), 3, q.unite) + u' ' +
                   solutionQuantile(s, *quantileDe(Quantite::Q3), 3, q.unite, true) +
                   u" Écart interquartile = Q3 − Q1 = "_s + sobre(*trois) + u" − "_s + sobre(*un) +
                   u' ' + avecUnite(egal(*trois - *un, dec), q.unite) + u'.';
        }
        case Quantite::Variance:
            return solutionVariance(s, dec, false, q.unite);
        case Quantite::EcartType:
            return solutionVariance(s, dec, true, q.unite);
        case Quantite::Mode:
            return solutionMode(s, dec, q.unite);
        case Quantite::EffectifTotal:
            return solutionEffectifTotal(s);
        case Quantite::FrequenceValeur:
            return solutionFrequence(s, q.parametre, dec);
        case Quantite::EffectifAuDessus:
        case Quantite::EffectifAuDessous:
        case Quantite::PourcentageAuDessus:
        case Quantite::PourcentageAuDessous:
            return solutionSeuil(s, q.parametre,
                                 q.quantite == Quantite::EffectifAuDessus ||
                                     q.quantite == Quantite::PourcentageAuDessus,
                                 q.quantite == Quantite::PourcentageAuDessus ||
                                     q.quantite == Quantite::PourcentageAuDessous,
                                 dec);
        default:
            break;
    }
    return {};
}

// What an affine change of every value does to the figure asked, or nothing where the
// question is simply worked on the changed values.
QString linearite(const QuestionExercice& q, double avant, double apres) {
    const int dec = decimalesDe(q.precision);
    const QString m = exact(q.multiplier), a = exact(std::abs(q.ajouter));
    const QString signe = q.ajouter < 0 ? u" − "_s : u" + "_s;
    QString quoi;
    if (q.multiplier != 1 && q.ajouter != 0)
        quoi = u"Chaque valeur x devient "_s + m + u" × x"_s + signe + a;
    else if (q.multiplier != 1)
        quoi = u"Chaque valeur est multipliée par "_s + m;
    else
        quoi = (q.ajouter < 0 ? u"Retirer "_s : u"Ajouter "_s) + a + u" à chaque valeur"_s;
    const QString av = sobre(avant);
    switch (q.quantite) {
        case Quantite::Moyenne:
        case Quantite::Mediane:
        case Quantite::Q1:
        case Quantite::Q3:
        case Quantite::D1:
        case Quantite::D9:
        case Quantite::Mode: {
            const QString nom = nomDe(q.quantite);
            return quoi + u" : "_s + nom + u" subit la même transformation. Après : "_s +
                   (q.multiplier != 1 ? m + u" × "_s + av : av) +
                   (q.ajouter != 0 ? signe + a : QString()) + u' ' +
                   avecUnite(egal(apres, dec), q.unite) + u'.';
        }
        case Quantite::Etendue:
        case Quantite::EcartInterquartile:
        case Quantite::EcartType:
            return quoi + u" : "_s + nomDe(q.quantite) +
                   (q.multiplier != 1
                        ? u" est multiplié par "_s + m +
                              (q.ajouter != 0 ? u", l'ajout ne la change pas"_s : QString()) +
                              u". Après : "_s + m + u" × "_s + av + u' '
                        : u" ne change pas : les écarts entre les valeurs restent les "
                          u"mêmes. Après : "_s) +
                   avecUnite(egal(apres, dec), q.unite) + u'.';
        case Quantite::Variance:
            return quoi + u" : la variance"_s +
                   (q.multiplier != 1 ? u" est multipliée par "_s + m + u"². Après : "_s + m +
                                            u"² × "_s + av + u' '
                                      : u" ne change pas. Après : "_s) +
                   egal(apres, dec) + u'.';
        default:
            return {};
    }
}

// ---------------------------------------------------------------- new data

// The program's generator, as a series of its own: the same 24-bit congruence, started
// from the series' number, so that a number gives the same data everywhere.
class Tirage {
public:
    explicit Tirage(quint32 numero) : etat_((numero * 2654435761u) & 0xFFFFFFu) {
        for (int i = 0; i < 8; ++i) suivant();
    }
    double suivant() {
        etat_ = (etat_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return double(etat_) / 16777216.0;
    }

private:
    quint32 etat_;
};

void tirerComptes(std::vector<qint64*>& comptes, const std::vector<double>& poids, qint64 total,
                  Tirage& t) {
    std::vector<double> cumules;
    double s = 0;
    for (double p : poids) cumules.push_back(s += p);
    for (qint64* c : comptes) *c = 0;
    if (s <= 0) return;
    for (qint64 i = 0; i < total; ++i) {
        const double u = t.suivant() * s;
        const size_t k =
            size_t(std::upper_bound(cumules.begin(), cumules.end(), u) - cumules.begin());
        ++*comptes[std::min(k, comptes.size() - 1)];
    }
}

void tirerSerie(SerieExercice& s, Tirage& t) {
    if (s.forme == Forme::Brute) {
        long double somme = 0, carres = 0;
        for (double x : s.brutes) somme += x;
        const long double moyenne = somme / s.brutes.size();
        for (double x : s.brutes) carres += (x - moyenne) * (x - moyenne);
        const double ecart = std::max(double(std::sqrt(carres / s.brutes.size())), s.pas);
        for (double& x : s.brutes) {
            // Nearly normal about the series' own mean and spread, within its bounds.
            const double z =
                (t.suivant() + t.suivant() + t.suivant() + t.suivant() - 2) * std::sqrt(3.0);
            const double y = std::clamp(double(moyenne) + ecart * z, s.min, s.max);
            x = std::clamp(s.min + std::round((y - s.min) / s.pas) * s.pas, s.min, s.max);
        }
        return;
    }
    std::vector<qint64*> comptes;
    std::vector<double> poids;
    if (s.forme == Forme::Valeurs)
        for (auto& p : s.valeurs) {
            comptes.push_back(&p.effectif);
            poids.push_back(double(p.effectif));
        }
    else
        for (auto& k : s.classes) {
            comptes.push_back(&k.effectif);
            poids.push_back(double(k.effectif));
        }
    tirerComptes(comptes, poids, s.total, t);
}

}  // namespace

// ---------------------------------------------------------------- public

qint64 SerieExercice::effectif() const {
    if (forme == Forme::Brute) return qint64(brutes.size());
    qint64 n = 0;
    for (const auto& p : valeurs) n += p.effectif;
    for (const auto& k : classes) n += k.effectif;
    return n;
}

std::vector<ValeurEffectif> SerieExercice::ponderees() const {
    if (forme != Forme::Brute) return valeurs;
    std::map<double, qint64> comptes;
    for (double x : brutes) ++comptes[x];
    std::vector<ValeurEffectif> v;
    for (const auto& [x, n] : comptes) v.push_back({x, n});
    return v;
}

std::optional<Quantite> quantiteNommee(QStringView nom) {
    for (const auto& q : kQuantites)
        if (nom == QStringView(q.nom)) return q.quantite;
    return std::nullopt;
}

LectureExercice lireExercice(const QByteArray& json) {
    return Lecteur(json).lire();
}

LectureExercice lireFichierExercice(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt,
                f.exists() ? u"le fichier ne peut pas être lu"_s : u"ce fichier n'existe pas"_s};
    if (f.size() > 4 * 1024 * 1024) return {std::nullopt, u"le fichier est trop grand"_s};
    return lireExercice(f.readAll());
}

QStringList choixDe(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    QStringList c;
    switch (q.quantite) {
        case Quantite::Choix:
            return q.choix;
        case Quantite::ClasseModale:
            for (const auto& k : triees(e.series[size_t(q.serie)].classes))
                c << intervalle(e.series[size_t(q.serie)], k);
            return c;
        case Quantite::PlusGrand:
        case Quantite::PlusPetit:
            for (const auto& s : e.series) c << s.nom;
            return c;
        default:
            return c;
    }
}

std::vector<double> attendus(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    const SerieExercice s = transformee(e.series[size_t(q.serie)], q.multiplier, q.ajouter);
    const double N = double(s.effectif());
    switch (q.quantite) {
        case Quantite::Mode:
            return modesDe(s);
        case Quantite::FrequenceValeur: {
            qint64 n = 0;
            for (const auto& p : s.ponderees())
                if (p.valeur == q.parametre) n += p.effectif;
            return {100 * double(n) / N};
        }
        case Quantite::EffectifAuDessus:
            return {effectifDuSeuil(s, q.parametre, true)};
        case Quantite::EffectifAuDessous:
            return {effectifDuSeuil(s, q.parametre, false)};
        case Quantite::PourcentageAuDessus:
            return {100 * effectifDuSeuil(s, q.parametre, true) / N};
        case Quantite::PourcentageAuDessous:
            return {100 * effectifDuSeuil(s, q.parametre, false) / N};
        default:
            break;
    }
    if (estUnChoix(q.quantite)) return {};
    const auto v = valeurDe(s, q.quantite);
    return v ? std::vector<double>{*v} : std::vector<double>{};
}

QStringList choixJustes(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    switch (q.quantite) {
        case Quantite::Choix:
            return {q.reponse};
        case Quantite::ClasseModale: {
            const SerieExercice& s = e.series[size_t(q.serie)];
            QStringList justes;
            for (int i : parametresClasses(s.classes).classesModales)
                justes << intervalle(s, s.classes[size_t(i)]);
            return justes;
        }
        case Quantite::PlusGrand:
        case Quantite::PlusPetit: {
            const auto v = comparees(e, q);
            std::optional<double> meilleure;
            for (const auto& x : v)
                if (x && (!meilleure ||
                          (q.quantite == Quantite::PlusGrand ? *x > *meilleure : *x < *meilleure)))
                    meilleure = x;
            QStringList justes;
            for (size_t i = 0; i < v.size(); ++i)
                if (v[i] && meilleure && *v[i] == *meilleure) justes << e.series[i].nom;
            return justes;
        }
        default:
            return {};
    }
}

QString reponseAttendue(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    if (estUnChoix(q.quantite)) return choixJustes(e, question).join(u" ou "_s);
    QStringList t;
    const QString unite = q.quantite == Quantite::FrequenceValeur ||
                                  q.quantite == Quantite::PourcentageAuDessus ||
                                  q.quantite == Quantite::PourcentageAuDessous
                              ? u"%"_s
                              : q.unite;
    for (double x : attendus(e, question))
        t << avecUnite(sobre(x, decimalesDe(q.precision)), unite);
    return t.isEmpty() ? u"aucune"_s : t.join(u" ou "_s);
}

Verdict verifier(const Exercice& e, int question, const QString& reponse) {
    const QuestionExercice& q = e.questions[size_t(question)];
    const QString r = reponse.trimmed();
    if (r.isEmpty()) return Verdict::SansReponse;
    if (estUnChoix(q.quantite))
        return choixJustes(e, question).contains(r) ? Verdict::Juste : Verdict::Faux;
    // Either mark for the decimals, and blanks between the digits.
    QString chiffres = r;
    chiffres.remove(QRegularExpression(u"[\\s\u00a0\u202f]"_s));
    chiffres.replace(u'.', decimalSeparator()).replace(u',', decimalSeparator());
    const auto x = readNumber(chiffres);
    if (!x) return Verdict::Faux;
    for (double attendu : attendus(e, question))
        if (std::abs(*x - attendu) <= q.tolerance + 1e-9 * std::max(1.0, std::abs(attendu)))
            return Verdict::Juste;
    return Verdict::Faux;
}

QString texteDuVerdict(Verdict v) {
    switch (v) {
        case Verdict::Juste:
            return u"Juste"_s;
        case Verdict::Faux:
            return u"Faux"_s;
        case Verdict::SansReponse:
            break;
    }
    return {};
}

QString texteDuScore(int justes, int questions) {
    return u"%1 %2 sur %3"_s.arg(justes)
        .arg(justes > 1 ? u"réponses justes"_s : u"réponse juste"_s)
        .arg(questions);
}

QString indiceDe(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    if (!q.indice.isEmpty()) return q.indice;
    const SerieExercice& s = e.series[size_t(q.serie)];
    const bool classes = s.forme == Forme::Classes;
    QString t;
    if (const auto k = quantileDe(q.quantite)) {
        if (classes)
            t = u"Cherchez la classe où les effectifs cumulés croissants atteignent "_s +
                niveauDe(*k) +
                u", puis lisez la valeur par interpolation linéaire sur le polygone des effectifs "
                u"cumulés croissants."_s;
        else if (k->den == 2)
            t = u"Rangez les valeurs dans l'ordre croissant : si N est impair, la médiane est la "
                u"valeur de rang (N + 1) / 2 ; si N est pair, c'est la moyenne des valeurs de "
                u"rangs N/2 et N/2 + 1."_s;
        else
            t = QString::fromUtf16(k->symbole) +
                u" est la plus petite valeur telle qu'au moins "_s + QString::fromUtf16(k->part) +
                u" des valeurs lui soient inférieures ou égales : cherchez la valeur de rang ⌈"_s +
                niveauDe(*k) + u"⌉ dans les effectifs cumulés croissants."_s;
    } else {
        switch (q.quantite) {
            case Quantite::Moyenne:
                if (classes) {
                    const Intervalle c = triees(s.classes).front();
                    t = u"Le centre d'une classe est le milieu de ses bornes : "_s +
                        exact(c.centre()) + u" pour "_s + intervalle(s, c) +
                        u". Chaque centre compte autant de fois que l'effectif de sa classe : "
                        u"multipliez chaque centre par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else if (s.forme == Forme::Valeurs) {
                    t = u"Multipliez chaque valeur par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else {
                    t = u"Additionnez toutes les valeurs, puis divisez par leur nombre."_s;
                }
                break;
            case Quantite::Etendue:
                t = u"L'étendue est la différence entre la plus grande et la plus petite valeur."_s;
                break;
            case Quantite::EcartInterquartile:
                t = u"L'écart interquartile est Q3 − Q1 : cherchez d'abord les deux quartiles."_s;
                break;
            case Quantite::Variance:
                t = u"La variance est la moyenne des carrés des écarts à la moyenne."_s;
                break;
            case Quantite::EcartType:
                t = u"L'écart type est la racine carrée de la variance, moyenne des carrés des "
                    u"écarts à la moyenne."_s;
                break;
            case Quantite::Mode:
                t = u"Le mode est la valeur de plus grand effectif."_s;
                break;
            case Quantite::EffectifTotal:
                t = u"Additionnez les effectifs."_s;
                break;
            case Quantite::FrequenceValeur:
                t = u"La fréquence d'une valeur est son effectif divisé par l'effectif total ; "
                    u"multipliez par 100 pour l'avoir en pourcentage."_s;
                break;
            case Quantite::EffectifAuDessus:
            case Quantite::EffectifAuDessous:
            case Quantite::PourcentageAuDessus:
            case Quantite::PourcentageAuDessous: {
                const bool dessus = q.quantite == Quantite::EffectifAuDessus ||
                                    q.quantite == Quantite::PourcentageAuDessus;
                t = classes ? u"Additionnez les effectifs des classes situées "_s +
                                  (dessus ? u"au-dessus"_s : u"au-dessous"_s) +
                                  u" du seuil ; d'une classe qui contient le seuil, comptez la "
                                  u"part de l'effectif située du bon côté, les valeurs y étant "
                                  u"supposées réparties uniformément."_s
                            : u"Additionnez les effectifs des valeurs strictement "_s +
                                  (dessus ? u"supérieures"_s : u"inférieures"_s) + u" au seuil."_s;
                if (q.quantite == Quantite::PourcentageAuDessus ||
                    q.quantite == Quantite::PourcentageAuDessous)
                    t += u" Divisez ensuite par l'effectif total et multipliez par 100."_s;
                break;
            }
            case Quantite::ClasseModale:
                t = u"Si les classes ont la même amplitude, la classe modale est celle de plus "
                    u"grand effectif ; sinon, comparez les densités : effectif divisé par "
                    u"amplitude."_s;
                break;
            case Quantite::PlusGrand:
            case Quantite::PlusPetit:
                t = u"Calculez "_s + nomDe(q.de) + u" de chaque série, puis comparez."_s;
                break;
            default:
                t = u"Relisez l'énoncé et regardez la nature des données."_s;
                break;
        }
    }
    if (q.ajouter != 0 || q.multiplier != 1)
        t += u" Demandez-vous d'abord ce que devient chaque valeur, puis ce que devient "_s +
             nomDe(q.quantite) + u'.';
    return t;
}

QString solutionDe(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    const QString plus = q.explication.isEmpty() ? QString() : u' ' + q.explication;
    switch (q.quantite) {
        case Quantite::Choix:
            return u"Réponse : "_s + q.reponse + u'.' + plus;
        case Quantite::ClasseModale:
            return solutionClasseModale(e.series[size_t(q.serie)]) + plus;
        case Quantite::PlusGrand:
        case Quantite::PlusPetit: {
            const auto v = comparees(e, q);
            QStringList par;
            for (size_t i = 0; i < v.size(); ++i)
                par << u"« "_s + e.series[i].nom + u" » : "_s +
                           (v[i] ? sobre(*v[i], decimalesDe(q.precision)) : u"—"_s);
            const QStringList justes = choixJustes(e, question);
            QString nom = nomDe(q.de);
            nom[0] = nom[0].toUpper();
            return nom + u" de chaque série : "_s + par.join(u" ; "_s) + u". La valeur la plus "_s +
                   (q.quantite == Quantite::PlusGrand ? u"grande"_s : u"petite"_s) +
                   u" est celle de « "_s + justes.join(u" » et « "_s) + u" »."_s + plus;
        }
        default:
            break;
    }
    const SerieExercice& origine = e.series[size_t(q.serie)];
    const bool change = q.ajouter != 0 || q.multiplier != 1;
    if (!change) return solutionNombre(q, origine) + plus;
    const SerieExercice apres = transformee(origine, q.multiplier, q.ajouter);
    const auto v = attendus(e, question);
    const auto avant =
        q.quantite == Quantite::Mode ? std::optional<double>() : valeurDe(origine, q.quantite);
    const QString loi = avant && !v.empty() ? linearite(q, *avant, v.front()) : QString();
    if (loi.isEmpty())
        return u"Sur les valeurs après le changement : "_s + solutionNombre(q, apres) + plus;
    QuestionExercice sans = q;
    sans.ajouter = 0;
    sans.multiplier = 1;
    sans.precision = 0.001;
    QString avantLui = solutionNombre(sans, origine);
    if (!avantLui.isEmpty()) avantLui[0] = avantLui[0].toLower();
    return u"Avant le changement, "_s + avantLui + u' ' + loi + plus;
}

Exercice nouvellesDonnees(const Exercice& e, quint32 numero) {
    Exercice n = e;
    Tirage t(numero);
    for (SerieExercice& s : n.series) tirerSerie(s, t);
    return n;
}

TableDesDonnees tableDesDonnees(const Exercice& e) {
    TableDesDonnees t;
    const bool plusieurs = e.series.size() > 1;
    if (plusieurs) t.colonnes << u"Série"_s;
    const SerieExercice& premiere = e.series.front();
    const bool memeForme =
        std::all_of(e.series.begin(), e.series.end(),
                    [&](const SerieExercice& s) { return s.forme == premiere.forme; });
    if (memeForme && premiere.forme == Forme::Classes)
        t.colonnes << u"Classe"_s << u"Effectif"_s;
    else if (memeForme && premiere.forme == Forme::Valeurs)
        t.colonnes << u"Valeur"_s << u"Effectif"_s;
    else
        t.colonnes << u"Valeurs"_s;
    for (const SerieExercice& s : e.series) {
        const QStringList tete = plusieurs ? QStringList{s.nom} : QStringList{};
        if (!memeForme || s.forme == Forme::Brute) {
            QStringList valeurs;
            if (s.forme == Forme::Brute) {
                valeurs << texteDesValeurs(s.brutes);
            } else {
                for (const auto& p : s.ponderees())
                    valeurs << exact(p.valeur) + u" (× "_s + exact(double(p.effectif)) + u')';
                for (const auto& k : s.classes)
                    valeurs << intervalle(s, k) + u" : "_s + exact(double(k.effectif));
            }
            t.lignes.push_back(tete + QStringList{valeurs.join(u" ; "_s)});
            continue;
        }
        for (const auto& p : s.valeurs)
            t.lignes.push_back(tete + QStringList{exact(p.valeur), exact(double(p.effectif))});
        for (const auto& k : s.classes)
            t.lignes.push_back(tete + QStringList{intervalle(s, k), exact(double(k.effectif))});
    }
    return t;
}

Tableau versTableau(const SerieExercice& s) {
    Tableau t;
    t.nature = s.forme == Forme::Classes ? Tableau::Nature::Classes : Tableau::Nature::Valeurs;
    t.fermeADroite = s.fermeADroite;
    for (const auto& p : s.ponderees())
        t.lignes.push_back(
            {.valeur = textOfNumber(p.valeur), .effectif = QString::number(p.effectif)});
    for (const auto& k : s.classes)
        t.lignes.push_back({.inferieure = textOfNumber(k.inferieure),
                            .superieure = textOfNumber(k.superieure),
                            .effectif = QString::number(k.effectif)});
    return t;
}

std::vector<FichierExercice> exercicesDes(const QStringList& dossiers) {
    std::vector<FichierExercice> fichiers;
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

QString feuilleCorrigee(const Exercice& e, quint32 numero) {
    QString t = e.titre + u'\n' + QString(e.titre.size(), u'=') + u"\n\n"_s;
    if (numero) t += u"Série n° "_s + QString::number(numero) + u"\n\n"_s;
    if (!e.enonce.isEmpty()) t += e.enonce + u"\n\n"_s;
    const TableDesDonnees d = tableDesDonnees(e);
    t += d.colonnes.join(u'\t') + u'\n';
    for (const QStringList& l : d.lignes) t += l.join(u'\t') + u'\n';
    for (size_t i = 0; i < e.questions.size(); ++i) {
        const int q = int(i);
        t += u"\n"_s + QString::number(q + 1) + u") "_s + e.questions[i].texte + u'\n';
        const QStringList choix = choixDe(e, q);
        if (!choix.isEmpty()) t += u"   Choix : "_s + choix.join(u" ; "_s) + u'\n';
        t += u"   Réponse : "_s + reponseAttendue(e, q) + u'\n';
        t += u"   Solution : "_s + solutionDe(e, q) + u'\n';
    }
    return t;
}

}  // namespace core
