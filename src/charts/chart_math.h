#pragma once

// The arithmetic the charts share: the step between positions, the vertical scale, the
// height of a value, and the pie's angles. Every function is a step that fails (throws
// ui::Failure) where its arithmetic has no finite result.

#include <QPointF>

namespace chart_math {

// dx = Int((W - 400) / (N - 1)): the step between neighbouring positions.
double pas(double largeur, double positions);

// k = Int((H - 300) / M) twips per unit. Where that does not fit a 16-bit integer (a
// largest value of magnitude 0.137787 or less with the designed height), the exact
// quotient is the scale, so series of small decimals still rise off the baseline.
double echelle(double hauteur, double plusGrande);

// y = (H - 200) - Int(v * k): where a value stands; H - 200 is the baseline.
double ordonnee(double hauteur, double valeur, double k);

// Angles run in hundredths of a radian from twelve o'clock, clockwise, a full turn
// counting 628; the quarter turn is 314 / 200.
inline constexpr double kQuartDeTour = 314.0 / 200.0;

// The point at distance rho from (cx, cy) in the direction of the running angle a:
// (cx + Int(rho cos t), cy - Int(rho sin t)) with t = 1.57 - a / 100.
QPointF surRayon(double cx, double cy, double rho, double a);

}  // namespace chart_math
