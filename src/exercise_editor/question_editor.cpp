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
W* nomme(W* w, const char* nom, const QString& lu) {
    w->setObjectName(QString::fromLatin1(nom));
    w->setAccessibleName(lu);
    return w;
}

QPlainTextEdit* zone(const char* nom, const QString& lu, int lignes) {
    auto* z = nomme(new QPlainTextEdit, nom, lu);
    z->setTabChangesFocus(true);
    z->setMaximumHeight(z->fontMetrics().lineSpacing() * lignes + 12);
    return z;
}

}  // namespace

QuestionEditor::QuestionEditor(QWidget* parent) : QWidget(parent) {
    liste_ = nomme(new QListWidget, "Liste_questions", u"Questions"_s);
    auto* ajouter = new QPushButton(u"&Ajouter"_s);
    auto* supprimer = new QPushButton(u"&Supprimer"_s);
    auto* monter = new QPushButton(u"&Monter"_s);
    auto* descendre = new QPushButton(u"&Descendre"_s);
    ajouter->setObjectName(u"Command_ajouter"_s);
    supprimer->setObjectName(u"Command_supprimer"_s);
    monter->setObjectName(u"Command_monter"_s);
    descendre->setObjectName(u"Command_descendre"_s);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(liste_, 1);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {ajouter, supprimer, monter, descendre}) boutons->addWidget(b);
    gauche->addLayout(boutons);

    texte_ = zone("Texte_question", u"Texte de la question"_s, 3);
    quantite_ = nomme(new QComboBox, "Quantite", u"Quantité demandée"_s);
    parametre_ = nomme(new QLineEdit, "Parametre", u"Valeur ou seuil"_s);
    methode_ = nomme(new QComboBox, "Methode", u"Méthode d'ajustement"_s);
    methode_->addItems({u"Moindres carrés"_s, u"Droite de Mayer"_s});
    changement_ = nomme(new QCheckBox(u"Ajuster ln &y en x (changement de variable)"_s),
                        "Changement", u"Ajuster ln y en x"_s);
    depart_ = nomme(new QComboBox, "Estimation_depart", u"Estimation à partir de"_s);
    depart_->addItems({u"de y, à partir de x ="_s, u"de x, à partir de y ="_s});
    departValeur_ = nomme(new QLineEdit, "Estimation_valeur", u"Valeur de départ"_s);
    auto* estimation = new QWidget;
    auto* ligneEstimation = new QHBoxLayout(estimation);
    ligneEstimation->setContentsMargins(0, 0, 0, 0);
    ligneEstimation->addWidget(depart_);
    ligneEstimation->addWidget(departValeur_, 1);
    k_ = nomme(new QComboBox, "Intervalle", u"Intervalle"_s);
    k_->addItems({u"p ± 1/√n"_s, u"m ± 1 s"_s, u"m ± 2 s"_s, u"m ± 3 s"_s});
    choix_ = zone("Choix", u"Choix proposés, un par ligne"_s, 4);
    reponse_ = nomme(new QLineEdit, "Bonne_reponse", u"Bonne réponse"_s);
    precision_ = nomme(new QLineEdit, "Precision", u"Précision"_s);
    unite_ = nomme(new QLineEdit, "Unite", u"Unité"_s);
    indice_ = nomme(new QLineEdit, "Indice", u"Indice"_s);
    explication_ = zone("Explication", u"Explication"_s, 3);

    auto* droite = new QWidget;
    auto* colonne = new QVBoxLayout(droite);
    details_ = new QFormLayout;
    colonne->addLayout(details_);
    colonne->addStretch();  // the fields stay together, whichever are shown
    details_->addRow(u"&Texte :"_s, texte_);
    details_->addRow(u"&Quantité :"_s, quantite_);
    details_->addRow(u"&Valeur :"_s, parametre_);
    details_->addRow(u"Méth&ode :"_s, methode_);
    details_->addRow(QString(), changement_);
    details_->addRow(u"Estimatio&n :"_s, estimation);
    details_->addRow(u"&Intervalle :"_s, k_);
    details_->addRow(u"C&hoix (un par ligne) :"_s, choix_);
    details_->addRow(u"&Bonne réponse :"_s, reponse_);
    details_->addRow(u"&Précision :"_s, precision_);
    details_->addRow(u"&Unité :"_s, unite_);
    details_->addRow(u"Indi&ce :"_s, indice_);
    details_->addRow(u"E&xplication :"_s, explication_);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(gauche, 2);
    tout->addWidget(droite, 3);

    connect(ajouter, &QPushButton::clicked, this, &QuestionEditor::ajouter);
    connect(supprimer, &QPushButton::clicked, this, [this] {
        if (courante_ < 0) return;
        saisies_.erase(saisies_.begin() + courante_);
        courante_ = std::min(courante_, int(saisies_.size()) - 1);
        relister();
        emit changed();
    });
    connect(monter, &QPushButton::clicked, this, [this] { deplacer(-1); });
    connect(descendre, &QPushButton::clicked, this, [this] { deplacer(1); });
    connect(liste_, &QListWidget::currentRowChanged, this, &QuestionEditor::choisir);
    for (QLineEdit* l : {parametre_, departValeur_, reponse_, precision_, unite_, indice_})
        connect(l, &QLineEdit::textChanged, this, &QuestionEditor::garder);
    for (QPlainTextEdit* z : {texte_, choix_, explication_})
        connect(z, &QPlainTextEdit::textChanged, this, &QuestionEditor::garder);
    for (QComboBox* c : {quantite_, methode_, depart_, k_})
        connect(c, &QComboBox::currentIndexChanged, this, &QuestionEditor::garder);
    connect(changement_, &QCheckBox::toggled, this, &QuestionEditor::garder);
    listerQuantites();
    choisir(-1);
}

