#include "table/tableau_effectifs.h"

#include "chart_export/chart_export.h"
#include "core/atomic_file.h"
#include "core/graphiques_tableau.h"
#include "core/numbers.h"
#include "main_window/statistique.h"
#include "table/saisie.h"
#include "ui/chart_view.h"
#include "ui/command_button.h"
#include "ui/guarded.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/table_model.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Nature = core::Tableau::Nature;

namespace {

const QString kTableaux = u"Tableaux d'effectifs (*.csv *.txt);;Tous les fichiers (*)"_s;

QString nomDe(const QString& chemin) {
    return QFileInfo(chemin).fileName();
}

}  // namespace

Tableau_effectifs::Tableau_effectifs()
    : ui::Form({.caption = u"Tableau d'effectifs"_s,
                .clientWidth = 25500,
                .clientHeight = 11250,
                .background = ui::rgb(255, 255, 255)}) {
    setObjectName(u"Tableau_effectifs"_s);
    // It stands beside the main window, which alone keeps the program going.
    setAttribute(Qt::WA_QuitOnClose, false);

    Choix_nature = new QComboBox(this);
    Choix_nature->setObjectName(u"Choix_nature"_s);
    Choix_nature->addItems({u"Valeurs et effectifs"_s, u"Classes et effectifs"_s});
    Choix_nature->setAccessibleName(u"Nature du tableau"_s);
    Choix_fermeture = new QComboBox(this);
    Choix_fermeture->setObjectName(u"Choix_fermeture"_s);
    Choix_fermeture->addItems({u"Classes ]a ; b]"_s, u"Classes [a ; b["_s});
    Choix_fermeture->setAccessibleName(u"Côté fermé des classes"_s);
    // The lists the choosers open are read out too.
    Choix_nature->view()->setAccessibleName(u"Natures de tableau"_s);
    Choix_fermeture->view()->setAccessibleName(u"Côtés fermés des classes"_s);

    saisie_ = new ModeleSaisie(this);
    Table_saisie = new VueSaisie(this);
    Table_saisie->setObjectName(u"Table_saisie"_s);
    Table_saisie->setModel(saisie_);
    Table_saisie->setAccessibleName(u"Tableau d'effectifs à remplir"_s);
    // The typed columns share what the computed ones, sized to their titles, leave.
    Table_saisie->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table_saisie->horizontalHeader()->setMinimumSectionSize(90);
    Table_saisie->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table_saisie->verticalHeader()->setDefaultSectionSize(Table_saisie->fontMetrics().height() + 8);
    Command_ajouter = ui::pushButton(this, u"Ajouter une ligne"_s, "Command_ajouter");
    Command_supprimer = ui::pushButton(this, u"Supprimer la ligne"_s, "Command_supprimer");
    Text_cellule = new QLineEdit(this);
    Text_cellule->setObjectName(u"Text_cellule"_s);
    Text_cellule->setAccessibleName(u"Case courante"_s);
    Text_cellule->setValidator(new QRegularExpressionValidator(
        QRegularExpression(u"[-+0-9.,eE \u00a0\u202f]*"_s), Text_cellule));
    Label_erreur = new QLabel(this);
    Label_erreur->setObjectName(u"Label_erreur"_s);
    Label_erreur->setWordWrap(true);
    Label_erreur->setStyleSheet(u"color: rgb(160, 0, 0)"_s);
    Label_erreur->setAccessibleName(u"Erreur du tableau"_s);

    modeleParametres_ = new ui::TableModel(this, {u"Paramètre"_s, u"Valeur"_s});
    Table_parametres_effectifs = new QTableView(this);
    Table_parametres_effectifs->setObjectName(u"Table_parametres_effectifs"_s);
    Table_parametres_effectifs->setModel(modeleParametres_);
    Table_parametres_effectifs->setAccessibleName(u"Paramètres du tableau"_s);
    Table_parametres_effectifs->verticalHeader()->hide();
    Table_parametres_effectifs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table_parametres_effectifs->verticalHeader()->setDefaultSectionSize(
        Table_parametres_effectifs->fontMetrics().height() + 6);
    Table_parametres_effectifs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_parametres_effectifs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Label_definition = new QLabel(this);
    Label_definition->setObjectName(u"Label_definition"_s);
    Label_definition->setWordWrap(true);

    Text_seuil = new QLineEdit(this);
    Text_seuil->setObjectName(u"Text_seuil"_s);
    Text_seuil->setAccessibleName(u"Seuil"_s);
    Text_seuil->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[-+0-9.,eE ]*"_s), Text_seuil));
    Label_seuil = new QLabel(this);
    Label_seuil->setObjectName(u"Label_seuil"_s);
    Label_seuil->setWordWrap(true);
    Label_seuil->setAccessibleName(u"Valeurs au-dessus et au-dessous du seuil"_s);

    Command_exercice = ui::pushButton(this, u"Données de l'exercice"_s, "Command_exercice");
    Command_vers_liste = ui::pushButton(this, u"Vers la liste"_s, "Command_vers_liste");
    Command_ouvrir = ui::pushButton(this, u"Ouvrir un tableau…"_s, "Command_ouvrir");
    Command_enregistrer = ui::pushButton(this, u"Enregistrer le tableau…"_s, "Command_enregistrer");

    Choix_graphique = new QComboBox(this);
    Choix_graphique->setObjectName(u"Choix_graphique"_s);
    for (int g = 0; g < core::kGraphiquesTableau; ++g)
        Choix_graphique->addItem(core::titreDuGraphique(core::GraphiqueTableau(g)));
    Choix_graphique->view()->setAccessibleName(u"Graphiques du tableau"_s);
    Check_deciles = new QCheckBox(u"Moustaches aux &déciles"_s, this);
    Check_deciles->setObjectName(u"Check_deciles"_s);
    Picture_tableau = new ui::ChartView(this, ui::rgb(255, 255, 255));
    Picture_tableau->setObjectName(u"Picture_tableau"_s);
    Picture_tableau->setAccessibleName(u"Graphique du tableau"_s);
    Command_copier = ui::pushButton(this, u"Copier le graphique"_s, "Command_copier");
    Command_exporter = ui::pushButton(this, u"Exporter le graphique…"_s, "Command_exporter");
    Command_imprimer = ui::pushButton(this, u"Imprimer le graphique…"_s, "Command_imprimer");

    auto* nature = new QHBoxLayout;
    auto* legende = new QLabel(u"&Nature du tableau :"_s, this);
    legende->setBuddy(Choix_nature);
    nature->addWidget(legende);
    nature->addWidget(Choix_nature);
    nature->addWidget(Choix_fermeture);
    nature->addStretch();
    nature->addWidget(Command_ouvrir);
    nature->addWidget(Command_enregistrer);
    auto* lignes = new QHBoxLayout;
    lignes->addWidget(Command_ajouter);
    lignes->addWidget(Command_supprimer);
    lignes->addStretch();
    lignes->addWidget(Command_exercice);
    lignes->addWidget(Command_vers_liste);
    auto* seuil = new QHBoxLayout;
    auto* legendeSeuil = new QLabel(u"&Seuil :"_s, this);
    legendeSeuil->setBuddy(Text_seuil);
    seuil->addWidget(legendeSeuil);
    seuil->addWidget(Text_seuil);
    seuil->addWidget(Label_seuil, 1);
    // The table on the left, its chart on the right; the learner moves the line between.
    auto* partage = new QSplitter(this);
    partage->setChildrenCollapsible(false);
    auto* gauche = new QWidget(partage);
    auto* droite = new QWidget(partage);
    partage->setStretchFactor(0, 3);
    partage->setStretchFactor(1, 2);
    (new QHBoxLayout(this))->addWidget(partage);
    auto* colonne = new QVBoxLayout(gauche);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addLayout(nature);
    colonne->addWidget(Table_saisie, 3);
    auto* caseCourante = new QHBoxLayout;
    auto* legendeCase = new QLabel(u"&Case :"_s, this);
    legendeCase->setBuddy(Text_cellule);
    caseCourante->addWidget(legendeCase);
    caseCourante->addWidget(Text_cellule, 1);
    colonne->addLayout(caseCourante);
    colonne->addLayout(lignes);
    colonne->addWidget(Label_erreur);
    colonne->addWidget(Table_parametres_effectifs, 2);
    colonne->addWidget(Label_definition);
    colonne->addLayout(seuil);
    auto* choix = new QHBoxLayout;
    auto* legendeGraphique = new QLabel(u"&Graphique :"_s, this);
    legendeGraphique->setBuddy(Choix_graphique);
    choix->addWidget(legendeGraphique);
    choix->addWidget(Choix_graphique, 1);
    choix->addWidget(Check_deciles);
    auto* sorties = new QHBoxLayout;
    sorties->addStretch();
    sorties->addWidget(Command_copier);
    sorties->addWidget(Command_exporter);
    sorties->addWidget(Command_imprimer);
    auto* graphique = new QVBoxLayout(droite);
    graphique->setContentsMargins(0, 0, 0, 0);
    graphique->addLayout(choix);
    graphique->addWidget(Picture_tableau, 1);
    graphique->addLayout(sorties);

    using ui::guarded;
    const auto clic = [this](QPushButton* b, void (Tableau_effectifs::*handler)()) {
        connect(b, &QPushButton::clicked, this, guarded([this, handler] { (this->*handler)(); }));
    };
    clic(Command_ajouter, &Tableau_effectifs::Command_ajouter_Click);
    clic(Command_supprimer, &Tableau_effectifs::Command_supprimer_Click);
    clic(Command_exercice, &Tableau_effectifs::Command_exercice_Click);
    clic(Command_vers_liste, &Tableau_effectifs::Command_vers_liste_Click);
    clic(Command_ouvrir, &Tableau_effectifs::Command_ouvrir_Click);
    clic(Command_enregistrer, &Tableau_effectifs::Command_enregistrer_Click);
    connect(Choix_nature, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_nature_Change(); }));
    connect(Choix_fermeture, &QComboBox::currentIndexChanged, this,
            guarded([this] { Choix_nature_Change(); }));
    connect(saisie_, &ModeleSaisie::change, this, guarded([this] { montrer(); }));
    connect(saisie_, &QAbstractItemModel::modelReset, this, [this] {
        for (int c = 0; c < saisie_->colonnesSaisies(); ++c)
            Table_saisie->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    });
    for (int c = 0; c < saisie_->colonnesSaisies(); ++c)
        Table_saisie->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    connect(Table_saisie->selectionModel(), &QItemSelectionModel::currentChanged, this,
            guarded([this] { montrerCellule(); }));
    connect(saisie_, &QAbstractItemModel::modelReset, this, guarded([this] { montrerCellule(); }));
    connect(Text_cellule, &QLineEdit::returnPressed, this,
            guarded([this] { Text_cellule_Valider(); }));
    connect(Text_seuil, &QLineEdit::textChanged, this, guarded([this] { montrerSeuil(); }));
    connect(Choix_graphique, &QComboBox::currentIndexChanged, this,
            guarded([this] { montrerGraphique(); }));
    connect(Check_deciles, &QCheckBox::toggled, this, guarded([this] { montrerGraphique(); }));
    connect(Command_copier, &QPushButton::clicked, this,
            guarded([this] { chart_export::copy(Picture_tableau->chart(), devicePixelRatioF()); }));
    clic(Command_exporter, &Tableau_effectifs::Command_exporter_Click);
    connect(Command_imprimer, &QPushButton::clicked, this,
            guarded([this] { chart_export::printChosen(this, Picture_tableau->chart()); }));
    // Nothing to copy, export or print while the chart says why it cannot be drawn.
    for (QPushButton* sortie : {Command_copier, Command_exporter, Command_imprimer}) {
        sortie->setEnabled(false);
        connect(Picture_tableau, &ui::ChartView::drawnChanged, sortie, &QWidget::setEnabled);
    }
    montrer();
}

