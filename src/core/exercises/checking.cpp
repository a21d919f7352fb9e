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

QStringList choixDe(const Exercice& e, int question) {
    const QuestionExercice& q = e.questions[size_t(question)];
    QStringList c;
    switch (q.quantite) {
        case Quantite::Choix:
        case Quantite::DecisionIntervalle:
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
    if (surDesPaires(q.quantite) || q.quantite == Quantite::Gini)
        return attendusPaires(e.series[size_t(q.serie)], q);
    if (surUneSimulation(q.quantite)) return attendusSimulation(e.series[size_t(q.serie)], q);
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
        case Quantite::DecisionIntervalle:
            return {q.choix[observeeDansIntervalle(e.series[size_t(q.serie)]) ? 0 : 1]};
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

}  // namespace core
