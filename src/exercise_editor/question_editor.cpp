#include "exercise_editor/question_editor.h"

#include "core/numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace exercise_editor {
namespace {

template <class W>
W* named(W* w, const char* name, const QString& read) {
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(read);
    return w;
}

QPlainTextEdit* zone(const char* name, const QString& read, int lines) {
    auto* z = named(new QPlainTextEdit, name, read);
    z->setTabChangesFocus(true);
    z->setMaximumHeight(z->fontMetrics().lineSpacing() * lines + 12);
    return z;
}

}  // namespace

QuestionEditor::QuestionEditor(QWidget* parent) : QWidget(parent) {
    list_ = named(new QListWidget, "Liste_questions", u"Questions"_s);
    auto* add = new QPushButton(u"&Ajouter"_s);
    auto* remove = new QPushButton(u"&Supprimer"_s);
    auto* moveUp = new QPushButton(u"&Monter"_s);
    auto* moveDown = new QPushButton(u"&Descendre"_s);
    add->setObjectName(u"Command_ajouter"_s);
    remove->setObjectName(u"Command_supprimer"_s);
    moveUp->setObjectName(u"Command_monter"_s);
    moveDown->setObjectName(u"Command_descendre"_s);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, moveUp, moveDown}) buttons->addWidget(b);
    left->addLayout(buttons);

    text_ = zone("Texte_question", u"Texte de la question"_s, 3);
    quantity_ = named(new QComboBox, "Quantite", u"Quantité demandée"_s);
    parameter_ = named(new QLineEdit, "Parametre", u"Valeur ou seuil"_s);
    method_ = named(new QComboBox, "Methode", u"Méthode d'ajustement"_s);
    method_->addItems({u"Moindres carrés"_s, u"Droite de Mayer"_s});
    variableChange_ = named(new QCheckBox(u"Ajuster ln &y en x (changement de variable)"_s),
                            "Changement", u"Ajuster ln y en x"_s);
    startFrom_ = named(new QComboBox, "Estimation_depart", u"Estimation à partir de"_s);
    startFrom_->addItems({u"de y, à partir de x ="_s, u"de x, à partir de y ="_s});
    startValue_ = named(new QLineEdit, "Estimation_valeur", u"Valeur de départ"_s);
    auto* estimation = new QWidget;
    auto* estimationLine = new QHBoxLayout(estimation);
    estimationLine->setContentsMargins(0, 0, 0, 0);
    estimationLine->addWidget(startFrom_);
    estimationLine->addWidget(startValue_, 1);
    k_ = named(new QComboBox, "Intervalle", u"Intervalle"_s);
    k_->addItems({u"p ± 1/√n"_s, u"m ± 1 s"_s, u"m ± 2 s"_s, u"m ± 3 s"_s});
    choices_ = zone("Choix", u"Choix proposés, un par ligne"_s, 4);
    answer_ = named(new QLineEdit, "Bonne_reponse", u"Bonne réponse"_s);
    precision_ = named(new QLineEdit, "Precision", u"Précision"_s);
    unit_ = named(new QLineEdit, "Unite", u"Unité"_s);
    hint_ = named(new QLineEdit, "Indice", u"Indice"_s);
    explanation_ = zone("Explication", u"Explication"_s, 3);

    auto* right = new QWidget;
    auto* column = new QVBoxLayout(right);
    details_ = new QFormLayout;
    column->addLayout(details_);
    column->addStretch();  // the fields stay together, whichever are shown
    details_->addRow(u"&Texte :"_s, text_);
    details_->addRow(u"&Quantité :"_s, quantity_);
    details_->addRow(u"&Valeur :"_s, parameter_);
    details_->addRow(u"Méth&ode :"_s, method_);
    details_->addRow(QString(), variableChange_);
    details_->addRow(u"Estimatio&n :"_s, estimation);
    details_->addRow(u"&Intervalle :"_s, k_);
    details_->addRow(u"C&hoix (un par ligne) :"_s, choices_);
    details_->addRow(u"&Bonne réponse :"_s, answer_);
    details_->addRow(u"&Précision :"_s, precision_);
    details_->addRow(u"&Unité :"_s, unit_);
    details_->addRow(u"Indi&ce :"_s, hint_);
    details_->addRow(u"E&xplication :"_s, explanation_);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 2);
    all->addWidget(right, 3);

    connect(add, &QPushButton::clicked, this, &QuestionEditor::add);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (current_ < 0) return;
        entries_.erase(entries_.begin() + current_);
        current_ = std::min(current_, int(entries_.size()) - 1);
        relist();
        emit changed();
    });
    connect(moveUp, &QPushButton::clicked, this, [this] { moveQuestion(-1); });
    connect(moveDown, &QPushButton::clicked, this, [this] { moveQuestion(1); });
    connect(list_, &QListWidget::currentRowChanged, this, &QuestionEditor::choose);
    for (QLineEdit* l : {parameter_, startValue_, answer_, precision_, unit_, hint_})
        connect(l, &QLineEdit::textChanged, this, &QuestionEditor::keep);
    for (QPlainTextEdit* z : {text_, choices_, explanation_})
        connect(z, &QPlainTextEdit::textChanged, this, &QuestionEditor::keep);
    for (QComboBox* c : {quantity_, method_, startFrom_, k_})
        connect(c, &QComboBox::currentIndexChanged, this, &QuestionEditor::keep);
    connect(variableChange_, &QCheckBox::toggled, this, &QuestionEditor::keep);
    listQuantities();
    choose(-1);
}

