#pragma once

// What every reader of individuals does once its cells are in: names made unique,
// modalities numbered in order of first appearance, empty cells counted.

#include "core/individuals/dataset.h"

#include <QString>

#include <string>
#include <vector>

namespace core::individuals {

// The names of a header row: trimmed; an empty one becomes "Variable k" (k its column
// from 1) and a repeated one "Name (2)", "Name (3)"…
QStringList uniqueNames(const QStringList& header);
// "Variable 1", "Variable 2"… for a file without a header row.
QStringList numberedNames(int count);

// A qualitative variable's codes renumbered in order of first appearance, with its
// labels from the UTF-8 words the old codes stood for.
void numberByAppearance(Variable& variable, const std::vector<std::string>& words);
// Counts the variable's empty cells.
void countMissing(Variable& variable);

// Leaves out the last columns that have neither a name nor a value: a spreadsheet
// writes them for cells that were only formatted.
void dropEmptyTrailing(std::vector<Variable>& variables, const QStringList& header);

// The variables' names, once the columns are final.
void nameVariables(std::vector<Variable>& variables, const QStringList& header, bool hasHeader);

}  // namespace core::individuals
