#include "table/table_window.h"

#include "chart_export/chart_export.h"
#include "core/table_charts.h"
#include "table/table_entry.h"
#include "table/wrapped_header.h"
#include "ui/chart_view.h"
#include "ui/command_button.h"
#include "ui/file_state.h"
#include "ui/guarded.h"
#include "ui/look.h"
#include "ui/table_model.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tableau_effectifs::Tableau_effectifs()
    : ui::Form({.caption = u"Tableau d'effectifs"_s,
                .clientWidth = 25500,
                .clientHeight = 11250,
                .background = ui::rgb(255, 255, 255)}) {
    setObjectName(u"Tableau_effectifs"_s);
    // It stands beside the main window, which alone keeps the program going.
    setAttribute(Qt::WA_QuitOnClose, false);

    Choix_nature = new QComboBox(this);
    Choix_nature->setObjectName(u"Choix_nature"_s);
    Choix_nature->addItems({u"Valeurs et effectifs"_s, u"Classes et effectifs"_s});
    Choix_nature->setAccessibleName(u"Nature du tableau"_s);
    Choix_fermeture = new QComboBox(this);
    Choix_fermeture->setObjectName(u"Choix_fermeture"_s);
    Choix_fermeture->addItems({u"Classes ]a ; b]"_s, u"Classes [a ; b["_s});
    Choix_fermeture->setAccessibleName(u"Côté fermé des classes"_s);
    // The lists the choosers open are read out too.
    Choix_nature->view()->setAccessibleName(u"Natures de tableau"_s);
    Choix_fermeture->view()->setAccessibleName(u"Côtés fermés des classes"_s);

    entry_ = new TableEntryModel(this);
    Table_saisie = new ui::TypedGrid(this);
    Table_saisie->setObjectName(u"Table_saisie"_s);
    // Long column titles wrap rather than being cut at the opening size.
    Table_saisie->setHorizontalHeader(new WrappedHeader(Table_saisie));
    Table_saisie->setModel(entry_);
    Table_saisie->setAccessibleName(u"Tableau d'effectifs à remplir"_s);
    // The typed columns share what the computed ones, sized to their titles, leave.
    Table_saisie->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Narrow figures keep narrow columns; the typed ones stretch over what is left.
    Table_saisie->horizontalHeader()->setMinimumSectionSize(60);
    Table_saisie->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table_saisie->verticalHeader()->setDefaultSectionSize(Table_saisie->fontMetrics().height() + 8);
    Command_ajouter = ui::pushButton(this, u"Ajouter une ligne"_s, "Command_ajouter");
    Command_supprimer = ui::pushButton(this, u"Supprimer la ligne"_s, "Command_supprimer");
    Text_cellule = new QLineEdit(this);
    Text_cellule->setObjectName(u"Text_cellule"_s);
    Text_cellule->setAccessibleName(u"Case courante"_s);
    Text_cellule->setValidator(new QRegularExpressionValidator(
        QRegularExpression(u"[-+0-9.,eE \u00a0\u202f]*"_s), Text_cellule));
    Label_erreur = new QLabel(this);
    Label_erreur->setObjectName(u"Label_erreur"_s);
    Label_erreur->setWordWrap(true);
    Label_erreur->setStyleSheet(u"color: rgb(160, 0, 0)"_s);
    Label_erreur->setAccessibleName(u"Erreur du tableau"_s);

    parametersModel_ = new ui::TableModel(this, {u"Paramètre"_s, u"Valeur"_s});
    Table_parametres_effectifs = new QTableView(this);
    Table_parametres_effectifs->setObjectName(u"Table_parametres_effectifs"_s);
    Table_parametres_effectifs->setModel(parametersModel_);
    Table_parametres_effectifs->setAccessibleName(u"Paramètres du tableau"_s);
    Table_parametres_effectifs->verticalHeader()->hide();
    Table_parametres_effectifs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table_parametres_effectifs->verticalHeader()->setDefaultSectionSize(
        Table_parametres_effectifs->fontMetrics().height() + 6);
    Table_parametres_effectifs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_parametres_effectifs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Label_definition = new QLabel(this);
    Label_definition->setObjectName(u"Label_definition"_s);
    Label_definition->setWordWrap(true);

    Text_seuil = new QLineEdit(this);
    Text_seuil->setObjectName(u"Text_seuil"_s);
    Text_seuil->setAccessibleName(u"Seuil"_s);
    Text_seuil->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[-+0-9.,eE ]*"_s), Text_seuil));
    Label_seuil = new QLabel(this);
    Label_seuil->setObjectName(u"Label_seuil"_s);
    Label_seuil->setWordWrap(true);
    Label_seuil->setAccessibleName(u"Valeurs au-dessus et au-dessous du seuil"_s);

    Command_exercice = ui::pushButton(this, u"Données de l'exercice"_s, "Command_exercice");
    Command_vers_liste = ui::pushButton(this, u"Vers la liste"_s, "Command_vers_liste");
    Command_ouvrir = ui::pushButton(this, u"Ouvrir un tableau…"_s, "Command_ouvrir");
    Command_enregistrer = ui::pushButton(this, u"Enregistrer le tableau…"_s, "Command_enregistrer");

    Choix_graphique = new QComboBox(this);
    Choix_graphique->setObjectName(u"Choix_graphique"_s);
    for (int g = 0; g < core::kTableCharts; ++g)
        Choix_graphique->addItem(core::chartTitle(core::TableChart(g)));
    Choix_graphique->view()->setAccessibleName(u"Graphiques du tableau"_s);
    Check_deciles = new QCheckBox(u"Moustaches aux &déciles"_s, this);
    Check_deciles->setObjectName(u"Check_deciles"_s);
    Picture_tableau = new ui::ChartView(this, ui::rgb(255, 255, 255));
    Picture_tableau->setObjectName(u"Picture_tableau"_s);
    Picture_tableau->setAccessibleName(u"Graphique du tableau"_s);
    Command_copier = ui::pushButton(this, u"Copier le graphique"_s, "Command_copier");
    Command_exporter = ui::pushButton(this, u"Exporter le graphique…"_s, "Command_exporter");
    Command_imprimer = ui::pushButton(this, u"Imprimer le graphique…"_s, "Command_imprimer");

    auto* nature = new QHBoxLayout;
    auto* label = new QLabel(u"&Nature du tableau :"_s, this);
    label->setBuddy(Choix_nature);
    nature->addWidget(label);
    nature->addWidget(Choix_nature);
    nature->addWidget(Choix_fermeture);
    nature->addStretch();
    nature->addWidget(Command_ouvrir);
    nature->addWidget(Command_enregistrer);
    auto* lines = new QHBoxLayout;
    lines->addWidget(Command_ajouter);
    lines->addWidget(Command_supprimer);
    lines->addStretch();
    lines->addWidget(Command_exercice);
    lines->addWidget(Command_vers_liste);
    auto* threshold = new QHBoxLayout;
    auto* thresholdLabel = new QLabel(u"&Seuil :"_s, this);
    thresholdLabel->setBuddy(Text_seuil);
    threshold->addWidget(thresholdLabel);
    threshold->addWidget(Text_seuil);
    threshold->addWidget(Label_seuil, 1);
    // The table on the left, its chart on the right; the learner moves the line between.
    auto* splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    auto* left = new QWidget(splitter);
    auto* right = new QWidget(splitter);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    (new QHBoxLayout(this))->addWidget(splitter);
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(nature);
    column->addWidget(Table_saisie, 3);
    auto* currentCellRow = new QHBoxLayout;
    auto* cellLabel = new QLabel(u"&Case :"_s, this);
    cellLabel->setBuddy(Text_cellule);
    currentCellRow->addWidget(cellLabel);
    currentCellRow->addWidget(Text_cellule, 1);
    column->addLayout(currentCellRow);
    column->addLayout(lines);
    column->addWidget(Label_erreur);
    column->addWidget(Table_parametres_effectifs, 2);
    column->addWidget(Label_definition);
    column->addLayout(threshold);
    auto* choices = new QHBoxLayout;
    auto* chartLabel = new QLabel(u"&Graphique :"_s, this);
    chartLabel->setBuddy(Choix_graphique);
    choices->addWidget(chartLabel);
    choices->addWidget(Choix_graphique, 1);
    choices->addWidget(Check_deciles);
    auto* outputs = new QHBoxLayout;
    outputs->addStretch();
    outputs->addWidget(Command_copier);
    outputs->addWidget(Command_exporter);
    outputs->addWidget(Command_imprimer);
    auto* chartColumn = new QVBoxLayout(right);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    chartColumn->addLayout(choices);
    chartColumn->addWidget(Picture_tableau, 1);
    chartColumn->addLayout(outputs);

    using ui::guarded;
    const auto wireClick = [this](QPushButton* b, void (Tableau_effectifs::*handler)()) {
        connect(b, &QPushButton::clicked, this, guarded([this, handler] { (this->*handler)(); }));
    };
    wireClick(Command_ajouter, &Tableau_effectifs::Command_ajouter_Click);
    wireClick(Command_supprimer, &Tableau_effectifs::Command_supprimer_Click);
    wireClick(Command_exercice, &Tableau_effectifs::Command_exercice_Click);
    wireClick(Command_vers_liste, &Tableau_effectifs::Command_vers_liste_Click);
    wireClick(Command_ouvrir, &Tableau_effectifs::Command_ouvrir_Click);
    wireClick(Command_enregistrer, &Tableau_effectifs::Command_enregistrer_Click);
    connect(Choix_nature, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_nature_Change(); }));
    connect(Choix_fermeture, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_nature_Change(); }));
    connect(entry_, &TableEntryModel::change, this, guarded([this] { display(); }));
    // Each change of the table or of its file: what the desktop reads of the window.
    connect(this, &Tableau_effectifs::tableChanged, this,
            [this] { ui::showFileState(*this, file_, !saved()); });
    connect(entry_, &QAbstractItemModel::modelReset, this, [this] {
        // A kind of table with fewer typed columns leaves no stretched computed one.
        for (int c = 0; c < entry_->columnCount(); ++c)
            Table_saisie->horizontalHeader()->setSectionResizeMode(
                c,
                c < entry_->typedColumns() ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    });
    for (int c = 0; c < entry_->typedColumns(); ++c)
        Table_saisie->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    connect(Table_saisie->selectionModel(), &QItemSelectionModel::currentChanged, this,
            guarded([this] { displayCell(); }));
    connect(entry_, &QAbstractItemModel::modelReset, this, guarded([this] { displayCell(); }));
    connect(Text_cellule, &QLineEdit::returnPressed, this,
            guarded([this] { Text_cellule_Valider(); }));
    connect(Text_seuil, &QLineEdit::textChanged, this, guarded([this] { displayThreshold(); }));
    connect(Choix_graphique, &QComboBox::currentIndexChanged, this,
            guarded([this] { displayChart(); }));
    connect(Check_deciles, &QCheckBox::toggled, this, guarded([this] { displayChart(); }));
    connect(Command_copier, &QPushButton::clicked, this,
            guarded([this] { chart_export::copy(Picture_tableau->chart(), devicePixelRatioF()); }));
    wireClick(Command_exporter, &Tableau_effectifs::Command_exporter_Click);
    connect(Command_imprimer, &QPushButton::clicked, this,
            guarded([this] { chart_export::printChosen(this, Picture_tableau->chart()); }));
    // Nothing to copy, export or print while the chart says why it cannot be drawn.
    for (QPushButton* output : {Command_copier, Command_exporter, Command_imprimer}) {
        output->setEnabled(false);
        connect(Picture_tableau, &ui::ChartView::drawnChanged, output, &QWidget::setEnabled);
    }
    display();
}

const core::FrequencyTable& Tableau_effectifs::table() const {
    return entry_->table();
}