const core::Tableau& Tableau_effectifs::tableau() const {
    return saisie_->tableau();
}

// Another kind keeps every row's texts, so going back shows them again.
void Tableau_effectifs::Choix_nature_Change() {
    core::Tableau t = tableau();
    t.nature = Choix_nature->currentIndex() == 1 ? Nature::Classes : Nature::Valeurs;
    t.fermeADroite = Choix_fermeture->currentIndex() == 0;
    if (t == tableau()) return;
    saisie_->remplacer(std::move(t));
}

void Tableau_effectifs::montrer() {
    const core::Tableau& t = tableau();
    const core::Analyse& a = saisie_->analyse();
    {
        const QSignalBlocker bloque(Choix_nature), bloque2(Choix_fermeture);
        Choix_nature->setCurrentIndex(t.nature == Nature::Classes ? 1 : 0);
        Choix_fermeture->setCurrentIndex(t.fermeADroite ? 0 : 1);
    }
    Choix_fermeture->setVisible(t.nature == Nature::Classes);
    Label_erreur->setText(core::texteDeLaFaute(a));
    const auto parametres = core::parametresDuTableau(a);
    modeleParametres_->setRows(int(parametres.size()), [parametres](int ligne) {
        return QStringList{parametres[size_t(ligne)].first, parametres[size_t(ligne)].second};
    });
    Label_definition->setText(core::definitionDesQuantiles(t.nature));
    montrerSeuil();
    // Bars are drawn for values and a histogram for classes: a new kind of table
    // brings the one that fits it.
    if (t.nature != natureMontree_) {
        natureMontree_ = t.nature;
        const auto fait = t.nature == Nature::Classes ? core::GraphiqueTableau::Histogramme
                                                      : core::GraphiqueTableau::Batons;
        const int choisi = Choix_graphique->currentIndex();
        if (choisi == int(core::GraphiqueTableau::Batons) ||
            choisi == int(core::GraphiqueTableau::Histogramme)) {
            const QSignalBlocker bloque(Choix_graphique);
            Choix_graphique->setCurrentIndex(int(fait));
        }
    }
    montrerGraphique();
    emit tableauChange();
}

