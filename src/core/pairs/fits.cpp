#include "core/pairs/fits.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double finite(double v) {
    return std::isfinite(v) ? v : kNaN;
}

}  // namespace

double changed(Change change, double v) {
    switch (change) {
        case Change::None:
            return v;
        case Change::Log:
            return v > 0 ? std::log(v) : kNaN;
        case Change::Inverse:
            return v != 0 ? finite(1 / v) : kNaN;
        case Change::Square:
            return finite(v * v);
        case Change::SquareRoot:
            return v >= 0 ? std::sqrt(v) : kNaN;
    }
    return kNaN;
}

double unchanged(Change change, double v) {
    switch (change) {
        case Change::None:
            return v;
        case Change::Log:
            return finite(std::exp(v));
        case Change::Inverse:
            return v != 0 ? finite(1 / v) : kNaN;
        case Change::Square:
            return v >= 0 ? std::sqrt(v) : kNaN;
        case Change::SquareRoot:
            return v >= 0 ? finite(v * v) : kNaN;
    }
    return kNaN;
}

QString changedName(Change change, const QString& name) {
    switch (change) {
        case Change::None:
            return name;
        case Change::Log:
            return u"ln "_s + name;
        case Change::Inverse:
            return u"1/"_s + name;
        case Change::Square:
            return name + u"²"_s;
        case Change::SquareRoot:
            return u"√"_s + name;
    }
    return name;
}

std::optional<Change> changeNamed(QStringView name) {
    static const char16_t* const kNames[kChanges] = {u"none", u"ln", u"inverse", u"square",
                                                     u"sqrt"};
    for (int i = 0; i < kChanges; ++i)
        if (name == QStringView(kNames[i])) return Change(i);
    return std::nullopt;
}

double Curve::y(double x) const {
    const double X = changed(onX, x);
    double Y;
    if (method == Method::LeastSquaresXInY)
        Y = line.a != 0 ? (X - line.b) / line.a : kNaN;
    else
        Y = line.a * X + line.b;
    return unchanged(onY, finite(Y));
}

double Curve::x(double y) const {
    const double Y = changed(onY, y);
    double X;
    if (method == Method::LeastSquaresXInY)
        X = line.a * Y + line.b;
    else
        X = line.a != 0 ? (Y - line.b) / line.a : kNaN;
    return unchanged(onX, finite(X));
}

std::optional<Line> Curve::yInX() const {
    if (method != Method::LeastSquaresXInY) return line;
    if (line.a == 0) return std::nullopt;
    const Line inverse{1 / line.a, -line.b / line.a};
    if (!std::isfinite(inverse.a) || !std::isfinite(inverse.b)) return std::nullopt;
    return inverse;
}

namespace {

// A column after its change into `out`, or why a value cannot take it.
QString changeColumn(const std::vector<double>& values, Change c, const QString& name,
                     std::vector<double>& out) {
    out.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = changed(c, values[i]);
        if (std::isnan(v)) {
            const QString what = c == Change::Log       ? u"strictement positives"_s
                                 : c == Change::Inverse ? u"non nulles"_s
                                 : c == Change::Square  ? u"moins grandes"_s
                                                        : u"positives"_s;
            return u"%1 demande des valeurs %2 : %3 = %4 à la paire %5"_s.arg(
                changedName(c, name), what, name, textOfNumber(values[i]), QString::number(i + 1));
        }
        out[i] = v;
    }
    return {};
}

// The columns a fit reads: the pairs' own where they are not changed, so a fit of
// ln y on a million pairs copies only y.
struct Columns {
    std::vector<double> x, y;
    std::span<const double> readX, readY;
    QString fault;
};

void changeInto(Columns& c, const Pairs& pairs, Change onX, Change onY) {
    c.readX = pairs.x;
    c.readY = pairs.y;
    if (onX != Change::None) {
        c.fault = changeColumn(pairs.x, onX, u"x"_s, c.x);
        c.readX = c.x;
    }
    if (c.fault.isEmpty() && onY != Change::None) {
        c.fault = changeColumn(pairs.y, onY, u"y"_s, c.y);
        c.readY = c.y;
    }
}

}  // namespace