void QuestionEditor::setForme(core::ExerciseSeries::Forme forme, bool plusieursSeries) {
    forme_ = forme;
    plusieursSeries_ = plusieursSeries;
    listerQuantites();
}

// The quantities of the shape, and the chosen question's own where the shape has it not,
// so that the check says why.
void QuestionEditor::listerQuantites() {
    {
        const QScopedValueRollback chargement(chargement_, true);
        quantite_->clear();
        for (const core::OfferedQuantity& q : core::quantitesOffertes(forme_))
            quantite_->addItem(q.libelle, q.nom);
        if (plusieursSeries_)
            for (const core::Quantity q : {core::Quantity::PlusGrand, core::Quantity::PlusPetit})
                quantite_->addItem(core::libelleDe(q), core::nomDeQuantite(q));
        if (courante_ >= 0) {
            const core::Quantity q = saisies_[size_t(courante_)].question.quantite;
            const QString nom = core::nomDeQuantite(q);
            if (quantite_->findData(nom) < 0)
                quantite_->addItem(core::libelleDe(q) + u" (ne convient pas à ces données)"_s, nom);
            quantite_->setCurrentIndex(quantite_->findData(nom));
        }
    }
    montrerParametres();
}

void QuestionEditor::setQuestions(const std::vector<core::ExerciseQuestion>& questions) {
    saisies_.clear();
    for (const core::ExerciseQuestion& q : questions) {
        const std::optional<double> depart = q.x ? q.x : q.y;
        saisies_.push_back({q, core::textOfNumber(q.parametre), core::textOfNumber(q.precision),
                            depart ? core::textOfNumber(*depart) : QString()});
    }
    courante_ = saisies_.empty() ? -1 : 0;
    relister();
}

void QuestionEditor::ajouter() {
    Saisie s;
    const auto offertes = core::quantitesOffertes(forme_);
    if (!offertes.empty()) s.question.quantite = offertes.front().quantite;
    s.precision = core::textOfNumber(s.question.precision);
    saisies_.push_back(s);
    courante_ = int(saisies_.size()) - 1;
    relister();
    texte_->setFocus();
    emit changed();
}

void QuestionEditor::deplacer(int pas) {
    const int vers = courante_ + pas;
    if (courante_ < 0 || vers < 0 || vers >= int(saisies_.size())) return;
    std::swap(saisies_[size_t(courante_)], saisies_[size_t(vers)]);
    courante_ = vers;
    relister();
    emit changed();
}

void QuestionEditor::relister() {
    const int garde = courante_;
    {
        const QSignalBlocker bloque(liste_);
        liste_->clear();
        for (size_t i = 0; i < saisies_.size(); ++i) liste_->addItem(QString());
    }
    for (int i = 0; i < int(saisies_.size()); ++i) {
        const core::ExerciseQuestion& q = saisies_[size_t(i)].question;
        const QString texte = q.texte.trimmed().section(u'\n', 0, 0);
        liste_->item(i)->setText(u"%1) %2"_s.arg(i + 1).arg(
            texte.isEmpty() ? u"(sans texte) — "_s + core::libelleDe(q.quantite) : texte));
    }
    liste_->setCurrentRow(garde);
    choisir(garde);
}

void QuestionEditor::choisir(int rang) {
    courante_ = rang;
    {
        const QScopedValueRollback chargement(chargement_, true);
        const Saisie s = rang >= 0 ? saisies_[size_t(rang)] : Saisie{};
        const core::ExerciseQuestion& q = s.question;
        texte_->setPlainText(q.texte);
        parametre_->setText(s.parametre);
        methode_->setCurrentIndex(q.mayer ? 1 : 0);
        changement_->setChecked(q.lnY);
        depart_->setCurrentIndex(q.y ? 1 : 0);
        departValeur_->setText(s.depart);
        k_->setCurrentIndex(q.k);
        choix_->setPlainText(q.choix.join(u'\n'));
        reponse_->setText(q.reponse);
        precision_->setText(s.precision);
        unite_->setText(q.unite);
        indice_->setText(q.indice);
        explication_->setPlainText(q.explication);
        listerQuantites();
    }
    for (int i = 0; i < details_->rowCount(); ++i)
        if (auto* champ = details_->itemAt(i, QFormLayout::FieldRole))
            champ->widget()->setEnabled(rang >= 0);
}

