#pragma once

// The chart an exercise asks for, drawn from its data: the same records the table's
// window and the two variables' window draw (core/graphiques_tableau, the pie of
// core/individuals/charts, the scatter of core/pairs), so that a pupil's sheet shows the
// chart of the pupil's own series. The scatter shows the points alone: the mean point
// and the fits are what the questions ask.

#include "core/exercises/exercise.h"
#include "core/series_charts.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace core::exercises {

// The chart an exercise file names: batons, histogramme, polygone_cumule, boite,
// camembert or nuage.
std::optional<ExerciseChart> exerciseChartNamed(QStringView name);
// Why that chart is not drawn for data of that shape, or the empty text.
QString chartMismatch(ExerciseChart chart, ExerciseSeries::Shape shape);

struct ExerciseChartRecord {
    QString caption;  // the series it draws, where the exercise has several; else empty
    Drawing drawing;
    Surface surface;      // the area it is laid out on, in twips
    QString description;  // what a screen reader tells of it
    QString fault;        // why it could not be drawn from these data; nothing drawn then
};

// One chart a series of the exercise, in their order; none when it asks for none.
std::vector<ExerciseChartRecord> chartsOf(const Exercise& e);

}  // namespace core::exercises
