#pragma once

namespace dexo_mod {

// The statistics engine, run after every change of the series: walks List1 item by
// item, leaving its last item selected, rewrites the four lines of List2 and sets the
// summary data the charts read. It reaches both lists through the main window, so it
// lives with that window; the figures themselves come from core::seriesSummary.
void calculer_bilan();

}  // namespace dexo_mod
