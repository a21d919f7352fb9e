#include "command_line/command_line.h"

#include "chart_export/chart_export.h"
#include "command_line/runner.h"
#include "core/exercises/exercise.h"
#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/parameters.h"
#include "core/second_list_text.h"
#include "core/series_charts.h"
#include "core/series_file.h"
#include "ui/chart_output.h"

#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace command_line {

int printParameters(const QString& file) {
    const core::SeriesReading reading = core::readSeriesFile(file);
    if (!reading.value) return fail(core::explain(reading.error, QFileInfo(file).fileName()));
    // The second series as the second list takes it: its first 51 values.
    second_list::Values values;
    const int n =
        second_list::read(reading.value->second.join(QStringLiteral("\r\n")), values).count;
    std::vector<double> second;
    for (int i = 0; i < n; ++i) second.push_back(values(i));
    const QString table = core::parametersTable(
        core::parameters(core::numbers(reading.value->first)), core::parameters(second));
    std::fputs(table.toUtf8().constData(), stdout);
    return 0;
}

int printTableParameters(const QString& file, const QStringList& thresholds) {
    const core::TableReading reading = core::readTableFile(file);
    if (!reading.value || reading.faultyCell)
        return fail(core::explain(reading.error, QFileInfo(file).fileName()));
    const core::TableAnalysis analysis = core::analyseTable(*reading.value);
    QString text = core::tableParametersTable(analysis);
    for (const QString& threshold : thresholds) {
        const auto t = core::cellNumber(threshold);
        if (!t) return refuse(u"le seuil « %1 » n'est pas un nombre"_s.arg(threshold));
        for (const auto& [name, value] : core::thresholdLines(analysis, core::numberFromText(*t)))
            text += name + u'\t' + value + u'\n';
    }
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

int printSolution(const QString& file, quint32 series) {
    const core::ExerciseReading reading = core::readExerciseFile(file);
    if (!reading.value)
        return refuse(u"l'exercice « %1 » ne se lit pas : %2"_s.arg(
            QFileInfo(file).fileName(), core::exerciseFault(reading.error)));
    const core::Exercise e = series ? core::withNewData(*reading.value, series) : *reading.value;
    std::fputs(core::correctedSheet(e, series).toUtf8().constData(), stdout);
    return 0;
}

namespace {

int writeOut(const ui::Chart& chosenChart, const QString& output, chart_export::Type type) {
    const QString why = chart_export::write(chosenChart, output, type);
    if (why.isEmpty()) return 0;
    return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(output, why));
}

std::optional<chart_export::Type> outputType(const QString& output) {
    const auto type = chart_export::typeOf(output);
    if (!type) refuse(chartFileFault(output));
    return type;
}

}  // namespace

int exportSeriesChart(int argc, char* argv[], const core::Command& command) {
    return offscreen(argc, argv, [&] { return exportChart(command); });
}

int exportTableChart(int argc, char* argv[], const core::Command& command) {
    const QString fault = chartFileFault(command.output);
    if (!fault.isEmpty()) return refuse(fault);
    const core::TableReading reading = core::readTableFile(command.file);
    if (!reading.value || reading.faultyCell)
        return fail(core::explain(reading.error, QFileInfo(command.file).fileName()));
    const core::TableChartRecord chosenChart = core::tableChartRecord(
        core::analyseTable(*reading.value), command.chosenTableChart, {}, command.deciles);
    if (!chosenChart.fault.isEmpty()) return refuse(chosenChart.fault);
    const QString why = writeChart(argc, argv, chosenChart.drawing, core::Surface{},
                                   chosenChart.description, command.output);
    if (why.isEmpty()) return 0;
    return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(command.output, why));
}

int exportChart(const core::Command& command) {
    const auto type = outputType(command.output);
    if (!type) return core::kUsageError;
    const core::SeriesReading reading = core::readSeriesFile(command.file);
    if (!reading.value)
        return fail(core::explain(reading.error, QFileInfo(command.file).fileName()));
    // The series as the window would hold it once the file is opened.
    core::Model model;
    for (int i = 0; i < 10; ++i) model.setColour(i, core::kPalette[i]);
    model.calculer_bilan(reading.value->first);
    model.readList2(reading.value->second.join(u"\r\n"_s));
    model.setPrendreListe2(core::Variant(command.second));
    const core::ChartKind kind = command.chosenChart;
    const core::Surface surface;
    core::Drawing drawing = core::chart(model, kind, surface);
    core::placeAtStart(drawing);
    const ui::Chart chosenChart{drawing, ui::chartAreaSize(surface.width, surface.height),
                                core::kChartBackground, core::chartDescription(drawing, kind)};
    return writeOut(chosenChart, command.output, *type);
}

}  // namespace command_line