Computed<Pairs> changedPairs(const Pairs& pairs, Change onX, Change onY) {
    Columns c;
    changeInto(c, pairs, onX, onY);
    if (!c.fault.isEmpty()) return Computed<Pairs>::failure(c.fault);
    return Computed<Pairs>::success({pairs.nameX, pairs.nameY,
                                     std::vector<double>(c.readX.begin(), c.readX.end()),
                                     std::vector<double>(c.readY.begin(), c.readY.end())});
}

Computed<Curve> fit(const Pairs& pairs, Method method, Change onX, Change onY) {
    Curve curve{method, onX, onY, {}};
    if (method == Method::ByEye)
        return Computed<Curve>::failure(u"une droite au jugé se place à la main"_s);
    Columns data;
    changeInto(data, pairs, onX, onY);
    if (!data.fault.isEmpty()) return Computed<Curve>::failure(data.fault);
    if (method == Method::Mayer) {
        const Computed<Mayer> m = mayer(data.readX, data.readY);
        if (!m) return Computed<Curve>::failure(m.fault);
        curve.line = m->line;
        return Computed<Curve>::success(curve);
    }
    const Computed<Summary> s = summarize(data.readX, data.readY);
    if (!s) return Computed<Curve>::failure(s.fault);
    const Computed<Line> line =
        method == Method::LeastSquares ? leastSquares(*s) : leastSquaresXInY(*s);
    if (!line) return Computed<Curve>::failure(line.fault);
    curve.line = *line;
    return Computed<Curve>::success(curve);
}

Curve byEye(const Line& line) {
    return {Method::ByEye, Change::None, Change::None, line};
}

Computed<Exponential> exponentialFit(const Pairs& pairs) {
    const Computed<Curve> c = fit(pairs, Method::LeastSquares, Change::None, Change::Log);
    if (!c) return Computed<Exponential>::failure(c.fault);
    const Exponential e{std::exp(c->line.b), std::exp(c->line.a), *c};
    if (!std::isfinite(e.k) || !std::isfinite(e.a) || e.k == 0 || e.a == 0)
        return Computed<Exponential>::failure(u"les valeurs sont trop grandes pour ce calcul"_s);
    return Computed<Exponential>::success(e);
}

QString Prediction::kind() const {
    return interpolation ? u"interpolation"_s : u"extrapolation"_s;
}

Computed<Prediction> predictY(const Curve& curve, const Summary& s, double x) {
    const double y = curve.y(x);
    if (std::isnan(y))
        return Computed<Prediction>::failure(
            u"l'ajustement ne donne aucune valeur de y pour x = %1"_s.arg(textOfNumber(x)));
    return Computed<Prediction>::success({y, x >= s.minX && x <= s.maxX});
}

Computed<Prediction> predictX(const Curve& curve, const Summary& s, double y) {
    const double x = curve.x(y);
    if (std::isnan(x))
        return Computed<Prediction>::failure(
            u"l'ajustement ne donne aucune valeur de x pour y = %1"_s.arg(textOfNumber(y)));
    return Computed<Prediction>::success({x, y >= s.minY && y <= s.maxY});
}

std::vector<double> residuals(const Pairs& pairs, const Curve& curve) {
    if (curve.isLine() && curve.method != Method::LeastSquaresXInY)
        return residuals(pairs, curve.line);
    const std::size_t n = std::min(pairs.x.size(), pairs.y.size());
    std::vector<double> e(n);
    for (std::size_t i = 0; i < n; ++i) e[i] = pairs.y[i] - curve.y(pairs.x[i]);
    return e;
}

double sumOfSquaredResiduals(const Pairs& pairs, const Curve& curve) {
    if (curve.isLine() && curve.method != Method::LeastSquaresXInY)
        return sumOfSquaredResiduals(pairs, curve.line);
    CompensatedSum s;
    for (double e : residuals(pairs, curve)) s.add(e * e);
    return s.value();
}

}  // namespace core::pairs