void QuestionEditor::setShape(core::ExerciseSeries::Shape shape, bool severalSeries) {
    shape_ = shape;
    severalSeries_ = severalSeries;
    listQuantities();
}

// The quantities of the shape, and the chosen question's own where the shape has it not,
// so that the check says why.
void QuestionEditor::listQuantities() {
    {
        const QScopedValueRollback loading(loading_, true);
        quantity_->clear();
        for (const core::OfferedQuantity& q : core::offeredQuantities(shape_))
            quantity_->addItem(q.caption, q.name);
        if (severalSeries_)
            for (const core::Quantity q : {core::Quantity::Largest, core::Quantity::Smallest})
                quantity_->addItem(core::captionOf(q), core::quantityName(q));
        if (current_ >= 0) {
            const core::Quantity q = entries_[size_t(current_)].question.quantity;
            const QString name = core::quantityName(q);
            if (quantity_->findData(name) < 0)
                quantity_->addItem(core::captionOf(q) + u" (ne convient pas à ces données)"_s,
                                   name);
            quantity_->setCurrentIndex(quantity_->findData(name));
        }
    }
    displayParameters();
}

void QuestionEditor::setQuestions(const std::vector<core::ExerciseQuestion>& questions) {
    entries_.clear();
    for (const core::ExerciseQuestion& q : questions) {
        const std::optional<double> startPoint = q.x ? q.x : q.y;
        entries_.push_back({q, core::textOfNumber(q.parameter), core::textOfNumber(q.precision),
                            startPoint ? core::textOfNumber(*startPoint) : QString()});
    }
    current_ = entries_.empty() ? -1 : 0;
    relist();
}

void QuestionEditor::add() {
    Entry s;
    const auto available = core::offeredQuantities(shape_);
    if (!available.empty()) s.question.quantity = available.front().quantity;
    s.precision = core::textOfNumber(s.question.precision);
    entries_.push_back(s);
    current_ = int(entries_.size()) - 1;
    relist();
    text_->setFocus();
    emit changed();
}

void QuestionEditor::moveQuestion(int step) {
    const int target = current_ + step;
    if (current_ < 0 || target < 0 || target >= int(entries_.size())) return;
    std::swap(entries_[size_t(current_)], entries_[size_t(target)]);
    current_ = target;
    relist();
    emit changed();
}

void QuestionEditor::relist() {
    const int kept = current_;
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (size_t i = 0; i < entries_.size(); ++i) list_->addItem(QString());
    }
    for (int i = 0; i < int(entries_.size()); ++i) {
        const core::ExerciseQuestion& q = entries_[size_t(i)].question;
        const QString text = q.text.trimmed().section(u'\n', 0, 0);
        list_->item(i)->setText(u"%1) %2"_s.arg(i + 1).arg(
            text.isEmpty() ? u"(sans texte) — "_s + core::captionOf(q.quantity) : text));
    }
    list_->setCurrentRow(kept);
    choose(kept);
}

void QuestionEditor::choose(int index) {
    current_ = index;
    {
        const QScopedValueRollback loading(loading_, true);
        const Entry s = index >= 0 ? entries_[size_t(index)] : Entry{};
        const core::ExerciseQuestion& q = s.question;
        text_->setPlainText(q.text);
        parameter_->setText(s.parameter);
        method_->setCurrentIndex(q.mayer ? 1 : 0);
        variableChange_->setChecked(q.lnY);
        startFrom_->setCurrentIndex(q.y ? 1 : 0);
        startValue_->setText(s.startPoint);
        k_->setCurrentIndex(q.k);
        choices_->setPlainText(q.choices.join(u'\n'));
        answer_->setText(q.answer);
        precision_->setText(s.precision);
        unit_->setText(q.unit);
        hint_->setText(q.hint);
        explanation_->setPlainText(q.explanation);
        listQuantities();
    }
    for (int i = 0; i < details_->rowCount(); ++i)
        if (auto* field = details_->itemAt(i, QFormLayout::FieldRole))
            field->widget()->setEnabled(index >= 0);
}

