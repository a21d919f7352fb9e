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

QLabel* libelle(QWidget* parent, const QString& nom, const QString& lu) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setAccessibleDescription(lu);
    return l;
}

void afficher(QLabel* l, const QString& t) {
    l->setText(t);
    l->setAccessibleName(t.isEmpty() ? l->accessibleDescription() : t);
}

}  // namespace

Preview::Preview(QWidget* parent) : QWidget(parent) {
    auto* page = new QWidget;
    page->setObjectName(u"Page_apercu"_s);
    titre_ = libelle(page, u"Apercu_titre"_s, u"Titre"_s);
    QFont gras = titre_->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    titre_->setFont(gras);
    enonce_ = libelle(page, u"Apercu_enonce"_s, u"Énoncé"_s);
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
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(titre_);
    colonne->addWidget(enonce_);
    colonne->addWidget(table_);
    colonne->addWidget(questions_);
    colonne->addStretch();
    auto* defile = new QScrollArea;
    defile->setWidget(page);
    defile->setWidgetResizable(true);
    defile->setFrameShape(QFrame::NoFrame);
    page->setAutoFillBackground(true);
    QPalette blanc = page->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    page->setPalette(blanc);
    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(0, 0, 0, 0);
    tout->addWidget(defile);
}

void Preview::montrer(const core::Exercise* e, const QString& faute) {
    // The questions are made anew: their number and kinds differ.
    qDeleteAll(questions_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    while (QLayoutItem* item = questionsLayout_->takeAt(0)) delete item;
    QAbstractItemModel* ancien = table_->model();
    table_->setModel(nullptr);
    delete ancien;
    if (!e) {
        afficher(titre_, u"Aperçu impossible"_s);
        afficher(enonce_, faute);
        table_->hide();
        return;
    }
    afficher(titre_, e->titre);
    afficher(enonce_, e->enonce);
    const core::DataTable d = core::tableDesDonnees(*e);
    auto* modele = new ui::TableModel(table_, d.colonnes);
    modele->setRows(int(d.lignes.size()), [d](int r) { return d.lignes[size_t(r)]; });
    table_->setModel(modele);
    table_->show();
    table_->horizontalHeader()->setStretchLastSection(d.colonnes.last() == u"Valeurs");
    table_->resizeColumnsToContents();
    for (int c = 0; c < d.colonnes.size(); ++c)
        table_->setColumnWidth(c, std::max(table_->columnWidth(c), 110));
    table_->resizeRowsToContents();
    for (int i = 0; i < int(e->questions.size()); ++i) {
        const QString n = QString::number(i + 1);
        auto* grille = new QGridLayout;
        QLabel* enonce = libelle(questions_, u"Apercu_question_"_s + n, {});
        afficher(enonce, n + u") "_s + e->questions[size_t(i)].texte);
        const QStringList choix = core::choixDe(*e, i);
        QWidget* reponse;
        if (choix.isEmpty()) {
            auto* ligne = new QLineEdit(questions_);
            ligne->setMaximumWidth(200);
            reponse = ligne;
        } else {
            auto* liste = new QComboBox(questions_);
            liste->addItems(choix);
            liste->setPlaceholderText(u"Choisissez…"_s);
            liste->setCurrentIndex(-1);
            reponse = liste;
        }
        reponse->setObjectName(u"Apercu_reponse_"_s + n);
        reponse->setAccessibleName(u"Aperçu de la réponse à la question "_s + n);
        reponse->setEnabled(false);
        QLabel* attendue = libelle(questions_, u"Apercu_attendue_"_s + n,
                                   u"Réponse attendue à la question "_s + n);
        afficher(attendue, u"Réponse attendue : "_s + core::reponseAttendue(*e, i));
        attendue->setStyleSheet(u"color: rgb(0, 110, 40); font-weight: bold"_s);
        QLabel* solution =
            libelle(questions_, u"Apercu_solution_"_s + n, u"Solution de la question "_s + n);
        afficher(solution, u"Solution : "_s + core::solutionDe(*e, i));
        solution->setStyleSheet(u"color: rgb(0, 110, 40)"_s);
        grille->addWidget(enonce, 0, 0, 1, 3);
        grille->addWidget(reponse, 1, 0);
        grille->addWidget(attendue, 1, 1, 1, 2);
        grille->setColumnStretch(2, 1);
        grille->addWidget(solution, 2, 0, 1, 3);
        questionsLayout_->addLayout(grille);
    }
}

QString Preview::texte() const {
    QStringList t{titre_->text(), enonce_->text()};
    for (QLabel* l : questions_->findChildren<QLabel*>()) t << l->text();
    return t.join(u'\n');
}

}  // namespace exercise_editor
