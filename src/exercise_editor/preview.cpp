#include "exercise_editor/preview.h"

#include "ui/table_model.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace exercise_editor {
namespace {

QLabel* caption(QWidget* parent, const QString& name, const QString& read) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setAccessibleDescription(read);
    return l;
}

void showText(QLabel* l, const QString& t) {
    l->setText(t);
    l->setAccessibleName(t.isEmpty() ? l->accessibleDescription() : t);
}

}  // namespace

Preview::Preview(QWidget* parent) : QWidget(parent) {
    auto* page = new QWidget;
    page->setObjectName(u"Page_apercu"_s);
    title_ = caption(page, u"Apercu_titre"_s, u"Titre"_s);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title_->setFont(bold);
    statement_ = caption(page, u"Apercu_enonce"_s, u"Énoncé"_s);
    table_ = new QTableView(page);
    table_->setObjectName(u"Apercu_donnees"_s);
    table_->setAccessibleName(u"Aperçu des données"_s);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setWordWrap(true);
    table_->setMinimumHeight(140);
    questions_ = new QWidget(page);
    questionsLayout_ = new QVBoxLayout(questions_);
    questionsLayout_->setContentsMargins(0, 0, 0, 0);
    auto* column = new QVBoxLayout(page);
    column->addWidget(title_);
    column->addWidget(statement_);
    column->addWidget(table_);
    column->addWidget(questions_);
    column->addStretch();
    auto* scrollArea = new QScrollArea;
    scrollArea->setWidget(page);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    page->setAutoFillBackground(true);
    QPalette whitePalette = page->palette();
    whitePalette.setColor(QPalette::Window, Qt::white);
    page->setPalette(whitePalette);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->addWidget(scrollArea);
}

void Preview::display(const core::Exercise* e, const QString& fault) {
    // The questions are made anew: their number and kinds differ.
    qDeleteAll(questions_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    while (QLayoutItem* item = questionsLayout_->takeAt(0)) delete item;
    QAbstractItemModel* oldModel = table_->model();
    table_->setModel(nullptr);
    delete oldModel;
    if (!e) {
        showText(title_, u"Aperçu impossible"_s);
        showText(statement_, fault);
        table_->hide();
        return;
    }
    showText(title_, e->title);
    showText(statement_, e->statement);
    const core::DataTable d = core::dataTable(*e);
    auto* model = new ui::TableModel(table_, d.columns);
    model->setRows(int(d.lines.size()), [d](int r) { return d.lines[size_t(r)]; });
    table_->setModel(model);
    table_->show();
    table_->horizontalHeader()->setStretchLastSection(d.columns.last() == u"Valeurs");
    table_->resizeColumnsToContents();
    for (int c = 0; c < d.columns.size(); ++c)
        table_->setColumnWidth(c, std::max(table_->columnWidth(c), 110));
    table_->resizeRowsToContents();
    for (int i = 0; i < int(e->questions.size()); ++i) {
        const QString n = QString::number(i + 1);
        auto* grid = new QGridLayout;
        QLabel* statement = caption(questions_, u"Apercu_question_"_s + n, {});
        showText(statement, n + u") "_s + e->questions[size_t(i)].text);
        const QStringList choices = core::choicesOf(*e, i);
        QWidget* answer;
        if (choices.isEmpty()) {
            auto* line = new QLineEdit(questions_);
            line->setMaximumWidth(200);
            answer = line;
        } else {
            auto* list = new QComboBox(questions_);
            list->addItems(choices);
            list->setPlaceholderText(u"Choisissez…"_s);
            list->setCurrentIndex(-1);
            answer = list;
        }
        answer->setObjectName(u"Apercu_reponse_"_s + n);
        answer->setAccessibleName(u"Aperçu de la réponse à la question "_s + n);
        answer->setEnabled(false);
        QLabel* expectedText = caption(questions_, u"Apercu_attendue_"_s + n,
                                       u"Réponse attendue à la question "_s + n);
        showText(expectedText, u"Réponse attendue : "_s + core::expectedAnswerOf(*e, i));
        expectedText->setStyleSheet(u"color: rgb(0, 110, 40); font-weight: bold"_s);
        QLabel* solution =
            caption(questions_, u"Apercu_solution_"_s + n, u"Solution de la question "_s + n);
        showText(solution, u"Solution : "_s + core::solutionOf(*e, i));
        solution->setStyleSheet(u"color: rgb(0, 110, 40)"_s);
        grid->addWidget(statement, 0, 0, 1, 3);
        grid->addWidget(answer, 1, 0);
        grid->addWidget(expectedText, 1, 1, 1, 2);
        grid->setColumnStretch(2, 1);
        grid->addWidget(solution, 2, 0, 1, 3);
        questionsLayout_->addLayout(grid);
    }
}

QString Preview::text() const {
    QStringList t{title_->text(), statement_->text()};
    for (QLabel* l : questions_->findChildren<QLabel*>()) t << l->text();
    return t.join(u'\n');
}

}  // namespace exercise_editor
