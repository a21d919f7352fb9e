#pragma once

// The fits drawn over a scatter plot, each a curve y = f(x): an affine fit (least
// squares y in x or x in y, Mayer's line, a line given by the learner) of the pairs
// after a change of variable on either side (ln, 1/, ², √), brought back onto the
// original pairs. With no change it is a line; with ln y it is the exponential fit
// y = k × aˣ. Predictions read a curve either way and say whether they stay within the
// data.

#include "core/pairs/statistics.h"

#include <QString>

namespace core::pairs {

enum class Change { None, Log, Inverse, Square, SquareRoot };
inline constexpr int kChanges = 5;
enum class Method { LeastSquares, LeastSquaresXInY, Mayer, ByEye };

// A change's value, NaN outside its domain (ln and √ of a negative, 1/0...).
double changed(Change change, double v);
// The value a changed one came from, NaN where none does.
double unchanged(Change change, double v);
// "x", "ln x", "1/x", "x²", "√x" for a variable named `name`.
QString changedName(Change change, const QString& name);
// The change a command line or a file names: none, ln, inverse, square, sqrt.
std::optional<Change> changeNamed(QStringView name);

struct Curve {
    Method method = Method::LeastSquares;
    Change onX = Change::None, onY = Change::None;
    // Y = a·X + b on the changed variables X and Y; for LeastSquaresXInY it is
    // X = a·Y + b, as it was fitted.
    Line line;

    bool isLine() const { return onX == Change::None && onY == Change::None; }
    // y for x along the curve, NaN where it has none.
    double y(double x) const;
    // x for y, NaN where none is (a horizontal line, a value out of a change's domain).
    double x(double y) const;
    // The fitted relation as Y = a·X + b whichever way it was fitted; none for a fit of
    // x in y that is vertical in y's terms.
    std::optional<Line> yInX() const;
};

// The pairs after the changes, or why a change cannot be made (ln of a value ≤ 0...).
Computed<Pairs> changedPairs(const Pairs& pairs, Change onX, Change onY);

// The fit of `method` (not ByEye) to the changed pairs.
Computed<Curve> fit(const Pairs& pairs, Method method, Change onX = Change::None,
                    Change onY = Change::None);
// The learner's line as a curve.
Curve byEye(const Line& line);

// y = k × aˣ: least squares of ln y in x, k = e^b and a = e^slope.
struct Exponential {
    double k = 0, a = 0;
    Curve curve;
};
Computed<Exponential> exponentialFit(const Pairs& pairs);

// A value read on a curve, and whether the value it was read from lies within the
// data's range (interpolation) or outside it (extrapolation).
struct Prediction {
    double value = 0;
    bool interpolation = true;
    QString kind() const;  // "interpolation" or "extrapolation"
};
// y for x and x for y on `curve`, against the range of the summary's x (or y).
Computed<Prediction> predictY(const Curve& curve, const Summary& summary, double x);
Computed<Prediction> predictX(const Curve& curve, const Summary& summary, double y);

// Each pair's residual yᵢ − f(xᵢ) on the curve (NaN where f has no value at xᵢ), and
// their sum of squares.
std::vector<double> residuals(const Pairs& pairs, const Curve& curve);
double sumOfSquaredResiduals(const Pairs& pairs, const Curve& curve);

}  // namespace core::pairs