// The chart is worked out for the area's size, again whenever that changes.
void Tableau_effectifs::montrerGraphique() {
    const auto quel = core::GraphiqueTableau(Choix_graphique->currentIndex());
    Check_deciles->setEnabled(quel == core::GraphiqueTableau::Boite);
    Picture_tableau->setChart(
        [analyse = saisie_->analyse(), quel, deciles = Check_deciles->isChecked()](double largeur,
                                                                                   double hauteur) {
            core::Surface surface;
            surface.largeur = float(largeur);
            surface.hauteur = float(hauteur);
            core::GraphiqueDuTableau g = core::graphiqueDuTableau(analyse, quel, surface, deciles);
            return ui::ChartView::Content{std::move(g.dessin), g.description, g.faute};
        });
}

void Tableau_effectifs::Command_exporter_Click() {
    chart_export::exportChosen(
        this, Picture_tableau->chart(),
        fichier_.isEmpty() ? u"graphique"_s : QFileInfo(fichier_).completeBaseName());
}

void Tableau_effectifs::montrerSeuil() {
    const auto texte = core::cellNumber(Text_seuil->text());
    Label_seuil->setText(
        texte ? core::texteDuSeuil(saisie_->analyse(), core::numberFromText(*texte)) : QString());
}

// The line follows the current cell; a computed cell shows its figure, read-only.
void Tableau_effectifs::montrerCellule() {
    const QModelIndex ici = Table_saisie->currentIndex();
    Text_cellule->setText(ici.isValid() ? ici.data(Qt::EditRole).toString() : QString());
    Text_cellule->setReadOnly(!ici.isValid() || !(ici.flags() & Qt::ItemIsEditable));
    const QString colonne =
        ici.isValid()
            ? saisie_->headerData(ici.column(), Qt::Horizontal, Qt::DisplayRole).toString()
            : QString();
    Text_cellule->setAccessibleDescription(
        ici.isValid() ? u"%1, ligne %2"_s.arg(colonne).arg(ici.row() + 1) : QString());
}

