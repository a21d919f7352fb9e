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

QTableView* table(QWidget* parent, ui::TableModel* model, const QString& name) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setAccessibleName(name);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return view;
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

    parametersModel_ = new ui::TableModel(this, {u"Paramètre"_s, u"Série 1"_s, u"Série 2"_s});
    countsModel_ = new ui::TableModel(this, core::countsTableColumns());
    Table_parametres = table(this, parametersModel_, u"Paramètres des séries"_s);
    Table_parametres->setObjectName(u"Table_parametres"_s);
    // Every parameter in sight, without scrolling.
    Table_parametres->setFixedHeight(Table_parametres->horizontalHeader()->sizeHint().height() +
                                     int(core::parameterNames().size()) *
                                         Table_parametres->verticalHeader()->defaultSectionSize() +
                                     2 * Table_parametres->frameWidth());
    Choix_serie = new QComboBox(this);
    Choix_serie->setObjectName(u"Choix_serie"_s);
    Choix_serie->addItems({u"Série 1"_s, u"Série 2"_s});
    Choix_serie->setAccessibleName(u"Série de la table des effectifs"_s);
    Table_effectifs = table(this, countsModel_, u"Table des effectifs"_s);
    Table_effectifs->setObjectName(u"Table_effectifs"_s);
    Table_effectifs->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table_effectifs->horizontalHeader()->setStretchLastSection(true);
    Label_quartiles = new QLabel(core::quartilesDefinition(), this);
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

    auto* choices = new QHBoxLayout;
    auto* label = new QLabel(u"Table des effectifs de la"_s, this);
    label->setBuddy(Choix_serie);
    choices->addWidget(label);
    choices->addWidget(Choix_serie);
    choices->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(Table_parametres);
    column->addLayout(choices);
    column->addWidget(Table_effectifs, 1);
    column->addWidget(Label_quartiles);
    column->addWidget(Box);
    // The chart's buttons at the left of the tables' own, on the row it had alone.
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command_copier_boite, Command_exporter_boite, Command_imprimer_boite})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command_copier);
    column->addLayout(buttons);

    connect(Choix_serie, &QComboBox::currentIndexChanged, this, ui::guarded([this] { display(); }));
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
    connect(model_, &core::Model::series1Changed, this, ui::guarded([this] {
                if (!isVisible()) return;
                readSeries1();
                display();
            }));
    connect(model_, &core::Model::series2Changed, this, ui::guarded([this] {
                if (!isVisible()) return;
                readSeries2();
                display();
            }));
    if (!isVisible()) return;
    readSeries1();
    readSeries2();
    display();
}

// Opened again, it catches up with what changed while it was closed.
void Parametres_serie::showEvent(QShowEvent* event) {
    ui::Form::showEvent(event);
    readSeries1();
    readSeries2();
    display();
}

void Parametres_serie::readSeries1() {
    values_[0] = model_ ? core::numbers(model_->series1) : std::vector<double>{};
    parameters_[0] = core::parameters(values_[0]);
}

// The second list as the charts take it: the values read, at most 51.
void Parametres_serie::readSeries2() {
    values_[1] = model_ ? model_->series2() : std::vector<double>{};
    parameters_[1] = core::parameters(values_[1]);
}

void Parametres_serie::display() {
    const QStringList names = core::parameterNames();
    const QStringList first = core::parameterTexts(parameters_[0]);
    const QStringList second = core::parameterTexts(parameters_[1]);
    parametersModel_->setRows(int(names.size()), [=](int line) {
        return QStringList{names[line], first[line], second[line]};
    });
    Table_parametres->setColumnHidden(2, values_[1].empty());

    // The table's rows live as long as the model asks for them: the view may still read
    // the old ones while it learns of the new.
    classes_ = std::make_shared<const std::vector<core::CountedClass>>(
        core::countsTable(values_[Choix_serie->currentIndex() == 1 ? 1 : 0]));
    countsModel_->setRows(int(classes_->size()), [classes = classes_](int line) {
        return core::classText((*classes)[size_t(line)]);
    });
    Box->setChart([first = parameters_[0], second = parameters_[1]](double width, double height) {
        core::Surface surface;
        surface.width = float(width);
        surface.height = float(height);
        core::TableChartRecord g = core::seriesBoxPlot(first, second, surface);
        return ui::ChartView::Content{std::move(g.drawing), g.description, g.fault};
    });
}

// The parameters, then the table of counts, as tab-separated cells for a spreadsheet.
void Parametres_serie::Command_copier_Click() {
    QString text = core::parametersTable(parameters_[0], parameters_[1]);
    text +=
        u'\n' + Choix_serie->currentText() + u'\n' + core::countsTableColumns().join(u'\t') + u'\n';
    for (const core::CountedClass& countedClass : *classes_)
        text += core::classText(countedClass).join(u'\t') + u'\n';
    QGuiApplication::clipboard()->setText(text);
}
