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

// The same points, for the spokes of one sector: their angles advance by nearly equal
// steps, so each point's cosine and sine come from the previous ones by a rotation.
// Where the rotated value lies too near a whole twip to be floored safely, the exact
// functions decide, so every point equals surRayon's.
class Rayons {
public:
    Rayons(double cx, double cy, double rho) : cx_(cx), cy_(cy), rho_(rho) {}
    QPointF point(double a);

private:
    double floorOf(double approximate, double (*exact)(double), double t) const;

    double cx_, cy_, rho_;
    bool known_ = false;
    double t_ = 0, cos_ = 1, sin_ = 0;
    double step_ = 0, cosStep_ = 1, sinStep_ = 0;
    double error_ = 0;
};

}  // namespace chart_math