// Enter writes the line into the current cell, as typing into the cell would.
void Tableau_effectifs::Text_cellule_Valider() {
    const QModelIndex ici = Table_saisie->currentIndex();
    if (!ici.isValid() || Text_cellule->isReadOnly()) return;
    saisie_->setData(ici, Text_cellule->text(), Qt::EditRole);
}

void Tableau_effectifs::Command_ajouter_Click() {
    const QModelIndex ici = Table_saisie->currentIndex();
    const int ligne = ici.isValid() ? ici.row() + 1 : int(tableau().lignes.size());
    saisie_->insererLigne(ligne);
    Table_saisie->setCurrentIndex(saisie_->index(ligne, 0));
    Table_saisie->setFocus();
}

void Tableau_effectifs::Command_supprimer_Click() {
    const QModelIndex ici = Table_saisie->currentIndex();
    if (!ici.isValid()) return;
    saisie_->supprimerLigne(ici.row());
    Table_saisie->setFocus();
}

void Tableau_effectifs::Command_exercice_Click() {
    if (!modificationsTraitees()) return;
    saisie_->remplacer(core::tableauDeLExercice());
    montrerFichier({});
}

bool Tableau_effectifs::ouvrirDonnees(const core::Tableau& donnees) {
    if (!modificationsTraitees()) return false;
    saisie_->remplacer(donnees);
    montrerFichier({});
    return true;
}

