#pragma once

// The arithmetic the charts share: the step between positions, the vertical scale, the
// height of a value, and the pie's angles. Every function is a step that fails (throws
// core::Failure) where its arithmetic has no finite result.

#include "core/resume_next.h"
#include "core/variant.h"

#include <QPointF>

namespace chart_math {

// dx = Int((W - 400) / (N - 1)): the step between neighbouring positions.
double step(double width, double positions);

// k = Int((H - 300) / M) twips per unit. Where that does not fit a 16-bit integer (a
// largest value of magnitude 0.137787 or less with the designed height), the exact
// quotient is the scale, so series of small decimals still rise off the baseline.
double scale(double height, double largest);

// The scale of a chart: 50 when its largest value is 0, echelle() otherwise. A largest
// value that is a text and not a number fails the test, and a failed test counts as
// passed; where echelle() fails, k keeps what it held.
void scaleOr50(core::ResumeNext& resume, double height, const core::Variant& largest, double& k);

// y = (H - 200) - Int(v * k): where a value stands; H - 200 is the baseline.
double ordinate(double height, double value, double k);

// Angles run in hundredths of a radian from twelve o'clock, clockwise, a full turn
// counting 628; the quarter turn is 314 / 200.
inline constexpr double kQuarterTurn = 314.0 / 200.0;

// The point at distance rho from (cx, cy) in the direction of the running angle a:
// (cx + Int(rho cos t), cy - Int(rho sin t)) with t = 1.57 - a / 100.
QPointF onRadius(double cx, double cy, double rho, double a);

// The ends of the spokes of one sector, at running angles a[0] .. a[n - 1], given as
// runs of consecutive spokes that end on the same point. Each run's point is
// onRadius's for its first spoke; a later spoke joins the run only when its end cannot
// have left that twip (the end moves by at most rho times the angle turned). The
// sectors of a long series are far narrower than a twip at the rim, so most cost one
// cosine and sine instead of 75; along a wide one, each end's cosine and sine come
// from the one before by a rotation, the exact functions deciding near a whole twip.
class Extremes {
public:
    Extremes(double cx, double cy, double rho, const double* a, int n);
    // The next run: its first spoke, how many spokes, and where they end. False once
    // every spoke has been given.
    bool next(int& first, int& number, QPointF& P);

private:
    void rotate(double t);

    double cx_, cy_, rho_;
    const double* a_;
    int n_, next_ = 0;
    bool runs_;
    bool known_ = false;
    double t_ = 0, cos_ = 1, sin_ = 0;
    double step_ = 0, cosStep_ = 1, sinStep_ = 0;
    double error_ = 0;
};

}  // namespace chart_math
