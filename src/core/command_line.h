#pragma once

// What the command line asks for: the window (with a series file to open, or none),
// the parameters of a file's series on standard output, a chart written to a file, an
// exercise's corrected sheet,
// the usage, the version, or a usage error to report.

#include "core/series_charts.h"
#include "core/table_charts.h"

#include <QString>
#include <QStringList>

namespace core {

struct Command {
    enum class Kind {
        Window,
        Stats,
        StatsTable,
        Export,
        ExportTable,
        Exercise,
        Help,
        Version,
        Error
    };
    Kind kind = Kind::Window;
    QString file;                               // FICHIER, or the table of --table
    QString chart;                              // --chart: sticks, curve, both or pie
    ChartKind chosenChart = ChartKind::Sticks;  // the chart it names
    bool second = false;
    TableChart chosenTableChart = TableChart::Sticks;  // a table's --chart
    bool deciles = false;
    QString output;          // --export
    QString text;            // the usage, the version line, or what is wrong
    QStringList thresholds;  // --threshold, as typed
    quint32 series = 0;      // --serie: the exercise's data drawn anew, 0 for its own
};

// `english`: the usage and the error are in English, for an English locale; French
// otherwise. The program's own name comes first in `arguments`.
Command parseCommandLine(const QStringList& arguments, bool english);

// The exit status of a usage error, as Qt's own tools and most commands use.
inline constexpr int kUsageError = 2;

}  // namespace core
