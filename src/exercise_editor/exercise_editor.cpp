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

Editeur_exercice::Editeur_exercice(const QString& dossier, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dossier_(dossier.isEmpty() ? core::dossierDuProfesseur() : dossier) {
    setObjectName(u"Editeur_exercice"_s);
    titre_ = new QLineEdit;
    titre_->setObjectName(u"Titre"_s);
    titre_->setAccessibleName(u"Titre"_s);
    niveau_ = new QComboBox;
    niveau_->setObjectName(u"Niveau"_s);
    niveau_->setAccessibleName(u"Niveau"_s);
    niveau_->addItem(u"(non précisé)"_s);
    niveau_->addItems(core::schoolLevels());
    themes_ = new QLineEdit;
    themes_->setObjectName(u"Themes"_s);
    themes_->setAccessibleName(u"Thèmes, séparés par des virgules"_s);
    themes_->setPlaceholderText(u"séparés par des virgules : moyenne, médiane, quartiles"_s);
    enonce_ = new QPlainTextEdit;
    enonce_->setObjectName(u"Enonce"_s);
    enonce_->setAccessibleName(u"Énoncé"_s);
    enonce_->setTabChangesFocus(true);
    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    form->addRow(u"&Titre :"_s, titre_);
    form->addRow(u"&Niveau :"_s, niveau_);
    form->addRow(u"T&hèmes :"_s, themes_);
    form->addRow(u"Énon&cé :"_s, enonce_);

    donnees_ = new DataEditor;
    donnees_->setObjectName(u"Donnees"_s);
    questions_ = new QuestionEditor;
    apercu_ = new Preview;
    apercu_->setObjectName(u"Apercu"_s);
    onglets_ = new QTabWidget;
    onglets_->setObjectName(u"Onglets"_s);
    onglets_->addTab(general, u"Exercice"_s);
    onglets_->addTab(donnees_, u"Données"_s);
    onglets_->addTab(questions_, u"Questions"_s);
    onglets_->addTab(apercu_, u"Aperçu"_s);

    etat_ = new QLabel;
    etat_->setObjectName(u"Label_fautes"_s);
    etat_->setAccessibleName(u"État de l'exercice"_s);
    etat_->setWordWrap(true);
    etat_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    enregistrer_ = new QPushButton(u"&Enregistrer"_s);
    enregistrer_->setObjectName(u"Command_enregistrer"_s);
    auto* annuler = new QPushButton(u"Annuler"_s);
    annuler->setObjectName(u"Command_annuler"_s);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(enregistrer_);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(onglets_, 1);
    tout->addWidget(etat_);
    tout->addLayout(boutons);
    resize(860, 640);

    connect(donnees_, &DataEditor::formeChanged, this,
            [this] { questions_->setForme(donnees_->forme(), !autres_.empty()); });
    connect(onglets_, &QTabWidget::currentChanged, this, [this](int onglet) {
        if (onglets_->widget(onglet) == apercu_) montrerApercu();
    });
    connect(enregistrer_, &QPushButton::clicked, this, [this] { enregistrer(); });
    connect(annuler, &QPushButton::clicked, this, &QWidget::close);
    nouveau();
    const auto suivre = [this] { montrerEtatDuFichier(); };
    connect(titre_, &QLineEdit::textChanged, this, suivre);
    connect(niveau_, &QComboBox::currentIndexChanged, this, suivre);
    connect(themes_, &QLineEdit::textChanged, this, suivre);
    connect(enonce_, &QPlainTextEdit::textChanged, this, suivre);
    connect(donnees_, &DataEditor::changed, this, suivre);
    connect(questions_, &QuestionEditor::changed, this, suivre);
}

void Editeur_exercice::montrerEtatDuFichier() {
    ui::showFileState(*this, chemin_, core::exerciceEnJson(exercice()) != enregistre_);
}

void Editeur_exercice::nouveau() {
    chemin_.clear();
    autres_.clear();
    titre_->clear();
    niveau_->setCurrentIndex(0);
    themes_->clear();
    enonce_->clear();
    core::ExerciseSeries vide;
    vide.nom = u"Série 1"_s;
    donnees_->setSerie(vide);
    questions_->setForme(donnees_->forme());
    questions_->setQuestions({});
    onglets_->setCurrentIndex(0);
    dire({}, false);
    setWindowTitle(u"Nouvel exercice"_s);
    enregistre_ = core::exerciceEnJson(exercice());
    montrerEtatDuFichier();
}

QString Editeur_exercice::ouvrir(const QString& chemin) {
    const core::ExerciseReading l = core::lireFichierExercice(chemin);
    if (!l.exercice) return l.faute;
    const core::Exercise& e = *l.exercice;
    chemin_ = chemin;
    titre_->setText(e.titre);
    niveau_->setCurrentIndex(std::max(0, niveau_->findText(e.niveau)));
    themes_->setText(e.themes.join(u", "_s));
    enonce_->setPlainText(e.enonce);
    donnees_->setSerie(e.series.front());
    autres_.assign(e.series.begin() + 1, e.series.end());
    questions_->setForme(donnees_->forme(), !autres_.empty());
    questions_->setQuestions(e.questions);
    onglets_->setCurrentIndex(0);
    dire(autres_.empty() ? QString()
                         : u"Les séries après la première sont gardées telles qu'elles sont."_s,
         false);
    setWindowTitle(u"Modifier l'exercice — "_s + e.titre);
    enregistre_ = core::exerciceEnJson(exercice());
    montrerEtatDuFichier();
    return {};
}

core::Exercise Editeur_exercice::exercice() const {
    core::Exercise e;
    e.titre = titre_->text().trimmed();
    e.niveau = niveau_->currentIndex() > 0 ? niveau_->currentText() : QString();
    for (const QString& t : themes_->text().split(u','))
        if (!t.trimmed().isEmpty()) e.themes << t.trimmed();
    e.enonce = enonce_->toPlainText().trimmed();
    if (const auto d = donnees_->lire(); d.serie) e.series.push_back(*d.serie);
    if (!e.series.empty()) e.series.insert(e.series.end(), autres_.begin(), autres_.end());
    e.questions = questions_->lire().questions;
    return e;
}

QStringList Editeur_exercice::fautes() const {
    QStringList f = questions_->lire().fautes;
    const QString donnees = donnees_->lire().faute;
    if (!f.isEmpty()) return f;
    f = core::fautesDeLExercice(exercice());
    // The typed data's own fault says more than "no data".
    if (!donnees.isEmpty())
        f.replaceInStrings(u"Les données sont vides."_s, u"Données : "_s + donnees);
    return f;
}

QString Editeur_exercice::enregistrer() {
    const QStringList f = fautes();
    if (!f.isEmpty()) {
        dire(u"L'exercice n'est pas enregistré :\n"_s + f.join(u'\n'), true);
        return {};
    }
    const core::Exercise e = exercice();
    // A shipped exercise changed is saved as the teacher's own, beside the others.
    const bool sien = !chemin_.isEmpty() &&
                      QFileInfo(chemin_).absolutePath() == QFileInfo(dossier_).absoluteFilePath();
    const QString chemin = sien ? chemin_ : core::cheminPourTitre(dossier_, e.titre);
    if (const QString pourquoi = core::enregistrerExercice(e, chemin); !pourquoi.isEmpty()) {
        dire(u"L'exercice n'est pas enregistré : "_s + pourquoi + u'.', true);
        return {};
    }
    chemin_ = chemin;
    enregistre_ = core::exerciceEnJson(e);
    setWindowTitle(u"Modifier l'exercice — "_s + e.titre);
    montrerEtatDuFichier();
    dire(u"Enregistré dans « %1 »."_s.arg(QDir::toNativeSeparators(chemin)), false);
    emit saved(chemin);
    return chemin;
}

bool Editeur_exercice::laisser(bool annulable) {
    const core::Exercise e = exercice();
    if (core::exerciceEnJson(e) == enregistre_) return true;
    QStringList boutons{u"Enregistrer"_s, u"Ne pas enregistrer"_s};
    if (annulable) boutons << u"Annuler"_s;
    const QString nom = e.titre.isEmpty() ? u"sans titre"_s : u"« %1 »"_s.arg(e.titre);
    switch (ui::ask(u"L'exercice %1 a été modifié. Voulez-vous l'enregistrer ?"_s.arg(nom), boutons,
                    annulable ? 2 : 1)) {
        case 0:
            return !enregistrer().isEmpty();
        case 1:
            enregistre_ = core::exerciceEnJson(e);
            montrerEtatDuFichier();
            return true;
        default:
            return false;
    }
}

void Editeur_exercice::closeEvent(QCloseEvent* event) {
    if (!laisser()) event->ignore();
}

// The preview reads the exercise back from the JSON it would be saved as.
void Editeur_exercice::montrerApercu() {
    const QStringList f = fautes();
    const core::ExerciseReading l = core::lireExercice(core::exerciceEnJson(exercice()));
    apercu_->montrer(l.exercice ? &*l.exercice : nullptr, f.join(u'\n'));
    if (!f.isEmpty()) dire(f.join(u'\n'), true);
}

// The state line, read by a screen reader as it changes.
void Editeur_exercice::dire(const QString& texte, bool faute) {
    etat_->setText(texte);
    etat_->setStyleSheet(faute ? u"color: rgb(176, 0, 0)"_s : u"color: rgb(0, 110, 40)"_s);
    const QString nom = texte.isEmpty() ? u"État de l'exercice"_s : texte;
    if (etat_->accessibleName() != nom) {
        etat_->setAccessibleName(nom);
        return;
    }
    QAccessibleEvent change(etat_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&change);
}
