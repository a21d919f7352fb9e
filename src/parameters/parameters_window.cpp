#include "parameters/parameters_window.h"

#include "chart_export/chart_export.h"
#include "core/model.h"
#include "core/resume_next.h"
#include "core/series_box_plot.h"
#include "ui/chart_view.h"
#include "ui/guarded.h"
#include "ui/look.h"
#include "ui/table_model.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QTableView* tableau(QWidget* parent, ui::TableModel* modele, const QString& nom) {
    auto* vue = new QTableView(parent);
    vue->setModel(modele);
    vue->setAccessibleName(nom);
    vue->verticalHeader()->hide();
    vue->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vue->verticalHeader()->setDefaultSectionSize(vue->fontMetrics().height() + 6);
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue->setSelectionMode(QAbstractItemView::NoSelection);
    vue->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return vue;
}

}  // namespace

Parametres_serie::Parametres_serie()
    : ui::Form({.caption = u"Paramètres de la série"_s,
                .clientWidth = 12000,
                .clientHeight = 11250,
                .background = ui::rgb(255, 255, 255)}) {
    setObjectName(u"Parametres_serie"_s);
    // It stands beside the main window, which alone keeps the program going.
    setAttribute(Qt::WA_QuitOnClose, false);

    modeleParametres_ = new ui::TableModel(this, {u"Paramètre"_s, u"Série 1"_s, u"Série 2"_s});
    modeleEffectifs_ = new ui::TableModel(this, core::colonnesDesEffectifs());
    Table_parametres = tableau(this, modeleParametres_, u"Paramètres des séries"_s);
    Table_parametres->setObjectName(u"Table_parametres"_s);
    // Every parameter in sight, without scrolling.
    Table_parametres->setFixedHeight(Table_parametres->horizontalHeader()->sizeHint().height() +
                                     int(core::nomsDesParametres().size()) *
                                         Table_parametres->verticalHeader()->defaultSectionSize() +
                                     2 * Table_parametres->frameWidth());
    Choix_serie = new QComboBox(this);
    Choix_serie->setObjectName(u"Choix_serie"_s);
    Choix_serie->addItems({u"Série 1"_s, u"Série 2"_s});
    Choix_serie->setAccessibleName(u"Série de la table des effectifs"_s);
    Table_effectifs = tableau(this, modeleEffectifs_, u"Table des effectifs"_s);
    Table_effectifs->setObjectName(u"Table_effectifs"_s);
    Table_effectifs->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table_effectifs->horizontalHeader()->setStretchLastSection(true);
    Label_quartiles = new QLabel(core::definitionDesQuartiles(), this);
    Label_quartiles->setObjectName(u"Label_quartiles"_s);
    Label_quartiles->setWordWrap(true);
    Box = new ui::ChartView(this, ui::rgb(255, 255, 255));
    Box->setObjectName(u"Boite"_s);
    Box->setAccessibleName(u"Diagramme en boîte"_s);
    Box->setMinimumHeight(int(core::kSeriesBoxPlotHeight / 15));
    Box->setMaximumHeight(int(core::kSeriesBoxPlotHeight / 15));
    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    Command_copier_boite = button(u"Copier"_s, u"Command_copier_boite"_s);
    Command_exporter_boite = button(u"Exporter…"_s, u"Command_exporter_boite"_s);
    Command_imprimer_boite = button(u"Imprimer…"_s, u"Command_imprimer_boite"_s);
    Command_copier = button(u"Copier le tableau"_s, u"Command_copier"_s);

    auto* choix = new QHBoxLayout;
    auto* legende = new QLabel(u"Table des effectifs de la"_s, this);
    legende->setBuddy(Choix_serie);
    choix->addWidget(legende);
    choix->addWidget(Choix_serie);
    choix->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Table_parametres);
    colonne->addLayout(choix);
    colonne->addWidget(Table_effectifs, 1);
    colonne->addWidget(Label_quartiles);
    colonne->addWidget(Box);
    // The chart's buttons at the left of the tables' own, on the row it had alone.
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {Command_copier_boite, Command_exporter_boite, Command_imprimer_boite})
        boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(Command_copier);
    colonne->addLayout(boutons);

    connect(Choix_serie, &QComboBox::currentIndexChanged, this, ui::guarded([this] { montrer(); }));
    connect(Command_copier, &QPushButton::clicked, this,
            ui::guarded([this] { Command_copier_Click(); }));
    connect(Command_copier_boite, &QPushButton::clicked, this,
            ui::guarded([this] { chart_export::copy(Box->chart(), devicePixelRatioF()); }));
    connect(Command_exporter_boite, &QPushButton::clicked, this,
            ui::guarded([this] { chart_export::exportChosen(this, Box->chart(), u"boite"_s); }));
    connect(Command_imprimer_boite, &QPushButton::clicked, this,
            ui::guarded([this] { chart_export::printChosen(this, Box->chart()); }));
    // Nothing to put out while neither series has a value.
    for (QPushButton* b : {Command_copier_boite, Command_exporter_boite, Command_imprimer_boite}) {
        b->setEnabled(false);
        connect(Box, &ui::ChartView::drawnChanged, b, &QWidget::setEnabled);
    }
}

