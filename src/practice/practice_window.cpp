#include "practice/practice_window.h"

#include "practice/quiz_export.h"

#include "core/random.h"
#include "practice/exercise_list.h"
#include "ui/command_button.h"
#include "ui/guarded.h"
#include "ui/look.h"
#include "ui/table_model.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* text(QWidget* parent, const QString& name, const QString& read) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (!read.isEmpty()) l->setAccessibleName(read);
    l->setAccessibleDescription(read);
    return l;
}

// What a label shows is what a screen reader reads: its text as its name (its role, kept
// as its description, while it shows nothing), announced even when the same verdict
// comes again after another check.
void showText(QLabel* l, const QString& shown) {
    l->setText(shown);
    const QString name = shown.isEmpty() ? l->accessibleDescription() : shown;
    if (l->accessibleName() != name) {
        l->setAccessibleName(name);
        return;
    }
    QAccessibleEvent changed(l, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace

Exercices::Exercices()
    : ui::Form({.caption = u"Exercices"_s,
                .clientWidth = 16500,
                .clientHeight = 11250,
                .background = ui::rgb(255, 255, 255)}) {
    setObjectName(u"Exercices"_s);
    setAttribute(Qt::WA_QuitOnClose, false);

    Liste_exercices = new QListWidget(this);
    Liste_exercices->setObjectName(u"Liste_exercices"_s);
    Liste_exercices->setAccessibleName(u"Exercices"_s);
    Choix_niveau = new QComboBox(this);
    Choix_niveau->setObjectName(u"Choix_niveau"_s);
    Choix_niveau->setAccessibleName(u"Niveau"_s);
    Choix_niveau->addItem(u"Tous les niveaux"_s);
    Choix_niveau->addItems(core::schoolLevels());
    Command_effacer = ui::pushButton(this, u"Effacer mes résultats"_s, "Command_effacer");
    if (const auto read = core::readProgressFile(core::progressPath())) progress_ = *read.value;

    auto* page = new QWidget;
    Label_titre = text(page, u"Label_titre"_s, {});
    QFont bold = Label_titre->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    Label_titre->setFont(bold);
    Label_enonce = text(page, u"Label_enonce"_s, u"Énoncé"_s);
    Table_donnees = new QTableView(page);
    Table_donnees->setObjectName(u"Table_donnees"_s);
    Table_donnees->setAccessibleName(u"Données de l'exercice"_s);
    Table_donnees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_donnees->verticalHeader()->hide();
    Table_donnees->setWordWrap(true);
    Table_donnees->setMinimumHeight(140);
    Label_serie = text(page, u"Label_serie"_s, {});
    Text_serie = new QLineEdit(page);
    Text_serie->setObjectName(u"Text_serie"_s);
    Text_serie->setAccessibleName(u"Numéro de la série"_s);
    Text_serie->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,6}"_s), Text_serie));
    Text_serie->setMaximumWidth(120);
    questionsZone_ = new QWidget(page);
    questionsLayout_ = new QVBoxLayout(questionsZone_);
    questionsLayout_->setContentsMargins(0, 0, 0, 0);
    Label_score = text(page, u"Label_score"_s, u"Score"_s);
    Command_verifier = ui::pushButton(page, u"Vérifier"_s, "Command_verifier");
    Command_indice = ui::pushButton(page, u"Indice"_s, "Command_indice");
    Command_solution = ui::pushButton(page, u"Solution"_s, "Command_solution");
    Command_nouvelles = ui::pushButton(page, u"Nouvelles données"_s, "Command_nouvelles");
    Command_tableau = ui::pushButton(page, u"Ouvrir dans le tableau"_s, "Command_tableau");
    Command_moodle = ui::pushButton(page, u"Exporter pour Moodle…"_s, "Command_moodle");

    auto* column = new QVBoxLayout(page);
    column->addWidget(Label_titre);
    column->addWidget(Label_enonce);
    column->addWidget(Table_donnees);
    auto* series = new QHBoxLayout;
    auto* seriesLabel = new QLabel(u"Série &n° :"_s, page);
    seriesLabel->setBuddy(Text_serie);
    series->addWidget(seriesLabel);
    series->addWidget(Text_serie);
    series->addWidget(Label_serie, 1);
    column->addLayout(series);
    column->addWidget(questionsZone_);
    column->addStretch();
    auto* scrollArea = new QScrollArea;
    scrollArea->setWidget(page);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    // The score and the buttons stay in sight however long the solutions grow.
    auto* right = new QWidget;
    auto* foot = new QVBoxLayout(right);
    foot->setContentsMargins(0, 0, 0, 0);
    foot->addWidget(scrollArea, 1);
    Label_score->setParent(right);
    foot->addWidget(Label_score);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command_verifier, Command_indice, Command_solution, Command_nouvelles,
                           Command_tableau, Command_moodle}) {
        b->setParent(right);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    foot->addLayout(buttons);
    auto* splitter = new QSplitter(this);
    auto* left = new QWidget;
    auto* list = new QVBoxLayout(left);
    list->setContentsMargins(0, 0, 0, 0);
    list->addWidget(Choix_niveau);
    list->addWidget(Liste_exercices, 1);
    list->addWidget(Command_effacer);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setSizes({270, 830});
    splitter->setChildrenCollapsible(false);
    (new QHBoxLayout(this))->addWidget(splitter);

    using ui::guarded;
    const auto wireClick = [this](QPushButton* b, void (Exercices::*handler)()) {
        connect(b, &QPushButton::clicked, this, guarded([this, handler] { (this->*handler)(); }));
    };
    wireClick(Command_verifier, &Exercices::Command_verifier_Click);
    wireClick(Command_indice, &Exercices::Command_indice_Click);
    wireClick(Command_solution, &Exercices::Command_solution_Click);
    wireClick(Command_nouvelles, &Exercices::Command_nouvelles_Click);
    wireClick(Command_moodle, &Exercices::Command_moodle_Click);
    connect(Command_tableau, &QPushButton::clicked, this, guarded([this] { openInTable(0); }));
    connect(Text_serie, &QLineEdit::returnPressed, this, guarded([this] { Text_serie_Valider(); }));
    connect(Liste_exercices, &QListWidget::currentRowChanged, this,
            guarded([this] { Liste_exercices_Change(); }));
    connect(Choix_niveau, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_niveau_Change(); }));
    wireClick(Command_effacer, &Exercices::Command_effacer_Click);
    reread(core::exerciseFolders());
}

