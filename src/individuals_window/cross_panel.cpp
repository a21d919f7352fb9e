#include "individuals_window/cross_panel.h"

#include "core/atomic_file.h"
#include "individuals_window/grid_model.h"
#include "individuals_window/variable_panel.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace individuals_window {

namespace ci = core::individuals;
using namespace Qt::StringLiterals;

CrossPanel::CrossPanel(QWidget* parent) : QWidget(parent), cells_(new CellsModel(this)) {
    const auto combo = [this](const QString& name, const QString& accessible) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->setAccessibleName(accessible);
        connect(c, &QComboBox::currentIndexChanged, this, &CrossPanel::refresh);
        return c;
    };
    const auto check = [this](const QString& name, const QString& accessible) {
        auto* c = new QCheckBox(u"Prendre comme qualitative"_s, this);
        c->setObjectName(name);
        c->setAccessibleName(accessible);
        c->setVisible(false);
        connect(c, &QCheckBox::toggled, this, &CrossPanel::refresh);
        return c;
    };
    Choix_lignes = new QComboBox(this);
    Choix_lignes->setObjectName(u"Choix_lignes"_s);
    Choix_lignes->setAccessibleName(u"Variable en lignes"_s);
    Choix_colonnes = new QComboBox(this);
    Choix_colonnes->setObjectName(u"Choix_colonnes"_s);
    Choix_colonnes->setAccessibleName(u"Variable en colonnes"_s);
    Check_qualitative_lignes =
        check(u"Check_qualitative_lignes"_s, u"Prendre la variable en lignes comme qualitative"_s);
    Check_qualitative_colonnes = check(u"Check_qualitative_colonnes"_s,
                                       u"Prendre la variable en colonnes comme qualitative"_s);
    connect(Choix_lignes, &QComboBox::currentIndexChanged, this, [this] {
        variableChosen(Choix_lignes, Check_qualitative_lignes);
        refresh();
    });
    connect(Choix_colonnes, &QComboBox::currentIndexChanged, this, [this] {
        variableChosen(Choix_colonnes, Check_qualitative_colonnes);
        refresh();
    });
    Choix_pourcentages = combo(u"Choix_pourcentages"_s, u"Contenu des cases"_s);
    {
        const QSignalBlocker blocker(Choix_pourcentages);
        Choix_pourcentages->addItems({u"Effectifs"_s, u"Pourcentages en ligne"_s,
                                      u"Pourcentages en colonne"_s, u"Pourcentages du total"_s});
    }
    Tableau_croise =
        cellsView(this, u"Tableau_croise"_s, u"Tableau croisé des individus"_s, cells_);
    Tableau_croise->setSelectionMode(QAbstractItemView::SingleSelection);
    Explication = new QLabel(this);
    Explication->setObjectName(u"Explication"_s);
    Explication->setWordWrap(true);
    Explication->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Command_copier = new QPushButton(u"Copier"_s, this);
    Command_copier->setObjectName(u"Command_copier"_s);
    Command_enregistrer = new QPushButton(u"Enregistrer…"_s, this);
    Command_enregistrer->setObjectName(u"Command_enregistrer"_s);

    auto* form = new QFormLayout;
    const auto withCheck = [](QComboBox* choice, QCheckBox* asModalities) {
        auto* row = new QHBoxLayout;
        row->addWidget(choice, 1);
        row->addWidget(asModalities);
        return row;
    };
    // A label before a row of two controls takes the combo box as its buddy, so that its
    // mnemonic works and shows.
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    form->addRow(label(u"En &lignes :"_s, Choix_lignes),
                 withCheck(Choix_lignes, Check_qualitative_lignes));
    form->addRow(label(u"En &colonnes :"_s, Choix_colonnes),
                 withCheck(Choix_colonnes, Check_qualitative_colonnes));
    form->addRow(u"&Cases :"_s, Choix_pourcentages);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command_copier);
    buttons->addWidget(Command_enregistrer);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Tableau_croise, 1);
    layout->addWidget(Explication);
    layout->addLayout(buttons);

    connect(Tableau_croise->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CrossPanel::explain);
    connect(Command_copier, &QPushButton::clicked, this, &CrossPanel::copy);
    connect(Command_enregistrer, &QPushButton::clicked, this, &CrossPanel::save);
}

void CrossPanel::show(std::shared_ptr<const ci::Dataset> dataset, const ci::Selection* selection) {
    const bool renewed = dataset != dataset_;
    if (renewed) {
        const QSignalBlocker rows(Choix_lignes), columns(Choix_colonnes);
        Choix_lignes->clear();
        Choix_colonnes->clear();
        if (dataset) {
            Choix_lignes->addItems(dataset->names());
            Choix_colonnes->addItems(dataset->names());
            Choix_colonnes->setCurrentIndex(dataset->names().size() > 1 ? 1 : 0);
        }
    }
    dataset_ = std::move(dataset);
    selection_ = selection;
    if (renewed) {
        variableChosen(Choix_lignes, Check_qualitative_lignes);
        variableChosen(Choix_colonnes, Check_qualitative_colonnes);
    }
    refresh();
}

void CrossPanel::variableChosen(QComboBox* choice, QCheckBox* asModalities) {
    const int v = choice->currentIndex();
    const bool numeric =
        dataset_ && v >= 0 && dataset_->variables()[size_t(v)].nature == ci::Nature::Numeric;
    {
        const QSignalBlocker blocker(asModalities);
        asModalities->setChecked(false);
    }
    asModalities->setVisible(numeric);
}

ci::Side CrossPanel::side(const QComboBox* choice, const QCheckBox* asModalities) const {
    ci::Side side{choice->currentIndex()};
    side.asModalities = asModalities->isChecked();
    return side;
}

void CrossPanel::refresh() {
    if (!dataset_ || Choix_lignes->currentIndex() < 0) return;
    table_ = ci::crossTable(*dataset_, side(Choix_lignes, Check_qualitative_lignes),
                            side(Choix_colonnes, Check_qualitative_colonnes), *selection_);
    Explication->setText(table_.fault);
    cells_->show(table_.fault.isEmpty()
                     ? ci::crossCells(table_, ci::Percentages(Choix_pourcentages->currentIndex()))
                     : ci::Cells{});
    Command_copier->setEnabled(table_.fault.isEmpty());
    Command_enregistrer->setEnabled(table_.fault.isEmpty());
}

// The first column holds the row's modality: a cell of the table is one column further.
void CrossPanel::explain() {
    const QModelIndex at = Tableau_croise->currentIndex();
    if (!at.isValid() || at.column() == 0 || !table_.fault.isEmpty()) return;
    const QString sentence = ci::explainCell(
        table_, ci::Percentages(Choix_pourcentages->currentIndex()), at.row(), at.column() - 1);
    Explication->setText(sentence);
    Tableau_croise->setAccessibleDescription(sentence);
}

void CrossPanel::copy() {
    QApplication::clipboard()->setText(ci::tabSeparated(cells_->cells()));
}

void CrossPanel::save() {
    const QString path =
        ui::fileToSave(this, u"Enregistrer le tableau croisé"_s, u"tableau_croise.csv"_s,
                       {u"Fichiers CSV (*.csv)"_s}, {u"csv"_s});
    if (path.isEmpty()) return;
    const QByteArray bytes = ci::csvFile(cells_->cells());
    const QString fault = core::saveAtomically(
        path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (!fault.isEmpty()) ui::messageBox(fault);
}

}  // namespace individuals_window