void Parametres_serie::setModel(const core::Model& model) {
    if (model_) disconnect(model_, nullptr, this, nullptr);
    model_ = &model;
    connect(model_, &core::Model::serie1Changee, this, ui::guarded([this] {
                if (!isVisible()) return;
                lireSerie1();
                montrer();
            }));
    connect(model_, &core::Model::serie2Changee, this, ui::guarded([this] {
                if (!isVisible()) return;
                lireSerie2();
                montrer();
            }));
    if (!isVisible()) return;
    lireSerie1();
    lireSerie2();
    montrer();
}

// Opened again, it catches up with what changed while it was closed.
void Parametres_serie::showEvent(QShowEvent* event) {
    ui::Form::showEvent(event);
    lireSerie1();
    lireSerie2();
    montrer();
}

void Parametres_serie::lireSerie1() {
    valeurs_[0] = model_ ? core::nombres(model_->serie1) : std::vector<double>{};
    parametres_[0] = core::parametres(valeurs_[0]);
}

// The second list as the charts take it: the values read, at most 51.
void Parametres_serie::lireSerie2() {
    valeurs_[1] = model_ ? model_->serie2() : std::vector<double>{};
    parametres_[1] = core::parametres(valeurs_[1]);
}

void Parametres_serie::montrer() {
    const QStringList noms = core::nomsDesParametres();
    const QStringList premiere = core::textesDesParametres(parametres_[0]);
    const QStringList seconde = core::textesDesParametres(parametres_[1]);
    modeleParametres_->setRows(int(noms.size()), [=](int ligne) {
        return QStringList{noms[ligne], premiere[ligne], seconde[ligne]};
    });
    Table_parametres->setColumnHidden(2, valeurs_[1].empty());

    // The table's rows live as long as the model asks for them: the view may still read
    // the old ones while it learns of the new.
    classes_ = std::make_shared<const std::vector<core::CountedClass>>(
        core::tableDesEffectifs(valeurs_[Choix_serie->currentIndex() == 1 ? 1 : 0]));
    modeleEffectifs_->setRows(int(classes_->size()), [classes = classes_](int ligne) {
        return core::texteDeClasse((*classes)[size_t(ligne)]);
    });
    Box->setChart([first = parametres_[0], second = parametres_[1]](double width, double height) {
        core::Surface surface;
        surface.largeur = float(width);
        surface.hauteur = float(height);
        core::TableChartRecord g = core::seriesBoxPlot(first, second, surface);
        return ui::ChartView::Content{std::move(g.dessin), g.description, g.faute};
    });
}

// The parameters, then the table of counts, as tab-separated cells for a spreadsheet.
void Parametres_serie::Command_copier_Click() {
    QString texte = core::tableauDesParametres(parametres_[0], parametres_[1]);
    texte += u'\n' + Choix_serie->currentText() + u'\n' + core::colonnesDesEffectifs().join(u'\t') +
             u'\n';
    for (const core::CountedClass& classe : *classes_)
        texte += core::texteDeClasse(classe).join(u'\t') + u'\n';
    QGuiApplication::clipboard()->setText(texte);
}