const core::Exercise* Exercices::exercise() const {
    return exercise_ ? &*exercise_ : nullptr;
}

void Exercices::reread(const QStringList& folders) {
    files_ = core::exercisesIn(folders);
    listFiles(-1);
    Liste_exercices_Change();
}

void Exercices::Liste_exercices_Change() {
    const int i = currentFile();
    exercise_ = i >= 0 ? files_[size_t(i)].reading.value : std::nullopt;
    serial_ = 0;
    displayExercise();
}

// The questions are made anew for each exercise: their number and kinds differ.
void Exercices::displayExercise() {
    for (const Question& q : questions_) {
        delete q.statement;
        delete q.answer;
        delete q.result;
        delete q.indice;
        delete q.solution;
    }
    questions_.clear();
    for (QPushButton* b : {Command_verifier, Command_indice, Command_solution, Command_nouvelles,
                           Command_tableau, Command_moodle})
        b->setEnabled(exercise_.has_value());
    // Pairs and a simulation's parameters are no table of counts: they stay in this window.
    using Shape = core::ExerciseSeries::Shape;
    if (exercise_ && (exercise_->series.front().shape == Shape::Pairs ||
                      exercise_->series.front().shape == Shape::Simulation))
        Command_tableau->setEnabled(false);
    Text_serie->setEnabled(exercise_.has_value());
    showText(Label_score, {});
    if (!exercise_) {
        Label_titre->setText(files_.empty() ? u"Aucun exercice n'a été trouvé."_s : QString());
        showText(Label_enonce, {});
        Table_donnees->setModel(nullptr);
        return;
    }
    Label_titre->setText(exercise_->title);
    showText(Label_enonce, exercise_->statement);
    for (int i = 0; i < int(exercise_->questions.size()); ++i) {
        const QString n = QString::number(i + 1);
        auto* grid = new QGridLayout;
        Question q;
        q.statement = text(questionsZone_, u"Label_question_"_s + n, {});
        q.statement->setText(n + u") "_s + exercise_->questions[size_t(i)].text);
        const QStringList choices = core::choicesOf(*exercise_, i);
        if (choices.isEmpty()) {
            auto* line = new QLineEdit(questionsZone_);
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(u"[-+0-9.,\\s\u00a0\u202f]{0,40}"_s), line));
            line->setMaximumWidth(200);
            connect(line, &QLineEdit::returnPressed, this,
                    ui::guarded([this] { Command_verifier_Click(); }));
            q.answer = line;
        } else {
            auto* list = new QComboBox(questionsZone_);
            list->addItems(choices);
            list->setPlaceholderText(u"Choisissez…"_s);
            list->setCurrentIndex(-1);
            q.answer = list;
        }
        q.answer->setObjectName(u"Reponse_"_s + n);
        q.answer->setAccessibleName(u"Réponse à la question "_s + n);
        q.statement->setBuddy(q.answer);
        q.result = text(questionsZone_, u"Resultat_"_s + n, u"Résultat de la question "_s + n);
        q.indice = text(questionsZone_, u"Indice_"_s + n, u"Indice de la question "_s + n);
        q.solution = text(questionsZone_, u"Solution_"_s + n, u"Solution de la question "_s + n);
        q.indice->setStyleSheet(u"color: rgb(0, 90, 160)"_s);
        q.solution->setStyleSheet(u"color: rgb(0, 110, 40)"_s);
        q.indice->hide();
        q.solution->hide();
        grid->addWidget(q.statement, 0, 0, 1, 3);
        grid->addWidget(q.answer, 1, 0);
        grid->addWidget(q.result, 1, 1);
        grid->setColumnStretch(2, 1);
        grid->addWidget(q.indice, 2, 0, 1, 3);
        grid->addWidget(q.solution, 3, 0, 1, 3);
        questionsLayout_->addLayout(grid);
        questions_.push_back(q);
    }
    // With several series, the table takes the one the learner picks.
    if (Command_tableau->menu()) Command_tableau->menu()->deleteLater();
    Command_tableau->setMenu(nullptr);
    if (exercise_->series.size() > 1) {
        auto* menu = new QMenu(Command_tableau);
        for (int s = 0; s < int(exercise_->series.size()); ++s)
            connect(menu->addAction(exercise_->series[size_t(s)].name), &QAction::triggered, this,
                    ui::guarded([this, s] { openInTable(s); }));
        Command_tableau->setMenu(menu);
    }
    displayData();
}

