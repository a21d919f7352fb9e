#include "individuals_window/individuals_window.h"

#include "core/individuals/counts.h"
#include "core/individuals/filter.h"
#include "core/individuals/pairs_of.h"
#include "core/individuals/reader.h"
#include "individuals_window/cross_panel.h"
#include "individuals_window/grid_model.h"
#include "individuals_window/variable_panel.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <optional>

namespace ci = core::individuals;
using namespace Qt::StringLiterals;

namespace individuals_window {

// What a reading on the thread pool shares with the window: the worker writes the
// result before raising `done`; the window polls, and drops the whole state to cancel.
struct Loading {
    QString path;
    std::atomic<double> share{0};
    std::atomic<bool> cancelled{false}, done{false};
    std::optional<core::Reading<ci::Dataset>> result;
};

}  // namespace individuals_window

using individuals_window::Loading;

Individus::Individus(QWidget* parent)
    : QWidget(parent, Qt::Window),
      poll_(new QTimer(this)),
      grid_(new individuals_window::GridModel(this)),
      variables_(new individuals_window::CellsModel(this)) {
    setObjectName(u"Individus"_s);
    setWindowTitle(u"Individus"_s);
    auto* layout = new QVBoxLayout(this);

    Command_ouvrir = new QPushButton(u"&Ouvrir un fichier…"_s, this);
    Command_ouvrir->setObjectName(u"Command_ouvrir"_s);
    Progression = new QProgressBar(this);
    Progression->setObjectName(u"Progression"_s);
    Progression->setAccessibleName(u"Lecture du fichier"_s);
    Progression->setRange(0, 100);
    Command_annuler = new QPushButton(u"Annuler"_s, this);
    Command_annuler->setObjectName(u"Command_annuler"_s);
    Message_lecture = new QLabel(this);
    Message_lecture->setObjectName(u"Message_lecture"_s);
    Message_lecture->setWordWrap(true);
    Message_lecture->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* top = new QHBoxLayout;
    top->addWidget(Command_ouvrir);
    top->addWidget(Progression, 1);
    top->addWidget(Command_annuler);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(Message_lecture);
    Progression->hide();
    Command_annuler->hide();
    Message_lecture->hide();

    createFilterBar(this, layout);

    Onglets = new QTabWidget(this);
    Onglets->setObjectName(u"Onglets"_s);
    Grille_individus = new QTableView(this);
    Grille_individus->setObjectName(u"Grille_individus"_s);
    Grille_individus->setAccessibleName(u"Individus"_s);
    Grille_individus->setModel(grid_);
    Grille_individus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights: the view never measures a million rows.
    Grille_individus->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Onglets->addTab(Grille_individus, u"Individus"_s);

    auto* split = new QSplitter(this);
    variablesPage_ = split;
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    Liste_variables =
        individuals_window::cellsView(left, u"Liste_variables"_s, u"Variables"_s, variables_);
    Liste_variables->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_variables->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Command_deux_variables = new QPushButton(u"Deux variables…"_s, left);
    Command_deux_variables->setObjectName(u"Command_deux_variables"_s);
    Command_deux_variables->setToolTip(u"Choisir deux variables numériques ensemble"_s);
    leftLayout->addWidget(Liste_variables, 1);
    leftLayout->addWidget(Command_deux_variables);
    variable_ = new individuals_window::VariablePanel(split);
    split->addWidget(left);
    split->addWidget(variable_);
    split->setSizes({360, 640});
    Onglets->addTab(split, u"Variables"_s);
    cross_ = new individuals_window::CrossPanel(this);
    Onglets->addTab(cross_, u"Tableau croisé"_s);
    layout->addWidget(Onglets, 1);

    connect(Command_ouvrir, &QPushButton::clicked, this, &Individus::chooseFile);
    connect(Command_annuler, &QPushButton::clicked, this, &Individus::cancelLoading);
    connect(poll_, &QTimer::timeout, this, &Individus::pollLoading);
    connect(Onglets, &QTabWidget::currentChanged, this, &Individus::showPanels);
    connect(Liste_variables->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Individus::variableChosen);
    connect(Command_deux_variables, &QPushButton::clicked, this, &Individus::requestPairs);
    connect(variable_, &individuals_window::VariablePanel::tableRequested, this,
            &Individus::tableRequested);
    connect(variable_, &individuals_window::VariablePanel::listRequested, this,
            &Individus::listRequested);
    Command_deux_variables->setEnabled(false);
    resize(1000, 680);
}

Individus::~Individus() {
    if (loading_) loading_->cancelled = true;
}

void Individus::setDataset(ci::Dataset dataset, const QString& fileName) {
    // The hidden tabs let go of the old file now, not when next shown.
    variable_->show(nullptr, &selection_, -1);
    cross_->show(nullptr, &selection_);
    dataset_ = std::make_shared<const ci::Dataset>(std::move(dataset));
    setWindowTitle(u"Individus — "_s + fileName);
    variables_->show(ci::variableCells(*dataset_));
    {
        const QSignalBlocker blocker(Choix_variable_filtre);
        Choix_variable_filtre->clear();
        Choix_variable_filtre->addItems(dataset_->names());
    }
    fillValueChoices();
    // A filter naming variables of the old file may not bind to this one: everyone then.
    selection_ = ci::Selection::all(dataset_->rowCount());
    filterSelection();
    showSelection();
    // Columns as wide as their names: measuring the cells would read every row.
    for (int c = 0; c < int(dataset_->variables().size()); ++c)
        Grille_individus->setColumnWidth(
            c, std::max(70, fontMetrics().horizontalAdvance(dataset_->variables()[size_t(c)].name) +
                                24));
    if (variables_->rowCount() > 0) Liste_variables->selectRow(0);
}

