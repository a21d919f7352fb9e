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

QLabel* texte(QWidget* parent, const QString& nom, const QString& lu) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (!lu.isEmpty()) l->setAccessibleName(lu);
    l->setAccessibleDescription(lu);
    return l;
}

// What a label shows is what a screen reader reads: its text as its name (its role, kept
// as its description, while it shows nothing), announced even when the same verdict
// comes again after another check.
void afficher(QLabel* l, const QString& shown) {
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
    if (const auto lu = core::readProgressFile(core::progressPath())) progres_ = *lu.value;

    auto* page = new QWidget;
    Label_titre = texte(page, u"Label_titre"_s, {});
    QFont gras = Label_titre->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    Label_titre->setFont(gras);
    Label_enonce = texte(page, u"Label_enonce"_s, u"Énoncé"_s);
    Table_donnees = new QTableView(page);
    Table_donnees->setObjectName(u"Table_donnees"_s);
    Table_donnees->setAccessibleName(u"Données de l'exercice"_s);
    Table_donnees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_donnees->verticalHeader()->hide();
    Table_donnees->setWordWrap(true);
    Table_donnees->setMinimumHeight(140);
    Label_serie = texte(page, u"Label_serie"_s, {});
    Text_serie = new QLineEdit(page);
    Text_serie->setObjectName(u"Text_serie"_s);
    Text_serie->setAccessibleName(u"Numéro de la série"_s);
    Text_serie->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,6}"_s), Text_serie));
    Text_serie->setMaximumWidth(120);
    questionsZone_ = new QWidget(page);
    questionsLayout_ = new QVBoxLayout(questionsZone_);
    questionsLayout_->setContentsMargins(0, 0, 0, 0);
    Label_score = texte(page, u"Label_score"_s, u"Score"_s);
    Command_verifier = ui::pushButton(page, u"Vérifier"_s, "Command_verifier");
    Command_indice = ui::pushButton(page, u"Indice"_s, "Command_indice");
    Command_solution = ui::pushButton(page, u"Solution"_s, "Command_solution");
    Command_nouvelles = ui::pushButton(page, u"Nouvelles données"_s, "Command_nouvelles");
    Command_tableau = ui::pushButton(page, u"Ouvrir dans le tableau"_s, "Command_tableau");
    Command_moodle = ui::pushButton(page, u"Exporter pour Moodle…"_s, "Command_moodle");

    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(Label_titre);
    colonne->addWidget(Label_enonce);
    colonne->addWidget(Table_donnees);
    auto* serie = new QHBoxLayout;
    auto* legendeSerie = new QLabel(u"Série &n° :"_s, page);
    legendeSerie->setBuddy(Text_serie);
    serie->addWidget(legendeSerie);
    serie->addWidget(Text_serie);
    serie->addWidget(Label_serie, 1);
    colonne->addLayout(serie);
    colonne->addWidget(questionsZone_);
    colonne->addStretch();
    auto* defile = new QScrollArea;
    defile->setWidget(page);
    defile->setWidgetResizable(true);
    defile->setFrameShape(QFrame::NoFrame);
    // The score and the buttons stay in sight however long the solutions grow.
    auto* droite = new QWidget;
    auto* pied = new QVBoxLayout(droite);
    pied->setContentsMargins(0, 0, 0, 0);
    pied->addWidget(defile, 1);
    Label_score->setParent(droite);
    pied->addWidget(Label_score);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {Command_verifier, Command_indice, Command_solution, Command_nouvelles,
                           Command_tableau, Command_moodle}) {
        b->setParent(droite);
        boutons->addWidget(b);
    }
    boutons->addStretch();
    pied->addLayout(boutons);
    auto* partage = new QSplitter(this);
    auto* gauche = new QWidget;
    auto* liste = new QVBoxLayout(gauche);
    liste->setContentsMargins(0, 0, 0, 0);
    liste->addWidget(Choix_niveau);
    liste->addWidget(Liste_exercices, 1);
    liste->addWidget(Command_effacer);
    partage->addWidget(gauche);
    partage->addWidget(droite);
    partage->setSizes({270, 830});
    partage->setChildrenCollapsible(false);
    (new QHBoxLayout(this))->addWidget(partage);

    using ui::guarded;
    const auto clic = [this](QPushButton* b, void (Exercices::*handler)()) {
        connect(b, &QPushButton::clicked, this, guarded([this, handler] { (this->*handler)(); }));
    };
    clic(Command_verifier, &Exercices::Command_verifier_Click);
    clic(Command_indice, &Exercices::Command_indice_Click);
    clic(Command_solution, &Exercices::Command_solution_Click);
    clic(Command_nouvelles, &Exercices::Command_nouvelles_Click);
    clic(Command_moodle, &Exercices::Command_moodle_Click);
    connect(Command_tableau, &QPushButton::clicked, this,
            guarded([this] { ouvrirDansLeTableau(0); }));
    connect(Text_serie, &QLineEdit::returnPressed, this, guarded([this] { Text_serie_Valider(); }));
    connect(Liste_exercices, &QListWidget::currentRowChanged, this,
            guarded([this] { Liste_exercices_Change(); }));
    connect(Choix_niveau, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_niveau_Change(); }));
    clic(Command_effacer, &Exercices::Command_effacer_Click);
    relire(core::dossiersDesExercices());
}

