#pragma once

// The charts a class draws from a table of counts, each worked out into a record
// (core::Drawing) on graduated axes with their titles and the chart's own: bars by
// value, the histogram (areas proportional to the counts, so unequal classes are drawn
// right), the cumulative polygon in counts or percentages with the readings of the
// median and the quartiles, and the box plot to the extremes or to the deciles.

#include "core/frequency_table.h"
#include "core/graduations.h"
#include "core/series_charts.h"

#include <QRectF>
#include <QString>

#include <optional>

namespace core {

enum class TableChart { Sticks, Histogram, Cumulative, CumulativePercent, Box };
inline constexpr int kTableCharts = 5;

// The chart a command line names: bars, histogram, cumulative, cumulative-percent, box.
std::optional<TableChart> tableChartNamed(QStringView name);
// Its French title, as the chooser and the chart show it.
QString chartTitle(TableChart chosenChart);

// The axes and the area they frame, in twips: where a point of the data stands.
struct CoordinateFrame {
    Axis x, y;
    QRectF zone;
    QPointF point(double vx, double vy) const {
        return {zone.left() + x.position(vx, zone.width()),
                zone.bottom() - y.position(vy, zone.height())};
    }
};

struct TableChartRecord {
    Drawing drawing;
    CoordinateFrame frame;
    QString description;  // what a screen reader tells of it
    QString fault;        // why the chart does not fit the table; nothing drawn then
};

// `deciles`: the box plot's whiskers stop at D1 and D9 instead of the extremes.
TableChartRecord tableChartRecord(const TableAnalysis& analysis, TableChart chosenChart,
                                  const Surface& surface = {}, bool deciles = false);

}  // namespace core