// The data, the series' number, and every text that follows them.
void Exercices::displayData() {
    const core::DataTable d = core::dataTable(*exercise_);
    QAbstractItemModel* oldModel = Table_donnees->model();
    auto* model = new ui::TableModel(Table_donnees, d.columns);
    model->setRows(int(d.lines.size()), [d](int r) { return d.lines[size_t(r)]; });
    Table_donnees->setModel(model);
    delete oldModel;
    // Raw values fill the width and wrap; a table's columns are as wide as their figures.
    Table_donnees->horizontalHeader()->setStretchLastSection(d.columns.last() == u"Valeurs");
    Table_donnees->resizeColumnsToContents();
    for (int c = 0; c < d.columns.size(); ++c)
        Table_donnees->setColumnWidth(c, std::max(Table_donnees->columnWidth(c), 110));
    Table_donnees->resizeRowsToContents();
    Text_serie->setText(serial_ ? QString::number(serial_) : QString());
    Label_serie->setText(serial_ ? u"Série n° %1"_s.arg(serial_)
                                 : u"Données de l'énoncé ; tapez un numéro pour d'autres "
                                   u"données, les mêmes pour toute la classe."_s);
    Label_score->clear();
    for (int i = 0; i < int(questions_.size()); ++i) {
        const Question& q = questions_[size_t(i)];
        showText(q.result, {});
        if (auto* line = qobject_cast<QLineEdit*>(q.answer)) line->clear();
        if (auto* list = qobject_cast<QComboBox*>(q.answer)) list->setCurrentIndex(-1);
        showText(q.indice, u"Indice : "_s + core::hintOf(*exercise_, i));
        showText(q.solution, u"Solution : "_s + core::solutionOf(*exercise_, i) +
                                 u"\nRéponse attendue : "_s +
                                 core::expectedAnswerOf(*exercise_, i));
    }
}

QString Exercices::answer(int i) const {
    const QWidget* w = questions_[size_t(i)].answer;
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    if (auto* list = qobject_cast<const QComboBox*>(w))
        return list->currentIndex() < 0 ? QString() : list->currentText();
    return {};
}

void Exercices::Command_verifier_Click() {
    int rightOnes = 0;
    for (int i = 0; i < int(questions_.size()); ++i) {
        const core::Verdict v = core::check(*exercise_, i, answer(i));
        QLabel* r = questions_[size_t(i)].result;
        showText(r, core::verdictText(v));
        r->setStyleSheet(v == core::Verdict::Right ? u"color: rgb(0, 120, 0); font-weight: bold"_s
                                                   : u"color: rgb(170, 0, 0); font-weight: bold"_s);
        rightOnes += v == core::Verdict::Right;
    }
    showText(Label_score, core::scoreText(rightOnes, int(questions_.size())));
    keepScore(rightOnes);
}

void Exercices::Command_indice_Click() {
    for (const Question& q : questions_) q.indice->show();
}

void Exercices::Command_solution_Click() {
    for (const Question& q : questions_) q.solution->show();
}

// A new number from the program's generator, and the data it gives.
void Exercices::Command_nouvelles_Click() {
    drawNew(1 + quint32(core::Random::next() * 9999));
}

// The exercises that read, the one shown ticked.
void Exercices::Command_moodle_Click() {
    std::vector<core::Exercise> allRead;
    int checkedRow = -1;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (!files_[i].reading.value) continue;
        if (int(i) == Liste_exercices->currentRow()) checkedRow = int(allRead.size());
        allRead.push_back(*files_[i].reading.value);
    }
    ExportMoodle(this, std::move(allRead), checkedRow).exec();
}

void Exercices::Text_serie_Valider() {
    const QString t = Text_serie->text().trimmed();
    drawNew(t.isEmpty() ? 0 : t.toUInt());
}

void Exercices::drawNew(quint32 serial) {
    if (currentFile() < 0) return;
    const auto& origin = files_[size_t(currentFile())].reading.value;
    if (!origin) return;
    serial_ = serial;
    exercise_ = serial ? core::withNewData(*origin, serial) : *origin;
    displayData();
}

void Exercices::openInTable(int series) {
    if (!exercise_) return;
    emit tableRequested(core::toTable(exercise_->series[size_t(series)]));
}