const core::Exercise* Exercices::exercice() const {
    return exercice_ ? &*exercice_ : nullptr;
}

void Exercices::relire(const QStringList& dossiers) {
    fichiers_ = core::exercicesDes(dossiers);
    listFiles(-1);
    Liste_exercices_Change();
}

void Exercices::Liste_exercices_Change() {
    const int i = currentFile();
    exercice_ = i >= 0 ? fichiers_[size_t(i)].lecture.exercice : std::nullopt;
    numero_ = 0;
    montrerExercice();
}

// The questions are made anew for each exercise: their number and kinds differ.
void Exercices::montrerExercice() {
    for (const Question& q : questions_) {
        delete q.enonce;
        delete q.reponse;
        delete q.resultat;
        delete q.indice;
        delete q.solution;
    }
    questions_.clear();
    for (QPushButton* b : {Command_verifier, Command_indice, Command_solution, Command_nouvelles,
                           Command_tableau, Command_moodle})
        b->setEnabled(exercice_.has_value());
    // Pairs and a simulation's parameters are no table of counts: they stay in this window.
    using Forme = core::ExerciseSeries::Forme;
    if (exercice_ && (exercice_->series.front().forme == Forme::Paires ||
                      exercice_->series.front().forme == Forme::Simulation))
        Command_tableau->setEnabled(false);
    Text_serie->setEnabled(exercice_.has_value());
    afficher(Label_score, {});
    if (!exercice_) {
        Label_titre->setText(fichiers_.empty() ? u"Aucun exercice n'a été trouvé."_s : QString());
        afficher(Label_enonce, {});
        Table_donnees->setModel(nullptr);
        return;
    }
    Label_titre->setText(exercice_->titre);
    afficher(Label_enonce, exercice_->enonce);
    for (int i = 0; i < int(exercice_->questions.size()); ++i) {
        const QString n = QString::number(i + 1);
        auto* grille = new QGridLayout;
        Question q;
        q.enonce = texte(questionsZone_, u"Label_question_"_s + n, {});
        q.enonce->setText(n + u") "_s + exercice_->questions[size_t(i)].texte);
        const QStringList choix = core::choixDe(*exercice_, i);
        if (choix.isEmpty()) {
            auto* ligne = new QLineEdit(questionsZone_);
            ligne->setValidator(new QRegularExpressionValidator(
                QRegularExpression(u"[-+0-9.,\\s\u00a0\u202f]{0,40}"_s), ligne));
            ligne->setMaximumWidth(200);
            connect(ligne, &QLineEdit::returnPressed, this,
                    ui::guarded([this] { Command_verifier_Click(); }));
            q.reponse = ligne;
        } else {
            auto* liste = new QComboBox(questionsZone_);
            liste->addItems(choix);
            liste->setPlaceholderText(u"Choisissez…"_s);
            liste->setCurrentIndex(-1);
            q.reponse = liste;
        }
        q.reponse->setObjectName(u"Reponse_"_s + n);
        q.reponse->setAccessibleName(u"Réponse à la question "_s + n);
        q.enonce->setBuddy(q.reponse);
        q.resultat = texte(questionsZone_, u"Resultat_"_s + n, u"Résultat de la question "_s + n);
        q.indice = texte(questionsZone_, u"Indice_"_s + n, u"Indice de la question "_s + n);
        q.solution = texte(questionsZone_, u"Solution_"_s + n, u"Solution de la question "_s + n);
        q.indice->setStyleSheet(u"color: rgb(0, 90, 160)"_s);
        q.solution->setStyleSheet(u"color: rgb(0, 110, 40)"_s);
        q.indice->hide();
        q.solution->hide();
        grille->addWidget(q.enonce, 0, 0, 1, 3);
        grille->addWidget(q.reponse, 1, 0);
        grille->addWidget(q.resultat, 1, 1);
        grille->setColumnStretch(2, 1);
        grille->addWidget(q.indice, 2, 0, 1, 3);
        grille->addWidget(q.solution, 3, 0, 1, 3);
        questionsLayout_->addLayout(grille);
        questions_.push_back(q);
    }
    // With several series, the table takes the one the learner picks.
    if (Command_tableau->menu()) Command_tableau->menu()->deleteLater();
    Command_tableau->setMenu(nullptr);
    if (exercice_->series.size() > 1) {
        auto* menu = new QMenu(Command_tableau);
        for (int s = 0; s < int(exercice_->series.size()); ++s)
            connect(menu->addAction(exercice_->series[size_t(s)].nom), &QAction::triggered, this,
                    ui::guarded([this, s] { ouvrirDansLeTableau(s); }));
        Command_tableau->setMenu(menu);
    }
    montrerDonnees();
}

