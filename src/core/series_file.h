#pragma once

// Two series in and out of the text a spreadsheet writes and reads: a file, or cells
// copied to the clipboard. A reading gives either both series or one error that says
// where and why, never half a result.

#include "core/reading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

// The values of both series as texts, in order, with the regional decimal mark.
struct TwoSeries {
    QStringList first;   // what List1 shows
    QStringList second;  // what the second list holds, one value per line
    bool operator==(const TwoSeries&) const = default;
};

// Where a reading stopped and why: the readers' one error (a series has no sheet cell).
using SeriesError = ReadError;

using SeriesReading = Reading<TwoSeries>;

// The most values a series may have: as many as the list can hold.
inline constexpr int kMostValues = 32767;

// A file's bytes: UTF-8 (with or without its mark), UTF-16 with its mark, or Windows-1252;
// columns separated by ";", tab or ","; LF, CR LF or CR; an optional header row; quoted
// cells; a decimal comma or point.
SeriesReading readSeries(const QByteArray& bytes);
// The same from a file, which may also be missing, unreadable or a folder.
SeriesReading readSeriesFile(const QString& path);
// Cells copied from a spreadsheet: a single row gives one series, columns give two.
SeriesReading readCopiedCells(const QString& text);

// The message that tells the learner why a file could not be opened.
QString explain(const SeriesError& error, const QString& fileName);
// The same for cells pasted from the clipboard.
QString explainPaste(const SeriesError& error);

// The cells of a spreadsheet's text, row by row, for readers of other tables: the
// same encodings, separators and quotes as a series file. Blank lines at the ends are
// dropped.
struct CellRow {
    int line;  // from 1
    QStringList cells;
};
std::optional<std::vector<CellRow>> readCellRows(const QByteArray& bytes, SeriesError& error);
// A file's bytes, or why it cannot be read (missing, a folder, refused, too large).
std::optional<QByteArray> readFileBytes(const QString& path, SeriesError& error);
// A cell that is a number, as List1 shows it: trimmed, with the regional decimal mark
// for either "," or ".", and without the blanks a spreadsheet groups digits with.
std::optional<QString> cellNumber(QStringView cell);
// A cell as a file with ";" between columns holds it, quoted where it must be.
QString csvCell(const QString& cell);

// What a spreadsheet set to French opens by a double-click: UTF-8 with its mark, ";"
// between columns, CR LF, a header row "Série 1;Série 2" (one column when the second
// series is empty), and an empty cell where a series is shorter.
QByteArray seriesFile(const TwoSeries& series);
// What a spreadsheet pastes into cells: a tab between columns, a line per row.
QString copiedCells(const TwoSeries& series);

}  // namespace core
