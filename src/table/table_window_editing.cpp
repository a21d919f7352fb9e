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
    core::FrequencyTable t = tableau();
    t.nature = Choix_nature->currentIndex() == 1 ? Nature::Classes : Nature::Valeurs;
    t.fermeADroite = Choix_fermeture->currentIndex() == 0;
    if (t == tableau()) return;
    saisie_->remplacer(std::move(t));
}

void Tableau_effectifs::montrer() {
    const core::FrequencyTable& t = tableau();
    const core::TableAnalysis& a = saisie_->analyse();
    {
        const QSignalBlocker bloque(Choix_nature), bloque2(Choix_fermeture);
        Choix_nature->setCurrentIndex(t.nature == Nature::Classes ? 1 : 0);
        Choix_fermeture->setCurrentIndex(t.fermeADroite ? 0 : 1);
    }
    Choix_fermeture->setVisible(t.nature == Nature::Classes);
    Label_erreur->setText(core::texteDeLaFaute(a));
    const auto parametres = core::parametresDuTableau(a);
    modeleParametres_->setRows(int(parametres.size()), [parametres](int ligne) {
        return QStringList{parametres[size_t(ligne)].first, parametres[size_t(ligne)].second};
    });
    Label_definition->setText(core::definitionDesQuantiles(t.nature));
    montrerSeuil();
    // Bars are drawn for values and a histogram for classes: a new kind of table
    // brings the one that fits it.
    if (t.nature != natureMontree_) {
        natureMontree_ = t.nature;
        const auto fait =
            t.nature == Nature::Classes ? core::TableChart::Histogram : core::TableChart::Sticks;
        const int choisi = Choix_graphique->currentIndex();
        if (choisi == int(core::TableChart::Sticks) || choisi == int(core::TableChart::Histogram)) {
            const QSignalBlocker bloque(Choix_graphique);
            Choix_graphique->setCurrentIndex(int(fait));
        }
    }
    montrerGraphique();
    emit tableauChange();
}

// The chart is worked out for the area's size, again whenever that changes.
void Tableau_effectifs::montrerGraphique() {
    const auto quel = core::TableChart(Choix_graphique->currentIndex());
    Check_deciles->setEnabled(quel == core::TableChart::Box);
    Picture_tableau->setChart(
        [analyse = saisie_->analyse(), quel, deciles = Check_deciles->isChecked()](double largeur,
                                                                                   double hauteur) {
            core::Surface surface;
            surface.largeur = float(largeur);
            surface.hauteur = float(hauteur);
            core::TableChartRecord g = core::graphiqueDuTableau(analyse, quel, surface, deciles);
            return ui::ChartView::Content{std::move(g.dessin), g.description, g.faute};
        });
}

void Tableau_effectifs::Command_exporter_Click() {
    chart_export::exportChosen(
        this, Picture_tableau->chart(),
        fichier_.isEmpty() ? u"graphique"_s : QFileInfo(fichier_).completeBaseName());
}

void Tableau_effectifs::montrerSeuil() {
    const auto texte = core::cellNumber(Text_seuil->text());
    Label_seuil->setText(
        texte ? core::texteDuSeuil(saisie_->analyse(), core::numberFromText(*texte)) : QString());
}

// The line follows the current cell; a computed cell shows its figure, read-only.
void Tableau_effectifs::montrerCellule() {
    const QModelIndex ici = Table_saisie->currentIndex();
    Text_cellule->setText(ici.isValid() ? ici.data(Qt::EditRole).toString() : QString());
    Text_cellule->setReadOnly(!ici.isValid() || !(ici.flags() & Qt::ItemIsEditable));
    const QString colonne =
        ici.isValid()
            ? saisie_->headerData(ici.column(), Qt::Horizontal, Qt::DisplayRole).toString()
            : QString();
    Text_cellule->setAccessibleDescription(
        ici.isValid() ? u"%1, ligne %2"_s.arg(colonne).arg(ici.row() + 1) : QString());
}

// Enter writes the line into the current cell, as typing into the cell would.
void Tableau_effectifs::Text_cellule_Valider() {
    const QModelIndex ici = Table_saisie->currentIndex();
    if (!ici.isValid() || Text_cellule->isReadOnly()) return;
    saisie_->setData(ici, Text_cellule->text(), Qt::EditRole);
}

void Tableau_effectifs::Command_ajouter_Click() {
    const QModelIndex ici = Table_saisie->currentIndex();
    const int ligne = ici.isValid() ? ici.row() + 1 : int(tableau().lignes.size());
    saisie_->insererLigne(ligne);
    Table_saisie->setCurrentIndex(saisie_->index(ligne, 0));
    Table_saisie->setFocus();
}

void Tableau_effectifs::Command_supprimer_Click() {
    const QModelIndex ici = Table_saisie->currentIndex();
    if (!ici.isValid()) return;
    saisie_->supprimerLigne(ici.row());
    Table_saisie->setFocus();
}
void Tableau_effectifs::Command_vers_liste_Click() {
    bool trop = false;
    const QStringList textes = core::versLaListe(saisie_->analyse(), trop);
    if (trop) {
        ui::messageBox(
            u"La série aurait plus de 32 767 valeurs : la liste ne peut pas les "
            u"contenir."_s);
        return;
    }
    emit versLaListe(textes);
}
