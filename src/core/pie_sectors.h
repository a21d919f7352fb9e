#pragma once

// Where the spokes and end edges of a pie's sectors fall. Only the sectors' colours
// change from one drawing of the same series to the next, so the last geometry of each
// pie is kept and given again for the same inputs: clicking "Camembert" once more on
// ten thousand values skips their 750,000 angles.

#include <QPointF>

#include <optional>
#include <vector>

namespace core {

// What the geometry depends on, compared whole.
struct PieInputs {
    double cx = 0, cy = 0, radius = 0;
    double share = 0;            // 628 / count
    bool roundedY = false;       // the right-hand pie stores its points' y as 16-bit integers
    std::optional<double> mean;  // none where reading it failed
    std::vector<double> values;  // 0 for an item skipped, as a failed reading is
    bool operator==(const PieInputs&) const = default;
};

struct PieSectors {
    // Spokes of one item that end on the same point, drawn together; the run holding
    // the 30th spoke carries the item's label.
    struct Run {
        int item;
        int count;
        QPointF end;
        bool label;
    };
    std::vector<Run> runs;
    // Each item's black end edge, its y before any rounding.
    struct Edge {
        int item;
        QPointF end;
    };
    std::vector<Edge> edges;
};

// One fan of 75 spokes per item, each 1/75 of its share further on from twelve
// o'clock, then the end edges going on from where the spokes stopped. The same inputs
// as the last time for that kind of pie give the kept result.
const PieSectors& pieSectors(const PieInputs& inputs);

}  // namespace core
