#include "core/exercises/editing.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// Each value already written; the keys in the order the shipped files use.
using Champs = std::vector<std::pair<const char*, QByteArray>>;

// A number or a text as JSON writes it: a double's shortest exact form, quoted texts.
QByteArray feuille(const QJsonValue& v) {
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray texte(const QString& t) {
    return feuille(QJsonValue(t));
}

QByteArray nombre(double x) {
    return feuille(QJsonValue(x));
}

// Short lists stay on one line, as a teacher writes them.
QByteArray liste(const std::vector<QByteArray>& elements) {
    QByteArray a = "[";
    for (size_t i = 0; i < elements.size(); ++i) a += (i ? ", " : "") + elements[i];
    return a + ']';
}

QByteArray nombres(const std::vector<double>& v) {
    std::vector<QByteArray> e;
    for (double x : v) e.push_back(nombre(x));
    return liste(e);
}

QByteArray textes(const QStringList& t) {
    std::vector<QByteArray> e;
    for (const QString& s : t) e.push_back(texte(s));
    return liste(e);
}

QByteArray objet(const Champs& champs, int retrait) {
    const QByteArray marge(retrait + 2, ' ');
    QByteArray a = "{\n";
    for (size_t i = 0; i < champs.size(); ++i)
        a += marge + '"' + champs[i].first + "\": " + champs[i].second +
             (i + 1 < champs.size() ? ",\n" : "\n");
    return a + QByteArray(retrait, ' ') + '}';
}

QByteArray forme(Forme f) {
    switch (f) {
        case Forme::Brute:
            return "brute";
        case Forme::Valeurs:
            return "valeurs";
        case Forme::Classes:
            return "classes";
        case Forme::Paires:
            return "paires";
        case Forme::Simulation:
            return "simulation";
    }
    return {};
}

// How new data are drawn, written only where it differs from what the reader takes
// from the data themselves.
void tirage(const ExerciseSeries& s, Champs& c, int retrait) {
    Champs t;
    if (s.forme == Forme::Brute && !s.brutes.empty()) {
        const auto [bas, haut] = std::minmax_element(s.brutes.begin(), s.brutes.end());
        const bool entieres = std::all_of(s.brutes.begin(), s.brutes.end(),
                                          [](double x) { return x == std::floor(x); });
        if (s.min != *bas) t.push_back({"min", nombre(s.min)});
        if (s.max != *haut) t.push_back({"max", nombre(s.max)});
        if (s.pas != (entieres ? 1 : 0.5)) t.push_back({"pas", nombre(s.pas)});
    } else if ((s.forme == Forme::Valeurs || s.forme == Forme::Classes) && s.total > 0 &&
               s.total != s.effectif()) {
        t.push_back({"total", nombre(double(s.total))});
    }
    if (!t.empty()) c.push_back({"tirage", objet(t, retrait + 2)});
}

QByteArray serie(const ExerciseSeries& s, int retrait) {
    Champs c;
    if (!s.nom.isEmpty()) c.push_back({"nom", texte(s.nom)});
    c.push_back({"forme", '"' + forme(s.forme) + '"'});
    switch (s.forme) {
        case Forme::Brute:
            c.push_back({"valeurs", nombres(s.brutes)});
            break;
        case Forme::Valeurs: {
            std::vector<QByteArray> l;
            for (const auto& p : s.valeurs) l.push_back(nombres({p.valeur, double(p.effectif)}));
            c.push_back({"valeurs", liste(l)});
            break;
        }
        case Forme::Classes: {
            c.push_back({"fermeture", s.fermeADroite ? "\"droite\"" : "\"gauche\""});
            std::vector<QByteArray> l;
            for (const auto& k : s.classes)
                l.push_back(nombres({k.inferieure, k.superieure, double(k.effectif)}));
            c.push_back({"classes", liste(l)});
            break;
        }
        case Forme::Paires:
            c.push_back({"nom_x", texte(s.paires.nameX)});
            c.push_back({"nom_y", texte(s.paires.nameY)});
            c.push_back({"x", nombres(s.paires.x)});
            c.push_back({"y", nombres(s.paires.y)});
            break;
        case Forme::Simulation:
            if (s.population.empty())
                c.push_back({"p", nombre(s.p)});
            else
                c.push_back({"population", nombres(s.population)});
            c.push_back({"n", nombre(double(s.n))});
            c.push_back({"N", nombre(double(s.echantillons))});
            if (s.frequenceObservee)
                c.push_back({"frequence_observee", nombre(*s.frequenceObservee)});
            break;
    }
    tirage(s, c, retrait);
    return objet(c, retrait);
}

QByteArray question(const ExerciseQuestion& q, size_t series, int retrait) {
    Champs c{{"texte", texte(q.texte)}, {"demande", texte(nomDeQuantite(q.quantite))}};
    if (series > 1) c.push_back({"serie", nombre(q.serie + 1)});
    if (q.quantite == Quantity::PlusGrand || q.quantite == Quantity::PlusPetit)
        c.push_back({"de", texte(nomDeQuantite(q.de))});
    if (q.quantite == Quantity::FrequenceValeur) c.push_back({"valeur", nombre(q.parametre)});
    if (demandeUnSeuil(q.quantite)) c.push_back({"seuil", nombre(q.parametre)});
    if (q.mayer) c.push_back({"methode", "\"mayer\""});
    if (q.lnY) c.push_back({"changement", "\"ln_y\""});
    if (q.x) c.push_back({"x", nombre(*q.x)});
    if (q.y) c.push_back({"y", nombre(*q.y)});
    if (q.quantite == Quantity::PartDansIntervalle) {
        if (q.k)
            c.push_back({"k", nombre(q.k)});
        else
            c.push_back({"intervalle", "\"1/racine(n)\""});
    }
    if (q.ajouter != 0) c.push_back({"ajouter", nombre(q.ajouter)});
    if (q.multiplier != 1) c.push_back({"multiplier", nombre(q.multiplier)});
    if (q.quantite == Quantity::Choix || q.quantite == Quantity::DecisionIntervalle)
        c.push_back({"choix", textes(q.choix)});
    if (q.quantite == Quantity::Choix) c.push_back({"reponse", texte(q.reponse)});
    // The comparisons and the modal class write their figures to that precision too.
    if (q.quantite != Quantity::Choix) {
        c.push_back({"precision", nombre(q.precision)});
        if (q.tolerance != q.precision / 2) c.push_back({"tolerance", nombre(q.tolerance)});
    }
    if (!q.unite.isEmpty()) c.push_back({"unite", texte(q.unite)});
    if (!q.indice.isEmpty()) c.push_back({"indice", texte(q.indice)});
    if (!q.explication.isEmpty()) c.push_back({"explication", texte(q.explication)});
    return objet(c, retrait);
}

// The file's name of a chart, as exerciseChartNamed() reads it.
QString nomDuGraphique(ExerciseChart g) {
    switch (g) {
        case ExerciseChart::Bars:
            return u"batons"_s;
        case ExerciseChart::Histogram:
            return u"histogramme"_s;
        case ExerciseChart::CumulativePolygon:
            return u"polygone_cumule"_s;
        case ExerciseChart::Box:
            return u"boite"_s;
        case ExerciseChart::Pie:
            return u"camembert"_s;
        case ExerciseChart::Scatter:
            return u"nuage"_s;
        case ExerciseChart::None:
            break;
    }
    return {};
}

}  // namespace

