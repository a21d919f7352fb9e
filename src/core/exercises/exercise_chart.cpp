#include "core/exercises/exercise_chart.h"

#include "core/frequency_table.h"
#include "core/individuals/charts.h"
#include "core/pairs/scatter_chart.h"
#include "core/table_charts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace core::exercises {
namespace {

using Shape = ExerciseSeries::Shape;

constexpr unsigned bit(Shape shape) {
    return 1u << unsigned(shape);
}
constexpr unsigned kOneVariable = bit(Shape::Raw) | bit(Shape::Values) | bit(Shape::Classes);
constexpr const char16_t* kOneVariableWords = u"une série, des valeurs ou des classes";

// Each chart: its name in the files, the shapes of data it is drawn for, and how a
// refusal names them.
struct Named {
    ExerciseChart chart;
    const char16_t* name;
    unsigned shapes;
    const char16_t* drawnFor;
};
constexpr std::array<Named, 6> kNames{{
    {ExerciseChart::Bars, u"batons", bit(Shape::Raw) | bit(Shape::Values), u"des valeurs"},
    {ExerciseChart::Histogram, u"histogramme", bit(Shape::Classes), u"des classes"},
    {ExerciseChart::CumulativePolygon, u"polygone_cumule", kOneVariable, kOneVariableWords},
    {ExerciseChart::Box, u"boite", kOneVariable, kOneVariableWords},
    {ExerciseChart::Pie, u"camembert", kOneVariable, kOneVariableWords},
    {ExerciseChart::Scatter, u"nuage", bit(Shape::Pairs), u"des paires"},
}};

// A pie of the values or classes, each a sector as large as its count.
TableChartRecord pieOf(const ExerciseSeries& s, const QString& name, const Surface& surface) {
    individuals::Modalities m;
    m.total = s.count();
    const auto add = [&](const QString& label, qint64 count) {
        m.rows.push_back({label, count, m.total > 0 ? 100.0 * double(count) / double(m.total) : 0});
    };
    if (s.shape == Shape::Classes) {
        for (const Interval& k : s.classes)
            add((s.closedRight ? u"]%1 ; %2]"_s : u"[%1 ; %2["_s)
                    .arg(textOfNumber(k.lower), textOfNumber(k.upper)),
                k.count);
    } else {
        for (const ValueCount& v : s.weighted()) add(textOfNumber(v.value), v.count);
    }
    return individuals::pieOfModalities(name, m, surface);
}

ExerciseChartRecord chartOf(const ExerciseSeries& s, ExerciseChart chart, bool named, int index) {
    ExerciseChartRecord record{.caption = named ? s.name : QString()};
    if (chart == ExerciseChart::Scatter) {
        record.surface = pairs::kPairsSurface;
        // The points alone, on axes fitted to them.
        const pairs::Computed<pairs::ScatterBase> base =
            pairs::scatterBase(s.pairs, 0, record.surface);
        if (!base) {
            record.fault = base.fault;
            return record;
        }
        record.drawing = base->chart.drawing;
        record.description = base->chart.description;
        return record;
    }
    TableChartRecord g;
    if (chart == ExerciseChart::Pie) {
        // A series named by the file names its pie; the others are "the series".
        const bool ownName = s.name != u"Série %1"_s.arg(index + 1);
        g = pieOf(s, ownName ? s.name : u"la série"_s, record.surface);
    } else {
        const TableChart kind = chart == ExerciseChart::Bars        ? TableChart::Sticks
                                : chart == ExerciseChart::Histogram ? TableChart::Histogram
                                : chart == ExerciseChart::Box       ? TableChart::Box
                                                                    : TableChart::Cumulative;
        g = tableChartRecord(analyseTable(toTable(s)), kind, record.surface);
    }
    record.drawing = std::move(g.drawing);
    record.description = std::move(g.description);
    record.fault = std::move(g.fault);
    return record;
}

}  // namespace

std::optional<ExerciseChart> exerciseChartNamed(QStringView name) {
    for (const Named& n : kNames)
        if (name == QStringView(n.name)) return n.chart;
    return std::nullopt;
}

QString chartMismatch(ExerciseChart chart, ExerciseSeries::Shape shape) {
    for (const Named& n : kNames)
        if (n.chart == chart && !(n.shapes & bit(shape)))
            return u"le graphique « %1 » se dessine pour %2"_s.arg(QString::fromUtf16(n.name),
                                                                   QString::fromUtf16(n.drawnFor));
    return {};
}

std::vector<ExerciseChartRecord> chartsOf(const Exercise& e) {
    std::vector<ExerciseChartRecord> charts;
    if (e.chosenChart == ExerciseChart::None) return charts;
    const bool several = e.series.size() > 1;
    for (size_t i = 0; i < e.series.size(); ++i)
        charts.push_back(chartOf(e.series[i], e.chosenChart, several, int(i)));
    return charts;
}

}  // namespace core::exercises
