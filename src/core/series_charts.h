#pragma once

// The four charts of the main window, each worked out from the model alone into a
// record (core::Drawing) of its lines, dots and labels, in twips on a chart area of a
// given size. The window replays the record onto its chart area and label arrays;
// files, the clipboard and the printer replay the same record.

#include "core/drawing.h"
#include "core/model.h"

#include <optional>

namespace core {

// In the order of the main window's chart buttons.
enum class ChartKind { Sticks = 0, Pie = 1, Curve = 2, Both = 3 };
inline constexpr int kChartKinds = 4;
// The chart a command line names: sticks, pie, curve or both.
std::optional<ChartKind> chartKindNamed(QStringView name);

// The chart area a chart is laid out on: its outer size in twips, read in single
// precision as the charts read it, its pen width in pixels and its foreground colour.
struct Surface {
    float width = 8295;
    float height = 4815;
    int lineWidth = 2;
    quint32 foreground = 0;
};

// The label slots over the chart area: the first series' items 0 to 20, the second's
// 0 to 19, each on its own background colour.
inline constexpr int kLabels1 = 21;
inline constexpr int kLabels2 = 20;
inline constexpr quint32 kLabelBackground1 = 179 + 256 * 220 + 65536u * 253;
inline constexpr quint32 kLabelBackground2 = 255 + 256 * 192 + 65536u * 192;
// Where label i of a list stands before any chart has moved it.
QPointF labelStart(int list, int i);
// Labels whose position was never set are given the one they start at, as on a
// chart area where no chart was drawn before.
void placeAtStart(Drawing& drawing);
// The chart area's background.
inline constexpr quint32 kChartBackground = 192 + 256 * 255 + 65536u * 192;
// The colour table the pie draws its sectors from, filled into Modele::couleurs at start.
inline constexpr double kPalette[10] = {13525457, 7100115,  12967422, 12779258, 11140811,
                                        16637107, 16701145, 5202926,  4711018,  14381152};

// The chart of `kind`, as drawing it on a cleared area gives it. The pie draws its
// sector colours from the program's one generator (core::Random), anew each time.
Drawing chart(const Model& model, ChartKind kind, const Surface& surface = {});
// The same, added to `drawing`: a record cleared and filled again keeps its storage,
// which a pie of ten thousand items would otherwise allocate and fault in anew.
void chart(Drawing& drawing, const Model& model, ChartKind kind, const Surface& surface = {});

// What drawing the chart leaves in the model: the curve raises the first series'
// largest value to the second list's largest when that list is taken into account.
void afterChart(Model& model, ChartKind kind);

// What a screen reader tells of a chart: its kind and the values its labels show.
QString chartDescription(const Drawing& drawing, ChartKind kind);

}  // namespace core