// The data, the series' number, and every text that follows them.
void Exercices::montrerDonnees() {
    const core::DataTable d = core::tableDesDonnees(*exercice_);
    QAbstractItemModel* ancien = Table_donnees->model();
    auto* modele = new ui::TableModel(Table_donnees, d.colonnes);
    modele->setRows(int(d.lignes.size()), [d](int r) { return d.lignes[size_t(r)]; });
    Table_donnees->setModel(modele);
    delete ancien;
    // Raw values fill the width and wrap; a table's columns are as wide as their figures.
    Table_donnees->horizontalHeader()->setStretchLastSection(d.colonnes.last() == u"Valeurs");
    Table_donnees->resizeColumnsToContents();
    for (int c = 0; c < d.colonnes.size(); ++c)
        Table_donnees->setColumnWidth(c, std::max(Table_donnees->columnWidth(c), 110));
    Table_donnees->resizeRowsToContents();
    Text_serie->setText(numero_ ? QString::number(numero_) : QString());
    Label_serie->setText(numero_ ? u"Série n° %1"_s.arg(numero_)
                                 : u"Données de l'énoncé ; tapez un numéro pour d'autres "
                                   u"données, les mêmes pour toute la classe."_s);
    Label_score->clear();
    for (int i = 0; i < int(questions_.size()); ++i) {
        const Question& q = questions_[size_t(i)];
        afficher(q.resultat, {});
        if (auto* ligne = qobject_cast<QLineEdit*>(q.reponse)) ligne->clear();
        if (auto* liste = qobject_cast<QComboBox*>(q.reponse)) liste->setCurrentIndex(-1);
        afficher(q.indice, u"Indice : "_s + core::indiceDe(*exercice_, i));
        afficher(q.solution, u"Solution : "_s + core::solutionDe(*exercice_, i) +
                                 u"\nRéponse attendue : "_s + core::reponseAttendue(*exercice_, i));
    }
}

QString Exercices::reponse(int i) const {
    const QWidget* w = questions_[size_t(i)].reponse;
    if (auto* ligne = qobject_cast<const QLineEdit*>(w)) return ligne->text();
    if (auto* liste = qobject_cast<const QComboBox*>(w))
        return liste->currentIndex() < 0 ? QString() : liste->currentText();
    return {};
}

void Exercices::Command_verifier_Click() {
    int justes = 0;
    for (int i = 0; i < int(questions_.size()); ++i) {
        const core::Verdict v = core::verifier(*exercice_, i, reponse(i));
        QLabel* r = questions_[size_t(i)].resultat;
        afficher(r, core::texteDuVerdict(v));
        r->setStyleSheet(v == core::Verdict::Juste ? u"color: rgb(0, 120, 0); font-weight: bold"_s
                                                   : u"color: rgb(170, 0, 0); font-weight: bold"_s);
        justes += v == core::Verdict::Juste;
    }
    afficher(Label_score, core::texteDuScore(justes, int(questions_.size())));
    keepScore(justes);
}

void Exercices::Command_indice_Click() {
    for (const Question& q : questions_) q.indice->show();
}

void Exercices::Command_solution_Click() {
    for (const Question& q : questions_) q.solution->show();
}

// A new number from the program's generator, and the data it gives.
void Exercices::Command_nouvelles_Click() {
    tirer(1 + quint32(core::Random::next() * 9999));
}

// The exercises that read, the one shown ticked.
void Exercices::Command_moodle_Click() {
    std::vector<core::Exercise> lus;
    int coche = -1;
    for (size_t i = 0; i < fichiers_.size(); ++i) {
        if (!fichiers_[i].lecture.exercice) continue;
        if (int(i) == Liste_exercices->currentRow()) coche = int(lus.size());
        lus.push_back(*fichiers_[i].lecture.exercice);
    }
    ExportMoodle(this, std::move(lus), coche).exec();
}

void Exercices::Text_serie_Valider() {
    const QString t = Text_serie->text().trimmed();
    tirer(t.isEmpty() ? 0 : t.toUInt());
}

void Exercices::tirer(quint32 numero) {
    if (currentFile() < 0) return;
    const auto& origine = fichiers_[size_t(currentFile())].lecture.exercice;
    if (!origine) return;
    numero_ = numero;
    exercice_ = numero ? core::nouvellesDonnees(*origine, numero) : *origine;
    montrerDonnees();
}

void Exercices::ouvrirDansLeTableau(int serie) {
    if (!exercice_) return;
    emit tableRequested(core::versTableau(exercice_->series[size_t(serie)]));
}
