#pragma once

// A table of counts as the learner types it: rows of texts, values and counts or
// classes and counts. Its analysis says which cells are at fault and why, and gives
// the rows that count, their computed columns and the table's parameters; a faulty row
// is left out of the figures and nothing else is lost. It goes to and from the CSV
// files a spreadsheet writes.

#include "core/counted_series.h"
#include "core/series_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace core {

struct FrequencyTable {
    enum class Nature { Values, Classes };
    // For values, `value` and `count`; for classes, `lower`, `upper` and
    // `count`. As typed: the analysis reads them.
    struct Row {
        QString value, lower, upper, count;
        bool operator==(const Row&) const = default;
        bool isEmpty() const;
    };
    Nature nature = Nature::Values;
    bool closedRight = true;  // ]a, b] as the exercise writes them; [a, b[ otherwise
    std::vector<Row> lines;
    bool operator==(const FrequencyTable&) const = default;
};

// The columns typed into, then those computed, in the order shown.
QStringList typedColumns(FrequencyTable::Nature nature);
QStringList computedColumns(FrequencyTable::Nature nature);
// The text of typed column `column` of a row, and the row with it replaced.
QString cell(const FrequencyTable::Row& line, FrequencyTable::Nature nature, int column);
void setCell(FrequencyTable::Row& line, FrequencyTable::Nature nature, int column,
             const QString& text);

// The exercise's eight speed classes ]90, 100] ... ]160, 170] and their counts.
FrequencyTable exerciseTable();

struct RowAnalysis {
    bool empty = true;      // nothing typed: neither counted nor at fault
    int faultyColumn = -1;  // the typed column at fault, -1 where none is
    QString why;            // why, as a French phrase
    int rank = -1;          // where the row stands among those that count
};

struct TableAnalysis {
    FrequencyTable::Nature nature = FrequencyTable::Nature::Values;
    bool closedRight = true;
    std::vector<RowAnalysis> lines;  // one per row of the table
    // The rows that count, in the table's order; rank indexes these.
    std::vector<ValueCount> values;
    std::vector<Interval> classes;
    std::vector<qint64> cumulativeCounts;  // count of the values up to and including each row's
    qint64 total = 0;
    int firstFault = -1;  // the first row at fault
};
TableAnalysis analyseTable(const FrequencyTable& table);

// One row read on its own: what the analysis needs of it, kept by a window that reads
// again only the rows typed into.
struct ReadRow {
    bool empty = true;
    int faultyColumn = -1;
    QString why;
    double start = 0, end = 0;  // the value, or the bounds
    qint64 count = 0;
};
ReadRow readRow(const FrequencyTable::Row& line, FrequencyTable::Nature nature);
// The same analysis from rows already read, one per row of the table.
TableAnalysis analyseTable(const FrequencyTable& table, const std::vector<ReadRow>& readRows);

// A row's computed columns, empty texts where the row does not count.
QStringList computedTexts(const TableAnalysis& analysis, int line);
// The line under the table: the first fault with its row ("Ligne 3, Effectif : ..."),
// or nothing when every row counts.
QString faultText(const TableAnalysis& analysis);

// The table's parameters, a name and its text per row, as the parameters window shows
// them: three decimals, "—" where there is none, and for classes the figures read on
// the polygon marked "(estimation)" with the class that holds each.
std::vector<std::pair<QString, QString>> tableParameters(const TableAnalysis& analysis);
// "Paramètre\tValeur" then a row per parameter, for a spreadsheet or standard output.
QString tableParametersTable(const TableAnalysis& analysis);
// How the quartiles and the deciles are found, in a sentence fitting the table's kind.
QString quantilesDefinition(FrequencyTable::Nature nature);

// How many values lie above and below a threshold, as a sentence, and as rows of a
// name and its text (counts, then percentages).
QString thresholdText(const TableAnalysis& analysis, double threshold);
std::vector<std::pair<QString, QString>> thresholdLines(const TableAnalysis& analysis,
                                                        double threshold);

// The series the main list gets from the table: for values each value written as
// often as its count, for classes the counts; empty with `tooMany` set beyond 32,767.
QStringList toList(const TableAnalysis& analysis, bool& tooMany);

// The table (empty when the file is no table) and why not; or, with `faultyCell`, a
// table read whole whose first faulty cell the error names: kept as typed, for the
// learner to mend.
struct TableReading : Reading<FrequencyTable> {
    bool faultyCell = false;
};
// "Valeur;Effectif" or "Borne inférieure;Borne supérieure;Effectif" (the header is
// optional), or a first column of class texts such as "]90 ; 100]". Cells that are
// not numbers are kept as typed and reported as the first fault, with its line and
// column.
TableReading readTable(const QByteArray& bytes);
TableReading readTableFile(const QString& path);
// UTF-8 with its mark, ";" between columns, CR LF, the header row; rows as typed,
// blank rows left out. Classes [a, b[ are written as "Classe;Effectif" and "[a ; b[",
// since bounds alone read back as ]a, b].
QByteArray tableFile(const FrequencyTable& table);

}  // namespace core
