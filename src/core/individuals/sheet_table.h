#pragma once

// A sheet's cells as a spreadsheet file holds them, row by row, and the dataset they
// make: the first row that is not empty names the variables unless it is all numbers;
// a column is numeric when every filled cell holds a number.

#include "core/individuals/dataset.h"
#include "core/reading.h"

#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace core::individuals {

struct SheetCell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;  // what the cell shows, numbers included
};

struct SheetRow {
    int line = 0;  // the sheet's row, from 1
    std::vector<SheetCell> cells;
};

// The most cells a sheet may fill once its repeated rows and columns are counted.
inline constexpr std::size_t kMostSheetCells = 100'000'000;

// Why a sheet's XML could not be read, at the cell reached.
ReadError xmlFault(const QXmlStreamReader& xml, const QString& cell);

// The cell's name as the spreadsheet shows it: column 0, line 7 is "A7".
QString cellName(int column, int line);

Reading<Dataset> datasetOfSheet(std::vector<SheetRow> rows);

// A cell of text: empty where it shows only blanks.
SheetCell textCell(QString text);

class ZipArchive;
// The rows of the first sheet of each kind of file, or the fault that stopped them.
Reading<std::vector<SheetRow>> odsRows(const ZipArchive& archive);
Reading<std::vector<SheetRow>> xlsxRows(const ZipArchive& archive);

}  // namespace core::individuals
