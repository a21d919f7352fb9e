#include "core/exercises/editing.h"

#include "core/atomic_file.h"
#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/pairs/fits.h"
#include "core/pairs/statistics.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

constexpr Quantity kDerniere = Quantity::DecisionIntervalle;

// A small series of each shape, on which the reader is asked what it accepts.
ExerciseSeries essai(Forme forme) {
    ExerciseSeries s;
    s.nom = u"Série 1"_s;
    s.forme = forme;
    s.brutes = {1, 2, 2, 3};
    if (forme == Forme::Valeurs) s.valeurs = {{1, 2}, {3, 1}};
    if (forme == Forme::Classes) s.classes = {{0, 10, 2}, {10, 20, 3}};
    s.paires = {.nameX = u"x"_s, .nameY = u"y"_s, .x = {1, 2, 3}, .y = {2, 4, 5}};
    s.p = 0.5;
    s.n = 10;
    s.echantillons = 10;
    s.frequenceObservee = 0.5;
    return s;
}

ExerciseQuestion essai(Quantity q) {
    ExerciseQuestion e;
    e.texte = u"?"_s;
    e.quantite = q;
    e.parametre = 1;
    if (q == Quantity::Estimation) e.x = 1;
    if (q == Quantity::PartDansIntervalle) e.k = 1;
    if (q == Quantity::Choix) {
        e.choix = QStringList{u"a"_s, u"b"_s};
        e.reponse = u"a"_s;
    }
    return e;
}

// Read back as a file would be; the reader's fault split into its line and its reason.
struct Relu {
    std::optional<Exercise> exercice;
    int ligne = 0;
    QString pourquoi;
    int ligneDesQuestions = 0;  // where "questions" stands in what was written
};

Relu relire(Exercise e) {
    if (e.titre.trimmed().isEmpty()) e.titre = u"?"_s;  // said apart, once
    const QByteArray json = exerciceEnJson(e);
    Relu r;
    r.ligneDesQuestions = int(json.left(json.indexOf("\n  \"questions\"") + 1).count('\n')) + 1;
    ExerciseReading l = lireExercice(json);
    r.exercice = std::move(l.exercice);
    static const QRegularExpression ligne(u"^ligne (\\d+) : (.*)$"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    const auto m = ligne.match(l.faute);
    r.ligne = m.hasMatch() ? m.captured(1).toInt() : 0;
    r.pourquoi = m.hasMatch() ? m.captured(2) : l.faute;
    return r;
}

// Why a question on pairs has no answer, as the two variables' figures say it.
QString pourquoiPasDeValeur(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (!surDesPaires(q.quantite)) return {};
    if (const auto r = pairs::summarize(s.paires); !r) return r.fault;
    const auto c =
        pairs::fit(s.paires, q.mayer ? pairs::Method::Mayer : pairs::Method::LeastSquares,
                   pairs::Change::None, q.lnY ? pairs::Change::Log : pairs::Change::None);
    return c ? QString() : c.fault;
}

// The one rule the reader leaves to the figures: on classes, no single value is counted.
QString refusHorsLecteur(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (q.quantite == Quantity::FrequenceValeur && s.forme == Forme::Classes)
        return u"la fréquence d'une valeur se demande sur des valeurs, pas sur des classes"_s;
    return {};
}

QString fauteDeLaQuestion(const Exercise& e, int i) {
    const ExerciseQuestion& q = e.questions[size_t(i)];
    if (q.texte.trimmed().isEmpty()) return u"son texte est vide"_s;
    if (q.serie < 0 || q.serie >= int(e.series.size()))
        return u"elle porte sur une série qui n'existe pas"_s;
    if (const QString refus = refusHorsLecteur(e.series[size_t(q.serie)], q); !refus.isEmpty())
        return refus;
    Exercise seule = e;
    seule.questions = {q};
    const Relu r = relire(seule);
    if (!r.exercice) return r.pourquoi;
    const Exercise& lu = *r.exercice;
    if (estUnChoix(q.quantite))
        return choixJustes(lu, 0).isEmpty() ? u"aucune réponse n'est juste pour ces données"_s
                                            : QString();
    const std::vector<double> v = attendus(lu, 0);
    const bool finis = std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    if (!v.empty() && finis && reponseAttendue(lu, 0) != u"aucune") return {};
    const QString pourquoi = pourquoiPasDeValeur(lu.series[size_t(q.serie)], lu.questions[0]);
    return u"« %1 » ne se calcule pas sur ces données"_s.arg(libelleDe(q.quantite)) +
           (pourquoi.isEmpty() ? QString() : u" : "_s + pourquoi);
}

// The title in plain ASCII, lower case, words joined by "-".
QString nomDeFichier(const QString& titre) {
    QString t = titre.toLower();
    t.replace(u"œ"_s, u"oe"_s).replace(u"æ"_s, u"ae"_s).replace(u"ß"_s, u"ss"_s);
    t = t.normalized(QString::NormalizationForm_KD);
    QString nom;
    for (const QChar c : t) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            nom += c;
        else if (c.category() != QChar::Mark_NonSpacing && !nom.endsWith(u'-') && !nom.isEmpty())
            nom += u'-';
    }
    nom = nom.left(60);
    while (nom.endsWith(u'-')) nom.chop(1);
    return nom.isEmpty() ? u"exercice"_s : nom;
}

}  // namespace