void Individus::chooseFile() {
    const QString path = ui::fileToOpen(this, u"Ouvrir un fichier d'individus"_s,
                                        u"Fichiers d'individus (*.csv *.txt *.tsv *.ods *.xlsx);;"
                                        u"Tous les fichiers (*)"_s);
    if (!path.isEmpty()) open(path);
}

void Individus::open(const QString& path) {
    cancelLoading();
    Message_lecture->hide();
    if (QFileInfo(path).size() <= kBackgroundBytes) {
        core::Reading<ci::Dataset> reading = ci::readIndividualsFile(path);
        auto state = std::make_shared<Loading>();
        state->path = path;
        state->result = std::move(reading);
        state->done = true;
        loading_ = std::move(state);
        pollLoading();
        return;
    }
    auto state = std::make_shared<Loading>();
    state->path = path;
    loading_ = state;
    Progression->setValue(0);
    Progression->show();
    Command_annuler->show();
    QThreadPool::globalInstance()->start([state] {
        auto reading = ci::readIndividualsFile(state->path, [&state](double share) {
            state->share = share;
            return !state->cancelled.load();
        });
        state->result = std::move(reading);
        state->done = true;
    });
    poll_->start(50);
}

void Individus::pollLoading() {
    if (!loading_) return;
    Progression->setValue(int(loading_->share * 100));
    if (!loading_->done) return;
    const std::shared_ptr<Loading> state = std::move(loading_);
    cancelLoading();
    const QString name = QFileInfo(state->path).fileName();
    if (state->result->value) {
        setDataset(std::move(*state->result->value), name);
    } else {
        Message_lecture->setText(ci::explain(state->result->error, name));
        Message_lecture->setAccessibleName(Message_lecture->text());
        Message_lecture->show();
    }
}

// The reading goes on to its end on the pool, unseen: the dataset shown stays.
void Individus::cancelLoading() {
    if (loading_) loading_->cancelled = true;
    loading_.reset();
    poll_->stop();
    Progression->hide();
    Command_annuler->hide();
}

void Individus::applyFilter() {
    if (dataset_ && filterSelection()) showSelection();
}

// The selection the filter keeps; a fault is shown and the last selection kept.
bool Individus::filterSelection() {
    const core::Reading<ci::Filter> filter = ci::parseFilter(Filtre->text(), *dataset_);
    Faute_filtre->setVisible(!filter);
    if (!filter) {
        Faute_filtre->setText(ci::filterFault(filter.error));
        Faute_filtre->setAccessibleName(Faute_filtre->text());
        return false;
    }
    selection_ = ci::evaluate(*filter.value, *dataset_);
    return true;
}

void Individus::showSelection() {
    const QString sentence = ci::selectionSentence(selection_, dataset_->rowCount());
    Nombre_individus->setText(sentence);
    Nombre_individus->setAccessibleName(sentence);
    grid_->show(dataset_, selection_);
    variableStale_ = crossStale_ = true;
    variableChosen();
}

// A tab's analyses are worked out when it is shown: a million individuals then cost
// the grid alone until the learner asks for more.
void Individus::showPanels() {
    if (!dataset_) return;
    if (variableStale_ && Onglets->currentWidget() == variablesPage_) {
        variableStale_ = false;
        const std::vector<int> chosen = chosenVariables();
        const QModelIndex current = Liste_variables->currentIndex();
        variable_->show(dataset_, &selection_,
                        current.isValid() ? current.row()
                        : chosen.empty()  ? -1
                                          : chosen.front());
    }
    if (crossStale_ && Onglets->currentWidget() == cross_) {
        crossStale_ = false;
        cross_->show(dataset_, &selection_);
    }
}

std::vector<int> Individus::chosenVariables() const {
    std::vector<int> rows;
    for (const QModelIndex& index : Liste_variables->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void Individus::variableChosen() {
    if (!dataset_) return;
    variableStale_ = true;
    showPanels();
    const std::vector<int> chosen = chosenVariables();
    const bool twoNumeric =
        chosen.size() == 2 && std::all_of(chosen.begin(), chosen.end(), [this](int i) {
            return dataset_->variables()[size_t(i)].nature == ci::Nature::Numeric;
        });
    // Greyed until a window of two variables listens.
    Command_deux_variables->setEnabled(
        twoNumeric && isSignalConnected(QMetaMethod::fromSignal(&Individus::pairsRequested)));
}

void Individus::requestPairs() {
    const std::vector<int> chosen = chosenVariables();
    if (chosen.size() != 2) return;
    const core::pairs::Pairs pairs = ci::pairsOf(*dataset_, chosen[0], chosen[1], selection_);
    emit pairsRequested(pairs.x, pairs.y, pairs.nameX, pairs.nameY);
}
