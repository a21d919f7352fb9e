#pragma once

// The summary of a series as the program shows it under the list: largest value,
// smallest value, mean and count, worked out from the items' texts alone.

#include "core/variant.h"

#include <QStringList>

namespace core {

struct SeriesSummary {
    // The first item's text, exactly as written, until a later item beats it; then a
    // double. An empty series gives the empty text.
    Variant largest;
    Variant smallest;
    // A double, or the 16-bit integer 0 for an empty series.
    Variant mean;
    Variant count;  // 16-bit integer
    // "Valeur max= …", "Valeur min= …", "Moyenne: …", "Effectif total=…".
    QStringList lines;
};

// An item that is not a number counts as the nearest item before it that is (0 if
// none is); every item counts in the mean.
SeriesSummary seriesSummary(const QStringList& items);

}  // namespace core