void Tableau_effectifs::Command_vers_liste_Click() {
    bool trop = false;
    const QStringList textes = core::versLaListe(saisie_->analyse(), trop);
    if (trop) {
        ui::messageBox(
            u"La série aurait plus de 32 767 valeurs : la liste ne peut pas les "
            u"contenir."_s);
        return;
    }
    emit versLaListe(textes);
}

bool Tableau_effectifs::ouvrirTableau(const QString& chemin) {
    const core::TableReading lecture = core::readTableFile(chemin);
    if (!lecture.tableau) {
        ui::messageBox(core::explain(lecture.error, nomDe(chemin)));
        return false;
    }
    saisie_->remplacer(*lecture.tableau);
    montrerFichier(chemin);
    statistique::noterRecent({core::Recent::Genre::Tableau, chemin});
    // What is at fault shows in red, and the line under the table says where.
    return true;
}

void Tableau_effectifs::Command_ouvrir_Click() {
    if (!modificationsTraitees()) return;
    const QString chemin = ui::fileToOpen(this, u"Ouvrir un tableau d'effectifs"_s, kTableaux);
    if (!chemin.isEmpty()) ouvrirTableau(chemin);
}

void Tableau_effectifs::Command_enregistrer_Click() {
    const QString chemin = ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s,
                                          fichier_.isEmpty() ? u"tableau.csv"_s : fichier_,
                                          {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
    if (!chemin.isEmpty()) enregistrerDans(chemin);
}

bool Tableau_effectifs::enregistrerDans(const QString& chemin) {
    const QByteArray octets = core::tableFile(tableau());
    const QString pourquoi = core::saveAtomically(
        chemin, [&](QIODevice& fichier) { return fichier.write(octets) == octets.size(); });
    if (!pourquoi.isEmpty()) {
        ui::messageBox(u"Impossible d'enregistrer « %1 » : %2."_s.arg(nomDe(chemin), pourquoi));
        return false;
    }
    montrerFichier(chemin);
    statistique::noterRecent({core::Recent::Genre::Tableau, chemin});
    return true;
}

void Tableau_effectifs::montrerFichier(const QString& chemin) {
    fichier_ = chemin;
    enregistre_ = tableau();
    emit tableauChange();
    setWindowTitle(chemin.isEmpty() ? u"Tableau d'effectifs"_s
                                    : u"Tableau d'effectifs - "_s + nomDe(chemin));
}

bool Tableau_effectifs::enregistre() const {
    const auto vide = [](const core::Tableau& t) {
        return std::all_of(t.lignes.begin(), t.lignes.end(),
                           [](const core::Tableau::Ligne& l) { return l.estVide(); });
    };
    return tableau() == enregistre_ || (fichier_.isEmpty() && vide(tableau()));
}

void Tableau_effectifs::recuperer(const core::Tableau& tableau, const QString& fichier) {
    saisie_->remplacer(tableau);
    montrerFichier(fichier);
    enregistre_ = {};
    emit tableauChange();
}

bool Tableau_effectifs::modificationsTraitees() {
    if (enregistre()) return true;
    const QString quoi =
        fichier_.isEmpty() ? u"du tableau d'effectifs"_s : u"de "_s + nomDe(fichier_);
    const int choix = ui::ask(u"Enregistrer les modifications %1 ?"_s.arg(quoi),
                              {u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}, 2);
    if (choix == 0) {
        if (!fichier_.isEmpty()) return enregistrerDans(fichier_);
        const QString chemin =
            ui::fileToSave(this, u"Enregistrer le tableau d'effectifs"_s, u"tableau.csv"_s,
                           {u"Tableaux d'effectifs (*.csv)"_s}, {u"csv"_s});
        return !chemin.isEmpty() && enregistrerDans(chemin);
    }
    return choix == 1;
}

// The main window's way in: created on first use, its "Vers la liste" wired to the main
// list, shown beside it without a modal loop, brought to the front when already open.
void statistique::mnuTableau_Click() {
    if (!Tableau_effectifs::exists()) {
        connect(&Tableau_effectifs::instance(), &Tableau_effectifs::versLaListe, this,
                ui::guarded<const QStringList&>([this](const QStringList& textes) {
                    avecAnnulation(u"Vers la liste"_s, [&] { remplacerSerie1(textes); });
                }));
        emit tableauOuvert();
    }
    Tableau_effectifs::instance().showCentred();
}
