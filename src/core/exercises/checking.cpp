#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/exercises/wording.h"
#include "core/numbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

QStringList choixDe(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    QStringList c;
    switch (q.quantite) {
        case Quantity::Choix:
        case Quantity::DecisionIntervalle:
            return q.choix;
        case Quantity::ClasseModale:
            for (const auto& k : triees(e.series[size_t(q.serie)].classes))
                c << intervalle(e.series[size_t(q.serie)], k);
            return c;
        case Quantity::PlusGrand:
        case Quantity::PlusPetit:
            for (const auto& s : e.series) c << s.nom;
            return c;
        default:
            return c;
    }
}

std::vector<double> attendus(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (surDesPaires(q.quantite) || q.quantite == Quantity::Gini)
        return attendusPaires(e.series[size_t(q.serie)], q);
    if (surUneSimulation(q.quantite)) return attendusSimulation(e.series[size_t(q.serie)], q);
    const ExerciseSeries s = transformee(e.series[size_t(q.serie)], q.multiplier, q.ajouter);
    const double N = double(s.effectif());
    switch (q.quantite) {
        case Quantity::Mode:
            return modesDe(s);
        case Quantity::FrequenceValeur: {
            qint64 n = 0;
            for (const auto& p : s.ponderees())
                if (p.valeur == q.parametre) n += p.effectif;
            return {100 * double(n) / N};
        }
        case Quantity::EffectifAuDessus:
            return {effectifDuSeuil(s, q.parametre, true)};
        case Quantity::EffectifAuDessous:
            return {effectifDuSeuil(s, q.parametre, false)};
        case Quantity::PourcentageAuDessus:
            return {100 * effectifDuSeuil(s, q.parametre, true) / N};
        case Quantity::PourcentageAuDessous:
            return {100 * effectifDuSeuil(s, q.parametre, false) / N};
        default:
            break;
    }
    if (estUnChoix(q.quantite)) return {};
    const auto v = valeurDe(s, q.quantite);
    return v ? std::vector<double>{*v} : std::vector<double>{};
}

QStringList choixJustes(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    switch (q.quantite) {
        case Quantity::Choix:
            return {q.reponse};
        case Quantity::DecisionIntervalle:
            return {q.choix[observeeDansIntervalle(e.series[size_t(q.serie)]) ? 0 : 1]};
        case Quantity::ClasseModale: {
            const ExerciseSeries& s = e.series[size_t(q.serie)];
            QStringList justes;
            for (int i : parametresClasses(s.classes).classesModales)
                justes << intervalle(s, s.classes[size_t(i)]);
            return justes;
        }
        case Quantity::PlusGrand:
        case Quantity::PlusPetit: {
            const auto v = comparees(e, q);
            std::optional<double> meilleure;
            for (const auto& x : v)
                if (x && (!meilleure ||
                          (q.quantite == Quantity::PlusGrand ? *x > *meilleure : *x < *meilleure)))
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

QString reponseAttendue(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (estUnChoix(q.quantite)) return choixJustes(e, question).join(u" ou "_s);
    QStringList t;
    const QString unite = q.quantite == Quantity::FrequenceValeur ||
                                  q.quantite == Quantity::PourcentageAuDessus ||
                                  q.quantite == Quantity::PourcentageAuDessous
                              ? u"%"_s
                              : q.unite;
    for (double x : attendus(e, question))
        t << avecUnite(sobre(x, decimalesDe(q.precision)), unite);
    return t.isEmpty() ? u"aucune"_s : t.join(u" ou "_s);
}

Verdict verifier(const Exercise& e, int question, const QString& reponse) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
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

}  // namespace core
