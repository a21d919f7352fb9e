#pragma once

// The filter a learner types in words, `Sexe = "F" ET [Taille (cm)] > 160`: read into a
// tree of comparisons joined by ET, OU and NON (NON binds tighter than ET, ET tighter
// than OU), bound to a file's variables, then worked out column by column into the
// individuals it keeps. A fault names its column as the learner counts characters.

#include "core/individuals/dataset.h"
#include "core/reading.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

namespace core::individuals {

enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

// One node of the tree: a comparison `variable operator value`, or ET, OU, NON over
// the nodes below it.
struct FilterNode {
    enum class Kind { Or, And, Not, Compare };
    Kind kind = Kind::Compare;
    std::vector<FilterNode> operands;  // Or and And: two or more; Not: one

    // Compare: the variable as written and, once bound, its index in the dataset.
    QString variable;
    int variableIndex = -1;
    Comparison comparison = Comparison::Equal;
    bool valueIsText = false;
    QString text;       // the value as typed (a text without its quotes)
    double number = 0;  // the value, where it is a number
    // Columns (from 1) of the variable and of the value, for faults found on binding.
    int variableColumn = 0, operatorColumn = 0, valueColumn = 0;
};

// A filter bound to a dataset. An empty text keeps everyone (no root).
struct Filter {
    std::shared_ptr<const FilterNode> root;
};

// The tree of a text, its names not yet looked up. Faults are on line 1, with the
// column of the character (grapheme) where the reading stopped.
Reading<FilterNode> parseFilterSyntax(QStringView text);
// The text read and bound to `dataset`: unknown variables, a text compared with a
// numeric variable or an order asked of words are faults here.
Reading<Filter> parseFilter(QStringView text, const Dataset& dataset);
// "colonne 17 : une valeur est attendue après « > »".
QString filterFault(const ReadError& error);

// The individuals a filter keeps. A missing value satisfies no comparison (NON of a
// comparison keeps it).
Selection evaluate(const Filter& filter, const Dataset& dataset);

// "124 individus sur 1 000 000", the numbers grouped as the region writes them.
QString selectionSentence(const Selection& selection, std::size_t rows);

// Building a filter from choices: a variable, an operator and a value, written so that
// it reads back to the same comparison.
QString variableText(const QString& name);
QString comparisonText(const QString& variable, Comparison comparison, const QString& value,
                       bool numeric);
QString comparisonText(const QString& variable, Comparison comparison, double value);
QString operatorText(Comparison comparison);  // "=", "≠", "<", "≤", ">", "≥"
// `filter` joined to `added` by ET (and) or OU; a filter that would bind otherwise is
// put between parentheses.
QString joinFilters(const QString& filter, bool conjunction, const QString& added);

}  // namespace core::individuals