QString libelleDe(Quantity q) {
    switch (q) {
        case Quantity::Moyenne:
            return u"Moyenne"_s;
        case Quantity::Mediane:
            return u"Médiane"_s;
        case Quantity::Q1:
            return u"Premier quartile Q1"_s;
        case Quantity::Q3:
            return u"Troisième quartile Q3"_s;
        case Quantity::D1:
            return u"Premier décile D1"_s;
        case Quantity::D9:
            return u"Neuvième décile D9"_s;
        case Quantity::Etendue:
            return u"Étendue"_s;
        case Quantity::EcartInterquartile:
            return u"Écart interquartile"_s;
        case Quantity::Variance:
            return u"Variance"_s;
        case Quantity::EcartType:
            return u"Écart type"_s;
        case Quantity::Mode:
            return u"Mode"_s;
        case Quantity::EffectifTotal:
            return u"Effectif total"_s;
        case Quantity::FrequenceValeur:
            return u"Fréquence d'une valeur (%)"_s;
        case Quantity::EffectifAuDessus:
            return u"Effectif au-dessus d'un seuil"_s;
        case Quantity::EffectifAuDessous:
            return u"Effectif au-dessous d'un seuil"_s;
        case Quantity::PourcentageAuDessus:
            return u"Pourcentage au-dessus d'un seuil"_s;
        case Quantity::PourcentageAuDessous:
            return u"Pourcentage au-dessous d'un seuil"_s;
        case Quantity::ClasseModale:
            return u"Classe modale"_s;
        case Quantity::Choix:
            return u"Choix entre des réponses"_s;
        case Quantity::PlusGrand:
            return u"Série où la quantité est la plus grande"_s;
        case Quantity::PlusPetit:
            return u"Série où la quantité est la plus petite"_s;
        case Quantity::MoyenneX:
            return u"Moyenne des x"_s;
        case Quantity::MoyenneY:
            return u"Moyenne des y"_s;
        case Quantity::Covariance:
            return u"Covariance"_s;
        case Quantity::Correlation:
            return u"Coefficient de corrélation"_s;
        case Quantity::CoefficientDirecteur:
            return u"Coefficient directeur de la droite"_s;
        case Quantity::OrdonneeOrigine:
            return u"Ordonnée à l'origine de la droite"_s;
        case Quantity::Estimation:
            return u"Estimation par la droite"_s;
        case Quantity::Gini:
            return u"Indice de Gini"_s;
        case Quantity::EcartTypeFrequences:
            return u"Écart type des fréquences"_s;
        case Quantity::PartDansIntervalle:
            return u"Part des échantillons dans l'intervalle"_s;
        case Quantity::BorneInferieure:
            return u"Borne inférieure p − 1/√n"_s;
        case Quantity::BorneSuperieure:
            return u"Borne supérieure p + 1/√n"_s;
        case Quantity::DecisionIntervalle:
            return u"Décision : dans l'intervalle ou non"_s;
    }
    return {};
}

