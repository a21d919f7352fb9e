#pragma once

// The scatter plot of two variables as a record: graduated axes fitted to the data,
// each pair a point, the mean point G marked and written with its coordinates, the
// fits chosen each in its colour with its equation, the learner's line with its
// residuals as segments or squares; and the plot of a fit's residuals. The points are
// drawn once (the base); what follows the fits and the learner's line (the overlay) is
// worked out again at each move, at the cost of one pass over the points.

#include "core/pairs/chart_layout.h"
#include "core/pairs/fits.h"

#include <utility>

namespace core::pairs {

inline constexpr Surface kPairsSurface{10500, 7500, 2, 0};

enum class ResidualStyle { None, Segments, Squares };

struct ByEyeLine {
    Line line;
    std::optional<std::pair<Point, Point>> handles;  // where the learner holds it, if so
};

struct ScatterOptions {
    std::vector<Curve> fits;  // each in its own colour, with its equation
    std::optional<ByEyeLine> byEye;
    ResidualStyle residuals = ResidualStyle::None;  // the learner's line's
    bool correlation = true;                        // r and r² in the legend
    int decimals = 2;
};
// The legend's rows the options take: one a fit, the learner's line, r.
int legendRows(const ScatterOptions& options);

struct ChartRecord {
    Drawing drawing;
    CoordinateFrame frame;
    QString description;  // what a screen reader tells of it
};

struct ScatterBase {
    ChartRecord chart;  // axes, titles and points
    Frame frame;
    Summary summary;
    Occupancy points;  // where the points stand, for the captions laid at each move
};
// `rows`: the legend rows kept free above the points, as many as the most options a
// window will show.
Computed<ScatterBase> scatterBase(const Pairs& pairs, int rows,
                                  const Surface& surface = kPairsSurface);
// The fits, the learner's line, G and the legend, over `base`.
Computed<ChartRecord> scatterOverlay(const Pairs& pairs, const ScatterBase& base,
                                     const ScatterOptions& options);
// Both in one record.
Computed<ChartRecord> scatterChart(const Pairs& pairs, const ScatterOptions& options,
                                   const Surface& surface = kPairsSurface);

// xᵢ against the residuals yᵢ − f(xᵢ) of a fit, around a line at 0.
Computed<ChartRecord> residualChart(const Pairs& pairs, const Curve& curve, int decimals = 2,
                                    const Surface& surface = kPairsSurface);

// "Moindres carrés", "Droite de Mayer", "Ajustement exponentiel"...
QString fitName(const Curve& curve);
// "y = 2,35x + 10,4", or "y = 3,67 × 1,22ˣ" for the exponential fit.
QString fitEquation(const Curve& curve, int decimals);

}  // namespace core::pairs