// What is typed goes into the question chosen at once.
void QuestionEditor::keep() {
    if (loading_ || current_ < 0) return;
    Entry& s = entries_[size_t(current_)];
    core::ExerciseQuestion& q = s.question;
    q.text = text_->toPlainText();
    if (const auto byName = core::quantityNamed(quantity_->currentData().toString()))
        q.quantity = *byName;
    s.parameter = parameter_->text();
    q.mayer = method_->currentIndex() == 1;
    q.lnY = variableChange_->isChecked();
    s.startPoint = startValue_->text();
    // Which of x or y the estimation starts from; its figure is read with the others.
    if (startFrom_->currentIndex() == 1) {
        q.y = q.y.value_or(0);
        q.x.reset();
    } else {
        q.x = q.x.value_or(0);
        q.y.reset();
    }
    q.k = k_->currentIndex();
    q.choices = choices_->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    for (QString& c : q.choices) c = c.trimmed();
    q.choices.removeAll(QString());
    q.answer = answer_->text().trimmed();
    s.precision = precision_->text();
    q.unit = unit_->text().trimmed();
    q.hint = hint_->text().trimmed();
    q.explanation = explanation_->toPlainText().trimmed();
    const QString text = q.text.trimmed().section(u'\n', 0, 0);
    list_->item(current_)->setText(
        u"%1) %2"_s.arg(current_ + 1)
            .arg(text.isEmpty() ? u"(sans texte) — "_s + core::captionOf(q.quantity) : text));
    displayParameters();
    emit changed();
}

void QuestionEditor::displayParameters() {
    const auto q = core::quantityNamed(quantity_->currentData().toString());
    const unsigned p = q ? core::parametersOf(*q) : 0u;
    const auto display = [this](QWidget* field, bool yes) { details_->setRowVisible(field, yes); };
    display(parameter_, p & (core::ParameterValue | core::ParameterThreshold));
    if (auto* l = qobject_cast<QLabel*>(details_->labelForField(parameter_)))
        l->setText(p & core::ParameterThreshold ? u"Seui&l :"_s : u"&Valeur :"_s);
    display(method_, p & core::ParameterMethod);
    display(variableChange_, p & core::ParameterChange);
    display(startFrom_->parentWidget(), p & core::ParameterXOrY);
    display(k_, p & core::ParameterK);
    display(choices_, p & core::ParameterChoice);
    display(answer_, q == core::Quantity::Choice);
    display(precision_, p & core::ParameterPrecision);
    display(unit_, p & core::ParameterPrecision);
}

QuestionEditor::TextReading QuestionEditor::read() const {
    TextReading l;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& s = entries_[i];
        core::ExerciseQuestion q = s.question;
        const unsigned p = core::parametersOf(q.quantity);
        const auto number = [&](const QString& text, const QString& what) {
            const auto x = core::readNumber(text.trimmed());
            if (text.trimmed().isEmpty())
                l.faults << u"Question %1 : %2 manque."_s.arg(i + 1).arg(what);
            else if (!x)
                l.faults << u"Question %1 : %2 « %3 » n'est pas un nombre."_s.arg(i + 1).arg(
                    what, text.trimmed());
            return x.value_or(0);
        };
        if (p & core::ParameterValue) q.parameter = number(s.parameter, u"la valeur"_s);
        if (p & core::ParameterThreshold) q.parameter = number(s.parameter, u"le seuil"_s);
        if (p & core::ParameterPrecision) {
            const double precision = number(s.precision, u"la précision"_s);
            if (precision != q.precision) q.tolerance = precision / 2;
            q.precision = precision;
        }
        q.x.reset();
        q.y.reset();
        if (p & core::ParameterXOrY)
            (s.question.y ? q.y : q.x) = number(s.startPoint, u"le point de départ"_s);
        if (!(p & core::ParameterMethod)) q.mayer = false;
        if (!(p & core::ParameterChange)) q.lnY = false;
        if (!(p & core::ParameterChoice)) q.choices.clear();
        if (q.quantity != core::Quantity::Choice) q.answer.clear();
        l.questions.push_back(q);
    }
    return l;
}

}  // namespace exercise_editor
