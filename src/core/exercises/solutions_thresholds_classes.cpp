#include "core/exercises/solutions.h"

#include "core/exercises/wording.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

QString solutionTotalCount(const ExerciseSeries& s) {
    if (s.shape == Shape::Raw)
        return u"La série compte "_s + exact(double(s.count())) + u" valeurs : N = "_s +
               exact(double(s.count())) + u'.';
    QStringList terms;
    if (s.shape == Shape::Values)
        for (const auto& p : s.values) terms << exact(double(p.count));
    else
        for (const auto& k : s.classes) terms << exact(double(k.count));
    return u"N = "_s + sum(terms) + u" = "_s + exact(double(s.count())) + u'.';
}

QString solutionFrequency(const ExerciseSeries& s, double value, int dec) {
    qint64 n = 0;
    for (const auto& p : s.weighted())
        if (p.value == value) n += p.count;
    const double N = double(s.count());
    return u"La valeur "_s + exact(value) + u" apparaît "_s + exact(double(n)) +
           u" fois sur N = "_s + exact(N) + u" : fréquence = "_s + exact(double(n)) + u" / "_s +
           exact(N) + u' ' + equals(double(n) / N, 4) + u", soit "_s +
           roundedText(100 * double(n) / N, dec) + u" %."_s;
}

QString solutionThreshold(const ExerciseSeries& s, double threshold, bool above, bool percentage,
                          int dec) {
    const QString side = above ? u"au-dessus"_s : u"au-dessous"_s;
    QStringList terms;
    QString part;
    if (s.shape == Shape::Classes) {
        for (const auto& k : sorted(s.classes)) {
            const bool wholly = above ? k.lower >= threshold : k.upper <= threshold;
            const bool isCut = k.lower < threshold && threshold < k.upper;
            if (wholly) {
                terms << exact(double(k.count));
            } else if (isCut) {
                const double length = above ? k.upper - threshold : threshold - k.lower;
                const double counted = length / k.amplitude() * double(k.count);
                terms << exact(std::round(counted * 1000) / 1000);
                part = u" La classe "_s + intervalOf(s, k) + u" contient "_s + exact(threshold) +
                       u" : les valeurs y étant supposées réparties uniformément, on compte la "
                       u"part de son effectif située "_s +
                       side + u", ("_s +
                       (above ? exact(k.upper) + u" − "_s + exact(threshold)
                              : exact(threshold) + u" − "_s + exact(k.lower)) +
                       u") / ("_s + exact(k.upper) + u" − "_s + exact(k.lower) + u") × "_s +
                       exact(double(k.count)) + u' ' + equals(counted, 3) + u'.';
            }
        }
    } else {
        for (const auto& p : sorted(s.weighted()))
            if (above ? p.value > threshold : p.value < threshold)
                terms << exact(double(p.count)) + u" ("_s + exact(p.value) + u")"_s;
    }
    const double n = thresholdCount(s, threshold, above);
    const QString what = s.shape == Shape::Classes
                             ? u"Effectifs des classes "_s + side + u" de "_s + exact(threshold)
                             : u"Effectifs des valeurs strictement "_s +
                                   (above ? u"supérieures"_s : u"inférieures"_s) + u" à "_s +
                                   exact(threshold);
    QString t = terms.isEmpty()
                    ? u"Aucune valeur n'est "_s + side + u" de "_s + exact(threshold) + u" : 0."_s
                    : what + u" : "_s + sum(terms) + u' ' + equals(n, 3) +
                          (percentage || lossless(n, dec) ? QString() : u' ' + equals(n, dec)) +
                          u'.';
    t += part;
    if (percentage)
        t += u" Pourcentage = "_s + plain(n) + u" / "_s + exact(double(s.count())) + u" × 100 "_s +
             equals(100 * n / double(s.count()), dec) + u" %."_s;
    return t;
}

QString solutionModalClass(const ExerciseSeries& s) {
    const ClassParameters p = classParameters(s.classes);
    if (p.modalClasses.empty()) return {};
    const auto c = sorted(s.classes);
    const bool equalWidths = std::all_of(c.begin(), c.end(), [&](const Interval& k) {
        return std::abs(k.amplitude() - c.front().amplitude()) <=
               1e-9 * std::abs(c.front().amplitude());
    });
    QStringList modalTexts;
    for (int i : p.modalClasses) modalTexts << intervalOf(s, s.classes[size_t(i)]);
    const QString end =
        modalTexts.size() == 1
            ? u"celle de "_s + modalTexts.front() + u" : c'est la classe modale"_s
            : u"celles de "_s + modalTexts.join(u", "_s) + u" : ce sont les classes modales"_s;
    if (equalWidths)
        return u"Les classes ont toutes la même amplitude : on compare leurs effectifs. Le plus "
               u"grand ("_s +
               exact(double(s.classes[size_t(p.modalClasses.front())].count)) + u") est "_s + end +
               u'.';
    QStringList densities;
    for (const auto& k : c)
        densities << intervalOf(s, k) + u" : "_s + exact(double(k.count)) + u" / "_s +
                         exact(k.amplitude()) + u' ' + equals(double(k.count) / k.amplitude(), 2);
    return u"Les amplitudes des classes diffèrent : on compare les densités, effectif / "
           u"amplitude ("_s +
           densities.join(u" ; "_s) + u"). La plus grande est "_s + end + u'.';
}

}  // namespace core::exercises
