#pragma once

// Pairs in and out of the text a spreadsheet writes: two columns, x then y, under an
// optional header row that names the two variables. A reading gives every pair or the
// first cell at fault with its line and column, never half the pairs. A Lorenz curve
// reads from such a file of cumulated shares, or from a table of classes and counts.

#include "core/pairs/lorenz.h"
#include "core/reading.h"

#include <QByteArray>
#include <QString>

namespace core::pairs {

// The most pairs a file may hold: its size stops it first (see readCellRows).
Reading<Pairs> readPairs(const QByteArray& bytes);
Reading<Pairs> readPairsFile(const QString& path);

// A table of classes and counts as the table window reads it; pairs of cumulated
// shares (population ; mass); or, where a value passes 1, values and their counts.
Reading<Lorenz> readLorenzFile(const QString& path);

// "Impossible d'ouvrir « f.csv » : ligne 3, colonne 2, « abc » n'est pas un nombre."
QString explain(const ReadError& error, const QString& fileName);

// UTF-8 with its mark, ";" between columns, CR LF, the header of the two names.
QByteArray pairsFile(const Pairs& pairs);

}  // namespace core::pairs