// What is typed goes into the question chosen at once.
void QuestionEditor::garder() {
    if (chargement_ || courante_ < 0) return;
    Saisie& s = saisies_[size_t(courante_)];
    core::ExerciseQuestion& q = s.question;
    q.texte = texte_->toPlainText();
    if (const auto nommee = core::quantiteNommee(quantite_->currentData().toString()))
        q.quantite = *nommee;
    s.parametre = parametre_->text();
    q.mayer = methode_->currentIndex() == 1;
    q.lnY = changement_->isChecked();
    s.depart = departValeur_->text();
    // Which of x or y the estimation starts from; its figure is read with the others.
    if (depart_->currentIndex() == 1) {
        q.y = q.y.value_or(0);
        q.x.reset();
    } else {
        q.x = q.x.value_or(0);
        q.y.reset();
    }
    q.k = k_->currentIndex();
    q.choix = choix_->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    for (QString& c : q.choix) c = c.trimmed();
    q.choix.removeAll(QString());
    q.reponse = reponse_->text().trimmed();
    s.precision = precision_->text();
    q.unite = unite_->text().trimmed();
    q.indice = indice_->text().trimmed();
    q.explication = explication_->toPlainText().trimmed();
    const QString texte = q.texte.trimmed().section(u'\n', 0, 0);
    liste_->item(courante_)->setText(
        u"%1) %2"_s.arg(courante_ + 1)
            .arg(texte.isEmpty() ? u"(sans texte) — "_s + core::libelleDe(q.quantite) : texte));
    montrerParametres();
    emit changed();
}

void QuestionEditor::montrerParametres() {
    const auto q = core::quantiteNommee(quantite_->currentData().toString());
    const unsigned p = q ? core::parametresDe(*q) : 0u;
    const auto montrer = [this](QWidget* champ, bool oui) { details_->setRowVisible(champ, oui); };
    montrer(parametre_, p & (core::ParametreValeur | core::ParametreSeuil));
    if (auto* l = qobject_cast<QLabel*>(details_->labelForField(parametre_)))
        l->setText(p & core::ParametreSeuil ? u"Seui&l :"_s : u"&Valeur :"_s);
    montrer(methode_, p & core::ParametreMethode);
    montrer(changement_, p & core::ParametreChangement);
    montrer(depart_->parentWidget(), p & core::ParametreXouY);
    montrer(k_, p & core::ParametreK);
    montrer(choix_, p & core::ParametreChoix);
    montrer(reponse_, q == core::Quantity::Choix);
    montrer(precision_, p & core::ParametrePrecision);
    montrer(unite_, p & core::ParametrePrecision);
}

QuestionEditor::TextReading QuestionEditor::lire() const {
    TextReading l;
    for (size_t i = 0; i < saisies_.size(); ++i) {
        const Saisie& s = saisies_[i];
        core::ExerciseQuestion q = s.question;
        const unsigned p = core::parametresDe(q.quantite);
        const auto nombre = [&](const QString& texte, const QString& quoi) {
            const auto x = core::readNumber(texte.trimmed());
            if (texte.trimmed().isEmpty())
                l.fautes << u"Question %1 : %2 manque."_s.arg(i + 1).arg(quoi);
            else if (!x)
                l.fautes << u"Question %1 : %2 « %3 » n'est pas un nombre."_s.arg(i + 1).arg(
                    quoi, texte.trimmed());
            return x.value_or(0);
        };
        if (p & core::ParametreValeur) q.parametre = nombre(s.parametre, u"la valeur"_s);
        if (p & core::ParametreSeuil) q.parametre = nombre(s.parametre, u"le seuil"_s);
        if (p & core::ParametrePrecision) {
            const double precision = nombre(s.precision, u"la précision"_s);
            if (precision != q.precision) q.tolerance = precision / 2;
            q.precision = precision;
        }
        q.x.reset();
        q.y.reset();
        if (p & core::ParametreXouY)
            (s.question.y ? q.y : q.x) = nombre(s.depart, u"le point de départ"_s);
        if (!(p & core::ParametreMethode)) q.mayer = false;
        if (!(p & core::ParametreChangement)) q.lnY = false;
        if (!(p & core::ParametreChoix)) q.choix.clear();
        if (q.quantite != core::Quantity::Choix) q.reponse.clear();
        l.questions.push_back(q);
    }
    return l;
}

}  // namespace exercise_editor
