#include "core/exercises/wording.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

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
QString sobre(double x, int decimales) {
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

QString intervalle(const ExerciseSeries& s, const Interval& k) {
    return texteIntervalle(k.inferieure, k.superieure, s.fermeADroite);
}

QString texteDesValeurs(const std::vector<double>& v) {
    QStringList t;
    for (double x : v) t << exact(x);
    return t.join(u" ; "_s);
}

}  // namespace core::exercises
