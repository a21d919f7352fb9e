#include "exercise_editor/data_editor.h"

#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/pairs/typed_pairs.h"
#include "exercise_editor/typed_texts.h"
#include "ui/typed_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exercise_editor {
namespace {

using Shape = core::ExerciseSeries::Shape;

QLineEdit* line(const char* name, const QString& read) {
    auto* l = new QLineEdit;
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(read);
    return l;
}

bool sameData(const core::ExerciseSeries& a, const core::ExerciseSeries& b) {
    const auto sameValues = [](const core::ValueCount& x, const core::ValueCount& y) {
        return x.value == y.value && x.count == y.count;
    };
    const auto sameClasses = [](const core::Interval& x, const core::Interval& y) {
        return x.lower == y.lower && x.upper == y.upper && x.count == y.count;
    };
    return a.shape == b.shape && a.rawValues == b.rawValues &&
           std::equal(a.values.begin(), a.values.end(), b.values.begin(), b.values.end(),
                      sameValues) &&
           std::equal(a.classes.begin(), a.classes.end(), b.classes.begin(), b.classes.end(),
                      sameClasses);
}

QString text(double x) {
    return core::textOfNumber(x);
}

}  // namespace

DataEditor::DataEditor(QWidget* parent) : QWidget(parent) {
    shape_ = new QComboBox;
    shape_->setObjectName(u"Forme_donnees"_s);
    shape_->setAccessibleName(u"Forme des données"_s);
    shape_->addItems({u"Série brute"_s, u"Valeurs et effectifs"_s, u"Classes et effectifs"_s,
                      u"Paires (x ; y)"_s, u"Simulation"_s});
    name_ = line("Nom_serie", u"Nom de la série"_s);
    closure_ = new QComboBox;
    closure_->setObjectName(u"Fermeture"_s);
    closure_->setAccessibleName(u"Classes fermées"_s);
    closure_->addItems({u"]a ; b], fermées à droite"_s, u"[a ; b[, fermées à gauche"_s});
    nameX_ = line("Nom_x", u"Nom de la variable x"_s);
    nameY_ = line("Nom_y", u"Nom de la variable y"_s);
    nameX_->setText(u"x"_s);
    nameY_->setText(u"y"_s);

    grid_ = new TypedTexts(this);
    // Typed as the table of counts is typed.
    table_ = new ui::TypedGrid;
    table_->setObjectName(u"Table_donnees"_s);
    table_->setAccessibleName(u"Données de l'exercice"_s);
    table_->setModel(grid_);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* pasteShortcut =
        new QShortcut(QKeySequence::Paste, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(pasteShortcut, &QShortcut::activated, this,
            [this] { paste(QApplication::clipboard()->text()); });
    auto* paste = new QPushButton(u"Co&ller"_s);
    paste->setObjectName(u"Command_coller"_s);
    file_ = new QPushButton(u"&Prendre dans un fichier…"_s);
    file_->setObjectName(u"Command_fichier"_s);
    auto* pageTable = new QWidget;
    auto* column = new QVBoxLayout(pageTable);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(paste);
    buttons->addWidget(file_);
    buttons->addStretch();
    column->addLayout(buttons);

    p_ = line("Proportion", u"Proportion p"_s);
    n_ = line("Taille_echantillons", u"Taille des échantillons n"_s);
    samples_ = line("Nombre_echantillons", u"Nombre d'échantillons N"_s);
    observed_ = line("Frequence_observee", u"Fréquence observée, facultative"_s);
    auto* pageSimulation = new QWidget;
    auto* simulation = new QFormLayout(pageSimulation);
    simulation->addRow(u"Proportion &p :"_s, p_);
    simulation->addRow(u"&Taille des échantillons n :"_s, n_);
    simulation->addRow(u"&Nombre d'échantillons N :"_s, samples_);
    simulation->addRow(u"Fréquence &observée (facultative) :"_s, observed_);
    pages_ = new QStackedWidget;
    pages_->addWidget(pageTable);
    pages_->addWidget(pageSimulation);

    fault_ = new QLabel;
    fault_->setObjectName(u"Label_faute_donnees"_s);
    fault_->setAccessibleName(u"Faute des données"_s);
    fault_->setWordWrap(true);
    fault_->setStyleSheet(u"color: rgb(176, 0, 0)"_s);

    auto* form = new QFormLayout;
    form->addRow(u"&Forme :"_s, shape_);
    form->addRow(u"&Nom de la série :"_s, name_);
    form->addRow(u"&Classes :"_s, closure_);
    form->addRow(u"Nom de &x :"_s, nameX_);
    form->addRow(u"Nom de &y :"_s, nameY_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(pages_, 1);
    all->addWidget(fault_);

    connect(shape_, &QComboBox::currentIndexChanged, this, [this] {
        displayShape();
        emit shapeChanged();
        tell();
    });
    connect(grid_, &TypedTexts::edited, this, &DataEditor::tell);
    for (QLineEdit* l : {name_, nameX_, nameY_, p_, n_, samples_, observed_})
        connect(l, &QLineEdit::textEdited, this, &DataEditor::tell);
    connect(closure_, &QComboBox::currentIndexChanged, this, &DataEditor::tell);
    connect(paste, &QPushButton::clicked, this,
            [this] { this->paste(QApplication::clipboard()->text()); });
    connect(file_, &QPushButton::clicked, this, &DataEditor::takeFromFile);
    displayShape();
}

DataEditor::Shape DataEditor::shape() const {
    return Shape(shape_->currentIndex());
}

// Each shape its columns and fields; new columns start empty.
void DataEditor::displayShape() {
    const Shape f = shape();
    auto* form =
        qobject_cast<QFormLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(0)->layout());
    form->setRowVisible(name_, f != Shape::Pairs && f != Shape::Simulation);
    form->setRowVisible(closure_, f == Shape::Classes);
    form->setRowVisible(nameX_, f == Shape::Pairs);
    form->setRowVisible(nameY_, f == Shape::Pairs);
    pages_->setCurrentIndex(f == Shape::Simulation ? 1 : 0);
    switch (f) {
        case Shape::Raw:
            grid_->setColumns({u"Valeur"_s});
            break;
        case Shape::Values:
            grid_->setColumns({u"Valeur"_s, u"Effectif"_s});
            break;
        case Shape::Classes:
            grid_->setColumns({u"Borne inférieure"_s, u"Borne supérieure"_s, u"Effectif"_s});
            break;
        case Shape::Pairs:
            grid_->setColumns({u"x"_s, u"y"_s});
            break;
        case Shape::Simulation:
            grid_->setColumns({});
            break;
    }
}

void DataEditor::setSeries(const core::ExerciseSeries& s) {
    origin_ = s;
    const QSignalBlocker blocker(shape_);
    shape_->setCurrentIndex(int(s.shape));
    displayShape();
    name_->setText(s.name);
    closure_->setCurrentIndex(s.closedRight ? 0 : 1);
    std::vector<QStringList> lines;
    for (double x : s.rawValues) lines.push_back({text(x)});
    for (const auto& v : s.values) lines.push_back({text(v.value), text(double(v.count))});
    for (const auto& k : s.classes)
        lines.push_back({text(k.lower), text(k.upper), text(double(k.count))});
    if (s.shape == Shape::Pairs) {
        nameX_->setText(s.pairs.nameX);
        nameY_->setText(s.pairs.nameY);
        for (size_t i = 0; i < s.pairs.size(); ++i)
            lines.push_back({text(s.pairs.x[i]), text(s.pairs.y[i])});
    }
    if (s.shape == Shape::Simulation) {
        p_->setText(text(s.p));
        n_->setText(text(double(s.n)));
        samples_->setText(text(double(s.samples)));
        observed_->setText(s.observedFrequency ? text(*s.observedFrequency) : QString());
    } else {
        grid_->setRows(std::move(lines));
    }
    tell();
}

DataEditor::TextReading DataEditor::read() const {
    core::ExerciseSeries s;
    s.shape = shape();
    s.name = name_->text().trimmed().isEmpty() ? u"Série 1"_s : name_->text().trimmed();
    s.closedRight = closure_->currentIndex() == 0;
    const std::vector<QStringList>& lines = grid_->rows();
    if (s.shape == Shape::Simulation) return readSimulation();
    if (s.shape == Shape::Raw) {
        for (size_t i = 0; i < lines.size(); ++i) {
            const QString t = lines[i].value(0).trimmed();
            if (t.isEmpty()) continue;
            const auto x = core::readNumber(t);
            if (!x)
                return {std::nullopt,
                        u"Ligne %1 : « %2 » n'est pas un nombre."_s.arg(i + 1).arg(t)};
            s.rawValues.push_back(*x);
        }
        if (s.rawValues.empty()) return {std::nullopt, u"Tapez au moins une valeur."_s};
        const auto [low, high] = std::minmax_element(s.rawValues.begin(), s.rawValues.end());
        s.min = *low;
        s.max = *high;
        s.step = std::all_of(s.rawValues.begin(), s.rawValues.end(),
                             [](double x) { return x == std::floor(x); })
                     ? 1
                     : 0.5;
    } else if (s.shape == Shape::Pairs) {
        std::vector<core::pairs::TypedRow> typedRows;
        for (const QStringList& l : lines) typedRows.push_back({l.value(0), l.value(1)});
        const auto t = core::pairs::analyseTyped(typedRows, nameX_->text().trimmed(),
                                                 nameY_->text().trimmed());
        if (t.firstFault >= 0) return {std::nullopt, core::pairs::faultText(t) + u'.'};
        s.pairs = *t.pairs;
        if (s.pairs.nameX.isEmpty()) s.pairs.nameX = u"x"_s;
        if (s.pairs.nameY.isEmpty()) s.pairs.nameY = u"y"_s;
        if (s.pairs.size() < 2) return {std::nullopt, u"Tapez au moins deux paires."_s};
    } else {
        core::FrequencyTable t;
        t.nature = s.shape == Shape::Classes ? core::FrequencyTable::Nature::Classes
                                             : core::FrequencyTable::Nature::Values;
        t.closedRight = s.closedRight;
        for (const QStringList& l : lines)
            t.lines.push_back(
                s.shape == Shape::Classes
                    ? core::FrequencyTable::Row{.lower = l.value(0),
                                                .upper = l.value(1),
                                                .count = l.value(2)}
                    : core::FrequencyTable::Row{.value = l.value(0), .count = l.value(1)});
        const core::TableAnalysis a = core::analyseTable(t);
        if (a.firstFault >= 0) return {std::nullopt, core::faultText(a)};
        s.values = a.values;
        s.classes = a.classes;
        if (s.count() <= 0) return {std::nullopt, u"Tapez au moins une ligne."_s};
        s.total = s.count();
    }
    if (sameData(s, origin_)) {
        s.min = origin_.min, s.max = origin_.max, s.step = origin_.step;
        s.total = origin_.total;
    }
    return {s, {}};
}

DataEditor::TextReading DataEditor::readSimulation() const {
    core::ExerciseSeries s = origin_;
    s.shape = Shape::Simulation;
    const auto p = core::readNumber(p_->text().trimmed());
    const auto n = core::readNumber(n_->text().trimmed());
    const auto N = core::readNumber(samples_->text().trimmed());
    if (s.population.empty() && (!p || *p < 0 || *p > 1))
        return {std::nullopt, u"La proportion p est un nombre de 0 à 1."_s};
    const auto whole = [](const std::optional<double>& x) {
        return x && *x >= 1 && *x <= 1e9 && *x == std::floor(*x);
    };
    if (!whole(n) || !whole(N))
        return {std::nullopt, u"n et N sont des nombres entiers positifs."_s};
    s.p = p.value_or(0.5);
    s.n = qint64(*n);
    s.samples = qint64(*N);
    s.observedFrequency.reset();
    if (!observed_->text().trimmed().isEmpty()) {
        const auto f = core::readNumber(observed_->text().trimmed());
        if (!f || *f < 0 || *f > 1)
            return {std::nullopt, u"La fréquence observée est un nombre de 0 à 1."_s};
        s.observedFrequency = f;
    }
    return {s, {}};
}

// What is at fault in the data, read by a screen reader as it changes.
void DataEditor::tell() {
    const QString f = read().fault;
    if (f != fault_->text()) {
        fault_->setText(f);
        fault_->setAccessibleName(f.isEmpty() ? u"Faute des données"_s : f);
    }
    emit changed();
}

// A spreadsheet's header row, texts that are no numbers, names the series or the two
// variables instead of being typed as data.
void DataEditor::paste(const QString& text) {
    const QModelIndex at = table_->currentIndex();
    const int row = at.isValid() ? at.row() : 0;
    QString cells = text;
    const QStringList first = text.section(u'\n', 0, 0).trimmed().split(u'\t');
    const bool header = row == 0 && (shape() == Shape::Raw || shape() == Shape::Pairs) &&
                        !first.join(QString()).trimmed().isEmpty() &&
                        std::none_of(first.begin(), first.end(), [](const QString& c) {
                            return core::readNumber(c.trimmed()).has_value();
                        });
    if (header) {
        if (shape() == Shape::Raw) name_->setText(first[0].trimmed());
        if (shape() == Shape::Pairs && first.size() >= 2) {
            nameX_->setText(first[0].trimmed());
            nameY_->setText(first[1].trimmed());
        }
        cells = text.section(u'\n', 1);
    }
    grid_->paste(cells, row, at.isValid() ? at.column() : 0);
}

}  // namespace exercise_editor