QByteArray exerciceEnJson(const Exercise& e) {
    Champs c{{"titre", texte(e.titre)}};
    if (!e.niveau.isEmpty()) c.push_back({"niveau", texte(e.niveau)});
    if (!e.themes.isEmpty()) c.push_back({"themes", textes(e.themes)});
    if (e.graphique != ExerciseChart::None)
        c.push_back({"graphique", texte(nomDuGraphique(e.graphique))});
    c.push_back({"enonce", texte(e.enonce)});
    if (e.series.size() == 1) {
        c.push_back({"donnees", serie(e.series.front(), 2)});
    } else {
        QByteArray d = "[\n";
        for (size_t i = 0; i < e.series.size(); ++i)
            d += "    " + serie(e.series[i], 4) + (i + 1 < e.series.size() ? ",\n" : "\n");
        c.push_back({"donnees", d + "  ]"});
    }
    QByteArray q = "[\n";
    for (size_t i = 0; i < e.questions.size(); ++i)
        q += "    " + question(e.questions[i], e.series.size(), 4) +
             (i + 1 < e.questions.size() ? ",\n" : "\n");
    c.push_back({"questions", e.questions.empty() ? QByteArray("[]") : q + "  ]"});
    return objet(c, 0) + '\n';
}

}  // namespace core