unsigned parametresDe(Quantity q) {
    unsigned p = estUnChoix(q) ? AucunParametre : ParametrePrecision;
    if (q == Quantity::FrequenceValeur) p |= ParametreValeur;
    if (demandeUnSeuil(q)) p |= ParametreSeuil;
    if (q == Quantity::Choix || q == Quantity::DecisionIntervalle) p |= ParametreChoix;
    if (q == Quantity::PlusGrand || q == Quantity::PlusPetit) p |= ParametreDe;
    if (q == Quantity::PartDansIntervalle) p |= ParametreK;
    if (surDesPaires(q)) p |= ParametreChangement;
    if (q == Quantity::CoefficientDirecteur || q == Quantity::OrdonneeOrigine ||
        q == Quantity::Estimation)
        p |= ParametreMethode;
    if (q == Quantity::Estimation) p |= ParametreXouY;
    return p;
}

std::vector<OfferedQuantity> quantitesOffertes(ExerciseSeries::Forme forme) {
    std::vector<OfferedQuantity> offertes;
    Exercise e;
    e.titre = u"?"_s;
    e.series = {essai(forme)};
    for (int i = 0; i <= int(kDerniere); ++i) {
        const auto q = Quantity(i);
        e.questions = {essai(q)};
        if (!refusHorsLecteur(e.series.front(), e.questions.front()).isEmpty() ||
            !lireExercice(exerciceEnJson(e)).exercice)
            continue;
        offertes.push_back({q, nomDeQuantite(q), libelleDe(q), parametresDe(q)});
    }
    return offertes;
}

QStringList fautesDeLExercice(const Exercise& e) {
    QStringList fautes;
    if (e.titre.trimmed().isEmpty()) fautes << u"Le titre est obligatoire."_s;
    if (e.enonce.trimmed().isEmpty()) fautes << u"L'énoncé est obligatoire."_s;
    if (e.questions.empty()) fautes << u"Ajoutez au moins une question."_s;
    if (e.series.empty()) return fautes << u"Les données sont vides."_s;
    // The data alone: the reader stops before the questions when they are at fault.
    Exercise donnees = e;
    donnees.questions.clear();
    const Relu r = relire(donnees);
    if (r.ligne > 0 && r.ligne < r.ligneDesQuestions)
        return fautes << u"Données : %1."_s.arg(r.pourquoi);
    for (int i = 0; i < int(e.questions.size()); ++i)
        if (const QString f = fauteDeLaQuestion(e, i); !f.isEmpty())
            fautes << u"Question %1 : %2."_s.arg(i + 1).arg(f);
    return fautes;
}

QString dossierDuProfesseur() {
    return dossiersDesExercices().constLast();
}

QString cheminPourTitre(const QString& dossier, const QString& titre) {
    const QDir d(dossier);
    const QString nom = nomDeFichier(titre);
    QString chemin = d.filePath(nom + u".json"_s);
    for (int i = 2; QFileInfo::exists(chemin) && i < 10000; ++i)
        chemin = d.filePath(u"%1-%2.json"_s.arg(nom).arg(i));
    return chemin;
}

QString enregistrerExercice(const Exercise& e, const QString& chemin) {
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (!QDir().mkpath(dossier))
        return u"le dossier « %1 » ne peut pas être créé"_s.arg(QDir::toNativeSeparators(dossier));
    const QByteArray json = exerciceEnJson(e);
    return saveAtomically(chemin, [&](QIODevice& f) { return f.write(json) == json.size(); });
}

}  // namespace core
