#include "exercise_editor/exercise_editor.h"

#include "core/exercises/editing.h"
#include "exercise_editor/data_editor.h"
#include "exercise_editor/preview.h"
#include "exercise_editor/question_editor.h"
#include "ui/file_state.h"
#include "ui/message_box.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace exercise_editor;

Editeur_exercice::Editeur_exercice(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder.isEmpty() ? core::teacherFolder() : folder) {
    setObjectName(u"Editeur_exercice"_s);
    title_ = new QLineEdit;
    title_->setObjectName(u"Titre"_s);
    title_->setAccessibleName(u"Titre"_s);
    level_ = new QComboBox;
    level_->setObjectName(u"Niveau"_s);
    level_->setAccessibleName(u"Niveau"_s);
    level_->addItem(u"(non précisé)"_s);
    level_->addItems(core::schoolLevels());
    themes_ = new QLineEdit;
    themes_->setObjectName(u"Themes"_s);
    themes_->setAccessibleName(u"Thèmes, séparés par des virgules"_s);
    themes_->setPlaceholderText(u"séparés par des virgules : moyenne, médiane, quartiles"_s);
    statement_ = new QPlainTextEdit;
    statement_->setObjectName(u"Enonce"_s);
    statement_->setAccessibleName(u"Énoncé"_s);
    statement_->setTabChangesFocus(true);
    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    form->addRow(u"&Titre :"_s, title_);
    form->addRow(u"&Niveau :"_s, level_);
    form->addRow(u"T&hèmes :"_s, themes_);
    form->addRow(u"Énon&cé :"_s, statement_);

    dataEditor_ = new DataEditor;
    dataEditor_->setObjectName(u"Donnees"_s);
    questions_ = new QuestionEditor;
    preview_ = new Preview;
    preview_->setObjectName(u"Apercu"_s);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(u"Onglets"_s);
    tabs_->addTab(general, u"Exercice"_s);
    tabs_->addTab(dataEditor_, u"Données"_s);
    tabs_->addTab(questions_, u"Questions"_s);
    tabs_->addTab(preview_, u"Aperçu"_s);

    stateLabel_ = new QLabel;
    stateLabel_->setObjectName(u"Label_fautes"_s);
    stateLabel_->setAccessibleName(u"État de l'exercice"_s);
    stateLabel_->setWordWrap(true);
    stateLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    saveButton_ = new QPushButton(u"&Enregistrer"_s);
    saveButton_->setObjectName(u"Command_enregistrer"_s);
    auto* cancel = new QPushButton(u"Annuler"_s);
    cancel->setObjectName(u"Command_annuler"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(tabs_, 1);
    all->addWidget(stateLabel_);
    all->addLayout(buttons);
    resize(860, 640);

    connect(dataEditor_, &DataEditor::shapeChanged, this,
            [this] { questions_->setShape(dataEditor_->shape(), !otherSeries_.empty()); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tabs_->widget(tab) == preview_) displayPreview();
    });
    connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    startNew();
    const auto follow = [this] { displayFileState(); };
    connect(title_, &QLineEdit::textChanged, this, follow);
    connect(level_, &QComboBox::currentIndexChanged, this, follow);
    connect(themes_, &QLineEdit::textChanged, this, follow);
    connect(statement_, &QPlainTextEdit::textChanged, this, follow);
    connect(dataEditor_, &DataEditor::changed, this, follow);
    connect(questions_, &QuestionEditor::changed, this, follow);
}

void Editeur_exercice::displayFileState() {
    ui::showFileState(*this, path_, core::exerciseJson(exercise()) != savedJson_);
}

void Editeur_exercice::startNew() {
    path_.clear();
    otherSeries_.clear();
    title_->clear();
    level_->setCurrentIndex(0);
    themes_->clear();
    statement_->clear();
    core::ExerciseSeries empty;
    empty.name = u"Série 1"_s;
    dataEditor_->setSeries(empty);
    questions_->setShape(dataEditor_->shape());
    questions_->setQuestions({});
    tabs_->setCurrentIndex(0);
    tell({}, false);
    setWindowTitle(u"Nouvel exercice"_s);
    savedJson_ = core::exerciseJson(exercise());
    displayFileState();
}

