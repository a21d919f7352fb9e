#pragma once

// The cross table of two variables among the selected individuals: counts with row and
// column totals, the row, column and total percentages (conditional and marginal
// frequencies), and a cell told in a sentence. A numeric variable is grouped in its
// classes of equal width. One pass over the two columns fills it.

#include "core/individuals/counts.h"
#include "core/individuals/dataset.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace core::individuals {

// A variable as one side of the table: a numeric one in classes of `width` from
// `start` (a round width giving about eight classes where none is given), or taken as
// qualitative (codes such as a postcode): its values met, ascending, as modalities.
struct Side {
    int variable = -1;
    std::optional<double> width, start;
    bool asModalities = false;
};

// The most modalities a numeric variable taken as qualitative gives a side.
inline constexpr std::size_t kMostModalities = 10000;
// The most cells a table holds, so that two long sides never fill the memory.
inline constexpr std::size_t kMostCells = 4'000'000;

struct CrossTable {
    QString rowName, columnName;
    QStringList rowLabels, columnLabels;  // modalities met, or every class
    std::vector<std::int64_t> counts;     // row by row
    std::vector<std::int64_t> rowTotals, columnTotals;
    std::int64_t total = 0;  // individuals with both values
    QString fault;           // why no table could be made (French), empty otherwise

    int rows() const { return int(rowLabels.size()); }
    int columns() const { return int(columnLabels.size()); }
    // Row rows() is the Total row, column columns() the Total column.
    std::int64_t count(int row, int column) const;
};

CrossTable crossTable(const Dataset& dataset, const Side& rows, const Side& columns,
                      const Selection& selection);

enum class Percentages { None, Row, Column, Total };

// The share a cell shows, in percent (the totals give the marginal frequencies); none
// where its total is zero.
std::optional<double> share(const CrossTable& table, Percentages percentages, int row, int column);
// The cells as shown: a header row ("Sexe \ Transport", the modalities, "Total"), a row
// per modality of the row variable, then "Total".
Cells crossCells(const CrossTable& table, Percentages percentages);
// What a cell means: "Parmi les individus « F », 35,2 % ont « Bus » pour Transport :
// fréquence conditionnelle".
QString explainCell(const CrossTable& table, Percentages percentages, int row, int column);

}  // namespace core::individuals
