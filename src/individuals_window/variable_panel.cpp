#include "individuals_window/variable_panel.h"

#include "core/individuals/charts.h"
#include "core/individuals/counts.h"
#include "core/numbers.h"
#include "individuals_window/chart_box.h"
#include "individuals_window/grid_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace individuals_window {

namespace ci = core::individuals;
using namespace Qt::StringLiterals;

QTableView* cellsView(QWidget* parent, const QString& name, const QString& accessible,
                      CellsModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessible);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

namespace {

enum Tab { ModalitiesTab, ParametersTab, ValuesTab, ClassesTab };

QWidget* page(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* p = new QWidget(parent);
    auto* layout = new QVBoxLayout(p);
    for (QWidget* w : widgets) layout->addWidget(w, qobject_cast<QTableView*>(w) ? 1 : 0);
    return p;
}

}  // namespace

VariablePanel::VariablePanel(QWidget* parent)
    : QWidget(parent),
      modalities_(new CellsModel(this)),
      parameters_(new CellsModel(this)),
      values_(new CellsModel(this)),
      classes_(new CellsModel(this)) {
    Titre_variable = new QLabel(this);
    Titre_variable->setObjectName(u"Titre_variable"_s);
    Check_qualitative = new QCheckBox(u"Prendre comme qualitative"_s, this);
    Check_qualitative->setObjectName(u"Check_qualitative"_s);
    Choix_ordre = new QComboBox(this);
    Choix_ordre->setObjectName(u"Choix_ordre"_s);
    Choix_ordre->setAccessibleName(u"Ordre des modalités"_s);
    Choix_ordre->addItems({u"Ordre d'apparition"_s, u"Ordre alphabétique"_s, u"Par effectif"_s});
    Tableau_modalites = cellsView(this, u"Tableau_modalites"_s, u"Modalités"_s, modalities_);
    Tableau_parametres = cellsView(this, u"Tableau_parametres"_s, u"Paramètres"_s, parameters_);
    // A long mode is cut rather than pushing the values out of sight.
    Tableau_parametres->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Tableau_parametres->horizontalHeader()->setStretchLastSection(true);
    Tableau_parametres->setColumnWidth(0, 170);
    Tableau_valeurs = cellsView(this, u"Tableau_valeurs"_s, u"Effectifs par valeur"_s, values_);
    Tableau_classes = cellsView(this, u"Tableau_classes"_s, u"Classes"_s, classes_);
    Amplitude = new QLineEdit(this);
    Amplitude->setObjectName(u"Amplitude"_s);
    Premiere_borne = new QLineEdit(this);
    Premiere_borne->setObjectName(u"Premiere_borne"_s);
    Premiere_borne->setPlaceholderText(u"automatique"_s);
    Faute_classes = new QLabel(this);
    Faute_classes->setObjectName(u"Faute_classes"_s);
    Faute_classes->setWordWrap(true);
    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    Command_tableau_valeurs =
        button(u"Vers le tableau d'effectifs"_s, u"Command_tableau_valeurs"_s);
    Command_liste = button(u"Vers la liste"_s, u"Command_liste"_s);
    Command_tableau_classes =
        button(u"Vers le tableau d'effectifs"_s, u"Command_tableau_classes"_s);

    auto* bounds = new QWidget(this);
    auto* form = new QFormLayout(bounds);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(u"&Amplitude :"_s, Amplitude);
    form->addRow(u"&Première borne :"_s, Premiere_borne);
    auto* sends = new QWidget(this);
    auto* sendsLayout = new QHBoxLayout(sends);
    sendsLayout->setContentsMargins(0, 0, 0, 0);
    sendsLayout->addWidget(Command_tableau_valeurs);
    sendsLayout->addWidget(Command_liste);
    sendsLayout->addStretch();

    Onglets_variable = new QTabWidget(this);
    Onglets_variable->setObjectName(u"Onglets_variable"_s);
    Onglets_variable->addTab(page(this, {Choix_ordre, Tableau_modalites}), u"Modalités"_s);
    Onglets_variable->addTab(page(this, {Tableau_parametres}), u"Paramètres"_s);
    Onglets_variable->addTab(page(this, {Tableau_valeurs, sends}), u"Effectifs par valeur"_s);
    Onglets_variable->addTab(
        page(this, {bounds, Faute_classes, Tableau_classes, Command_tableau_classes}),
        u"Classes de même amplitude"_s);

    Choix_graphique = new QComboBox(this);
    Choix_graphique->setObjectName(u"Choix_graphique"_s);
    Choix_graphique->setAccessibleName(u"Graphique"_s);
    Graphique_variable = new ChartBox(this, u"Graphique_variable"_s);
    auto* chart = new QVBoxLayout;
    chart->addWidget(Choix_graphique);
    chart->addWidget(Graphique_variable, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(Titre_variable);
    left->addWidget(Check_qualitative);
    left->addWidget(Onglets_variable, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(chart, 1);

    connect(Check_qualitative, &QCheckBox::toggled, this, &VariablePanel::refresh);
    connect(Choix_ordre, &QComboBox::currentIndexChanged, this, &VariablePanel::showModalities);
    connect(Amplitude, &QLineEdit::textChanged, this, &VariablePanel::showClasses);
    connect(Premiere_borne, &QLineEdit::textChanged, this, &VariablePanel::showClasses);
    connect(Choix_graphique, &QComboBox::currentIndexChanged, this, &VariablePanel::showChart);
    connect(Command_tableau_valeurs, &QPushButton::clicked, this, &VariablePanel::sendValues);
    connect(Command_tableau_classes, &QPushButton::clicked, this, &VariablePanel::sendClasses);
    connect(Command_liste, &QPushButton::clicked, this, &VariablePanel::sendList);
    setEnabled(false);
}

void VariablePanel::show(std::shared_ptr<const ci::Dataset> dataset, const ci::Selection* selection,
                         int variable) {
    const bool other = dataset != dataset_ || variable != variable_;
    dataset_ = std::move(dataset);
    selection_ = selection;
    variable_ = dataset_ && variable < int(dataset_->variables().size()) ? variable : -1;
    if (other) {
        const QSignalBlocker blocker(Check_qualitative);
        Check_qualitative->setChecked(false);
        Amplitude->clear();
        Premiere_borne->clear();
    }
    refresh();
}

bool VariablePanel::qualitative() const {
    return dataset_->variables()[size_t(variable_)].nature == ci::Nature::Qualitative ||
           Check_qualitative->isChecked();
}

void VariablePanel::refresh() {
    setEnabled(variable_ >= 0);
    if (variable_ < 0) return;
    const ci::Variable& v = dataset_->variables()[size_t(variable_)];
    const bool numeric = v.nature == ci::Nature::Numeric;
    Check_qualitative->setVisible(numeric);
    const bool words = qualitative();
    Titre_variable->setText(v.name + (words ? u" : qualitative"_s : u" : numérique"_s));
    Onglets_variable->setTabVisible(ModalitiesTab, words);
    for (int tab : {ParametersTab, ValuesTab, ClassesTab})
        Onglets_variable->setTabVisible(tab, !words);
    if (!words && Amplitude->text().isEmpty()) {
        const QSignalBlocker blocker(Amplitude);
        Amplitude->setText(
            core::textOfNumber(ci::suggestedWidth(*dataset_, variable_, *selection_)));
    }
    {
        const QSignalBlocker blocker(Choix_graphique);
        const int kept = Choix_graphique->currentIndex();
        Choix_graphique->clear();
        if (words)
            Choix_graphique->addItems({u"Diagramme en barres"_s, u"Diagramme circulaire"_s});
        else
            Choix_graphique->addItems({u"Histogramme des classes"_s});
        Choix_graphique->setCurrentIndex(kept >= 0 && kept < Choix_graphique->count() ? kept : 0);
    }
    if (words)
        showModalities();
    else
        showNumeric();
}

void VariablePanel::showModalities() {
    if (variable_ < 0 || !qualitative()) return;
    modalities_->show(ci::modalityCells(
        ci::modalities(*dataset_, variable_, *selection_, ci::Order(Choix_ordre->currentIndex()))));
    showChart();
}

void VariablePanel::showNumeric() {
    const core::SeriesParameters p = ci::numericParameters(*dataset_, variable_, *selection_);
    parameters_->show(ci::parameterCells(p));
    // The counts by value, ascending, written as they scroll into view: an identifier
    // has as many values as individuals.
    auto counts = std::make_shared<const std::vector<core::ValueCount>>(
        ci::countsByValue(*dataset_, variable_, *selection_));
    std::int64_t total = 0;
    for (const core::ValueCount& v : *counts) total += v.count;
    values_->show({u"Valeur"_s, u"Effectif"_s, u"Fréquence (%)"_s}, counts->size() + 1,
                  [counts, total](std::size_t row) { return ci::valueRow(*counts, total, row); });
    Command_liste->setEnabled(selection_->count <= ci::kLongestList);
    showClasses();
}

void VariablePanel::showClasses() {
    if (variable_ < 0 || qualitative()) return;
    const std::optional<double> width = core::readNumber(Amplitude->text());
    const std::optional<double> start = Premiere_borne->text().trimmed().isEmpty()
                                            ? std::nullopt
                                            : core::readNumber(Premiere_borne->text());
    ci::Classes c;
    if (!width || (!Premiere_borne->text().trimmed().isEmpty() && !start))
        c.fault = u"L'amplitude et la première borne doivent être des nombres."_s;
    else
        c = ci::classes(*dataset_, variable_, *selection_, *width, start);
    Faute_classes->setText(c.fault);
    Faute_classes->setVisible(!c.fault.isEmpty());
    classes_->show(c.fault.isEmpty() ? ci::classCells(c) : ci::Cells{});
    Command_tableau_classes->setEnabled(c.fault.isEmpty() && !c.rows.empty());
    showChart();
}

void VariablePanel::showChart() {
    if (variable_ < 0) return;
    const QString name = dataset_->variables()[size_t(variable_)].name;
    const bool words = qualitative();
    const int kind = Choix_graphique->currentIndex();
    ci::Modalities m;
    ci::Classes c;
    if (words) {
        m = ci::modalities(*dataset_, variable_, *selection_,
                           ci::Order(Choix_ordre->currentIndex()));
    } else {
        const std::optional<double> width = core::readNumber(Amplitude->text());
        const std::optional<double> start = core::readNumber(Premiere_borne->text());
        c = width ? ci::classes(*dataset_, variable_, *selection_, *width, start) : ci::Classes{};
        if (!width) c.fault = u"L'amplitude doit être un nombre."_s;
    }
    Graphique_variable->setChart(
        [name, words, kind, m = std::move(m), c = std::move(c)](double w, double h) {
            core::Surface surface;
            surface.width = float(w);
            surface.height = float(h);
            core::TableChartRecord g = !words      ? ci::histogramOfClasses(name, c, surface)
                                       : kind == 1 ? ci::pieOfModalities(name, m, surface)
                                                   : ci::barsOfModalities(name, m, surface);
            return ui::ChartView::Content{std::move(g.drawing), g.description, g.fault};
        },
        name);
}

void VariablePanel::sendValues() {
    emit tableRequested(ci::toTable(ci::countsByValue(*dataset_, variable_, *selection_)));
}

void VariablePanel::sendClasses() {
    const std::optional<double> width = core::readNumber(Amplitude->text());
    if (!width) return;
    const ci::Classes c = ci::classes(*dataset_, variable_, *selection_, *width,
                                      core::readNumber(Premiere_borne->text()));
    if (c.fault.isEmpty()) emit tableRequested(ci::toTable(c));
}

void VariablePanel::sendList() {
    const std::optional<QStringList> texts =
        ci::toList(ci::selectedValues(*dataset_, variable_, *selection_));
    if (texts) emit listRequested(*texts, u"Vers la liste"_s);
}

}  // namespace individuals_window
