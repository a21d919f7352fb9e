// The chart of the main window out to the clipboard, a file or paper: the chart
// service replays the record the chart area drew.

#include "chart_export/chart_export.h"
#include "main_window/statistique.h"
#include "ui/chart_output.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

void statistique::mnuCopierGraphique_Click() {
    chart_export::copy(ui::chartOf(*Picture1), Picture1->devicePixelRatioF());
}

void statistique::mnuExporter_Click() {
    chart_export::exportChosen(
        this, ui::chartOf(*Picture1),
        file().isEmpty() ? u"graphique"_s : QFileInfo(file()).completeBaseName());
}

void statistique::mnuImprimer_Click() {
    chart_export::printChosen(this, ui::chartOf(*Picture1));
}
