#include "core/pairs/texts.h"

#include "core/numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

// Rounded as the value reads in decimal: 2.345, whose double lies a little below,
// gives 2,35, half away from zero.
double roundedValue(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    decimals = std::clamp(decimals, 0, kMostDecimals);
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::abs(scaled) >= 1e15) return value;
    double whole = std::trunc(scaled);
    const double rest = std::abs(scaled - whole);
    // A half that the binary value misses by a few units of its last place is a half.
    const double tolerance = 64 * std::numeric_limits<double>::epsilon() * std::abs(scaled);
    if (rest > 0.5 - tolerance) whole += scaled < 0 ? -1 : 1;
    return whole / scale;
}

}  // namespace

QString rounded(double value, int decimals) {
    const double r = roundedValue(value, decimals);
    return textOfNumber(r == 0 ? 0.0 : r);  // no "-0"
}

QString signedText(double value, int decimals) {
    QString text = rounded(value, decimals);
    if (text.startsWith(u'-')) text.replace(0, 1, u"−"_s);
    return text;
}

QString pointText(Point p, int decimals) {
    return u"("_s + signedText(p.x, decimals) + u" ; "_s + signedText(p.y, decimals) + u")"_s;
}

namespace {

// "a·X + b" in the program's form: the coefficient left out where it is 1, the
// constant where it is 0, a minus sign for a negative constant.
QString affine(double a, double b, const QString& variable, Change change, int decimals) {
    const double ra = roundedValue(a, decimals), rb = roundedValue(b, decimals);
    QString text;
    if (ra != 0) {
        if (change == Change::Inverse) {
            // 5/x rather than 5 × 1/x.
            text = signedText(ra, decimals) + u"/"_s + variable;
        } else {
            const QString term = changedName(change, variable);
            if (ra == 1)
                text = term;
            else if (ra == -1)
                text = u"−"_s + term;
            else
                text = signedText(ra, decimals) +
                       (change == Change::None || change == Change::Square ? u""_s : u" "_s) + term;
        }
    }
    if (text.isEmpty()) return signedText(rb, decimals);
    if (rb > 0) text += u" + "_s + rounded(rb, decimals);
    if (rb < 0) text += u" − "_s + rounded(-rb, decimals);
    return text;
}

}  // namespace

QString equation(const Curve& curve, int decimals) {
    if (curve.method == Method::LeastSquaresXInY)
        return changedName(curve.onX, u"x"_s) + u" = "_s +
               affine(curve.line.a, curve.line.b, u"y"_s, curve.onY, decimals);
    return changedName(curve.onY, u"y"_s) + u" = "_s +
           affine(curve.line.a, curve.line.b, u"x"_s, curve.onX, decimals);
}

QString equation(const Exponential& fit, int decimals) {
    return u"y = "_s + signedText(fit.k, decimals) + u" × "_s + signedText(fit.a, decimals) +
           u"ˣ"_s;
}

QString mayerGroups(const Mayer& m) {
    if (m.firstCount == m.secondCount) return u"2 groupes de %1 paires"_s.arg(m.firstCount);
    return u"%1 paires, un nombre impair : le premier groupe prend la paire du milieu (%2 "
           u"paires contre %3)"_s.arg(m.firstCount + m.secondCount)
               .arg(m.firstCount)
               .arg(m.secondCount);
}

}  // namespace core::pairs
