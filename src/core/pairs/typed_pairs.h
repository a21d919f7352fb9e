#pragma once

// A table of pairs as the learner types or pastes it: rows of two texts. Its analysis
// says which cell is at fault and why, and gives the pairs of the rows that count; a
// faulty row is left out of the figures and nothing else is lost.

#include "core/pairs/pairs.h"

#include <QString>

#include <memory>
#include <vector>

namespace core::pairs {

struct TypedRow {
    QString x, y;
    bool operator==(const TypedRow&) const = default;
};

struct RowCheck {
    bool empty = true;      // nothing typed: neither counted nor at fault
    int faultyColumn = -1;  // 0 for x, 1 for y, -1 where none is
    QString why;
};

struct TypedPairs {
    std::vector<RowCheck> rows;  // one per row typed
    // The rows that count, in order; shared with whatever draws them, as a million
    // pairs are not copied for a chart.
    std::shared_ptr<const Pairs> pairs = std::make_shared<const Pairs>();
    std::vector<std::size_t> rowOf;  // the row each pair comes from
    int firstFault = -1;
};
TypedPairs analyseTyped(const std::vector<TypedRow>& rows,
                        const QString& nameX = QStringLiteral("x"),
                        const QString& nameY = QStringLiteral("y"));
// "Ligne 3, y : « douze » n'est pas un nombre", or nothing when every row counts.
QString faultText(const TypedPairs& typed);

}  // namespace core::pairs
