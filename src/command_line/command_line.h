#pragma once

// What the program does from the command line without showing a window: the
// parameters of a file's series on standard output, and a chart written to a file.
// Each returns the process's exit status, and explains a failure on standard error.

#include "core/command_line.h"

namespace command_line {

// statistique --stats FICHIER
int printParameters(const QString& file);

// statistique --stats --table=TABLEAU [--threshold=T]...
int printTableParameters(const QString& file, const QStringList& thresholds);

// statistique FICHIER --chart=TYPE [--second] --export=SORTIE: the chart the window
// would draw after opening FICHIER and clicking the chart's button, written to SORTIE,
// with nothing shown and no display needed.
int exportSeriesChart(int argc, char* argv[], const core::Command& command);
// statistique --table=TABLEAU --chart=TYPE [--deciles] --export=SORTIE: the table's chart,
// or a French message and status 2 where the chart does not fit the table.
int exportTableChart(int argc, char* argv[], const core::Command& command);

// statistique --exercice=EXERCICE --solution [--serie=N]: the corrected sheet on
// standard output, or the file's fault and status 2.
int printSolution(const QString& file, quint32 series);

// The same once the toolkit is up (a QGuiApplication is enough): no widget is made.
int exportChart(const core::Command& command);

}  // namespace command_line
