// The table window as the learner edits it: what follows every change (the figures,
// the chart, the line of the current cell), rows added and taken away, and the series
// sent to the main list.

#include "table/table_window.h"

#include "chart_export/chart_export.h"
#include "core/numbers.h"
#include "core/table_charts.h"
#include "table/table_entry.h"
#include "ui/chart_view.h"
#include "ui/message_box.h"
#include "ui/table_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using Nature = core::FrequencyTable::Nature;

// Another kind keeps every row's texts, so going back shows them again.
void Tableau_effectifs::Choix_nature_Change() {
    core::FrequencyTable t = table();
    t.nature = Choix_nature->currentIndex() == 1 ? Nature::Classes : Nature::Values;
    t.closedRight = Choix_fermeture->currentIndex() == 0;
    if (t == table()) return;
    entry_->replace(std::move(t));
}

void Tableau_effectifs::display() {
    const core::FrequencyTable& t = table();
    const core::TableAnalysis& a = entry_->analysis();
    {
        const QSignalBlocker blocker(Choix_nature), blocker2(Choix_fermeture);
        Choix_nature->setCurrentIndex(t.nature == Nature::Classes ? 1 : 0);
        Choix_fermeture->setCurrentIndex(t.closedRight ? 0 : 1);
    }
    Choix_fermeture->setVisible(t.nature == Nature::Classes);
    Label_erreur->setText(core::faultText(a));
    const auto parameters = core::tableParameters(a);
    parametersModel_->setRows(int(parameters.size()), [parameters](int line) {
        return QStringList{parameters[size_t(line)].first, parameters[size_t(line)].second};
    });
    Label_definition->setText(core::quantilesDefinition(t.nature));
    displayThreshold();
    // Bars are drawn for values and a histogram for classes: a new kind of table
    // brings the one that fits it.
    if (t.nature != displayedNature_) {
        displayedNature_ = t.nature;
        const auto fitting =
            t.nature == Nature::Classes ? core::TableChart::Histogram : core::TableChart::Sticks;
        const int chosen = Choix_graphique->currentIndex();
        if (chosen == int(core::TableChart::Sticks) || chosen == int(core::TableChart::Histogram)) {
            const QSignalBlocker blocker(Choix_graphique);
            Choix_graphique->setCurrentIndex(int(fitting));
        }
    }
    displayChart();
    emit tableChanged();
}

// The chart is worked out for the area's size, again whenever that changes.
void Tableau_effectifs::displayChart() {
    const auto which = core::TableChart(Choix_graphique->currentIndex());
    Check_deciles->setEnabled(which == core::TableChart::Box);
    Picture_tableau->setChart([analysis = entry_->analysis(), which,
                               deciles = Check_deciles->isChecked()](double width, double height) {
        core::Surface surface;
        surface.width = float(width);
        surface.height = float(height);
        core::TableChartRecord g = core::tableChartRecord(analysis, which, surface, deciles);
        return ui::ChartView::Content{std::move(g.drawing), g.description, g.fault};
    });
}

void Tableau_effectifs::Command_exporter_Click() {
    chart_export::exportChosen(
        this, Picture_tableau->chart(),
        file_.isEmpty() ? u"graphique"_s : QFileInfo(file_).completeBaseName());
}

void Tableau_effectifs::displayThreshold() {
    const auto text = core::cellNumber(Text_seuil->text());
    Label_seuil->setText(text ? core::thresholdText(entry_->analysis(), core::numberFromText(*text))
                              : QString());
}

// The line follows the current cell; a computed cell shows its figure, read-only.
void Tableau_effectifs::displayCell() {
    const QModelIndex here = Table_saisie->currentIndex();
    Text_cellule->setText(here.isValid() ? here.data(Qt::EditRole).toString() : QString());
    Text_cellule->setReadOnly(!here.isValid() || !(here.flags() & Qt::ItemIsEditable));
    const QString column =
        here.isValid()
            ? entry_->headerData(here.column(), Qt::Horizontal, Qt::DisplayRole).toString()
            : QString();
    Text_cellule->setAccessibleDescription(
        here.isValid() ? u"%1, ligne %2"_s.arg(column).arg(here.row() + 1) : QString());
}

// Enter writes the line into the current cell, as typing into the cell would.
void Tableau_effectifs::Text_cellule_Valider() {
    const QModelIndex here = Table_saisie->currentIndex();
    if (!here.isValid() || Text_cellule->isReadOnly()) return;
    entry_->setData(here, Text_cellule->text(), Qt::EditRole);
}

void Tableau_effectifs::Command_ajouter_Click() {
    const QModelIndex here = Table_saisie->currentIndex();
    const int line = here.isValid() ? here.row() + 1 : int(table().lines.size());
    entry_->insertEmptyRow(line);
    Table_saisie->setCurrentIndex(entry_->index(line, 0));
    Table_saisie->setFocus();
}

void Tableau_effectifs::Command_supprimer_Click() {
    const QModelIndex here = Table_saisie->currentIndex();
    if (!here.isValid()) return;
    entry_->deleteRow(here.row());
    Table_saisie->setFocus();
}
void Tableau_effectifs::Command_vers_liste_Click() {
    bool tooMany = false;
    const QStringList texts = core::toList(entry_->analysis(), tooMany);
    if (tooMany) {
        ui::messageBox(
            u"La série aurait plus de 32 767 valeurs : la liste ne peut pas les "
            u"contenir."_s);
        return;
    }
    emit toList(texts);
}