QString Editeur_exercice::open(const QString& path) {
    const core::ExerciseReading l = core::readExerciseFile(path);
    if (!l.value) return core::exerciseFault(l.error);
    const core::Exercise& e = *l.value;
    path_ = path;
    title_->setText(e.title);
    level_->setCurrentIndex(std::max(0, level_->findText(e.level)));
    themes_->setText(e.themes.join(u", "_s));
    statement_->setPlainText(e.statement);
    dataEditor_->setSeries(e.series.front());
    otherSeries_.assign(e.series.begin() + 1, e.series.end());
    questions_->setShape(dataEditor_->shape(), !otherSeries_.empty());
    questions_->setQuestions(e.questions);
    tabs_->setCurrentIndex(0);
    tell(otherSeries_.empty()
             ? QString()
             : u"Les séries après la première sont gardées telles qu'elles sont."_s,
         false);
    setWindowTitle(u"Modifier l'exercice — "_s + e.title);
    savedJson_ = core::exerciseJson(exercise());
    displayFileState();
    return {};
}

core::Exercise Editeur_exercice::exercise() const {
    core::Exercise e;
    e.title = title_->text().trimmed();
    e.level = level_->currentIndex() > 0 ? level_->currentText() : QString();
    for (const QString& t : themes_->text().split(u','))
        if (!t.trimmed().isEmpty()) e.themes << t.trimmed();
    e.statement = statement_->toPlainText().trimmed();
    if (const auto d = dataEditor_->read(); d.series) e.series.push_back(*d.series);
    if (!e.series.empty())
        e.series.insert(e.series.end(), otherSeries_.begin(), otherSeries_.end());
    e.questions = questions_->read().questions;
    return e;
}

QStringList Editeur_exercice::faults() const {
    QStringList f = questions_->read().faults;
    const QString givenData = dataEditor_->read().fault;
    if (!f.isEmpty()) return f;
    f = core::exerciseFaults(exercise());
    // The typed data's own fault says more than "no data".
    if (!givenData.isEmpty())
        f.replaceInStrings(u"Les données sont vides."_s, u"Données : "_s + givenData);
    return f;
}

QString Editeur_exercice::save() {
    const QStringList f = faults();
    if (!f.isEmpty()) {
        tell(u"L'exercice n'est pas enregistré :\n"_s + f.join(u'\n'), true);
        return {};
    }
    const core::Exercise e = exercise();
    // A shipped exercise changed is saved as the teacher's own, beside the others.
    const bool isOwn = !path_.isEmpty() &&
                       QFileInfo(path_).absolutePath() == QFileInfo(folder_).absoluteFilePath();
    const QString path = isOwn ? path_ : core::pathForTitle(folder_, e.title);
    if (const QString why = core::saveExercise(e, path); !why.isEmpty()) {
        tell(u"L'exercice n'est pas enregistré : "_s + why + u'.', true);
        return {};
    }
    path_ = path;
    savedJson_ = core::exerciseJson(e);
    setWindowTitle(u"Modifier l'exercice — "_s + e.title);
    displayFileState();
    tell(u"Enregistré dans « %1 »."_s.arg(QDir::toNativeSeparators(path)), false);
    emit saved(path);
    return path;
}

bool Editeur_exercice::mayLeave(bool cancellable) {
    const core::Exercise e = exercise();
    if (core::exerciseJson(e) == savedJson_) return true;
    QStringList buttons{u"Enregistrer"_s, u"Ne pas enregistrer"_s};
    if (cancellable) buttons << u"Annuler"_s;
    const QString name = e.title.isEmpty() ? u"sans titre"_s : u"« %1 »"_s.arg(e.title);
    switch (ui::ask(u"L'exercice %1 a été modifié. Voulez-vous l'enregistrer ?"_s.arg(name),
                    buttons, cancellable ? 2 : 1)) {
        case 0:
            return !save().isEmpty();
        case 1:
            savedJson_ = core::exerciseJson(e);
            displayFileState();
            return true;
        default:
            return false;
    }
}

void Editeur_exercice::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) event->ignore();
}

// The preview reads the exercise back from the JSON it would be saved as.
void Editeur_exercice::displayPreview() {
    const QStringList f = faults();
    const core::ExerciseReading l = core::readExercise(core::exerciseJson(exercise()));
    preview_->display(l.value ? &*l.value : nullptr, f.join(u'\n'));
    if (!f.isEmpty()) tell(f.join(u'\n'), true);
}

// The state line, read by a screen reader as it changes.
void Editeur_exercice::tell(const QString& text, bool fault) {
    stateLabel_->setText(text);
    stateLabel_->setStyleSheet(fault ? u"color: rgb(176, 0, 0)"_s : u"color: rgb(0, 110, 40)"_s);
    const QString name = text.isEmpty() ? u"État de l'exercice"_s : text;
    if (stateLabel_->accessibleName() != name) {
        stateLabel_->setAccessibleName(name);
        return;
    }
    QAccessibleEvent change(stateLabel_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&change);
}
