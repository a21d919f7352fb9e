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

using Forme = core::ExerciseSeries::Forme;

QLineEdit* ligne(const char* nom, const QString& lu) {
    auto* l = new QLineEdit;
    l->setObjectName(QString::fromLatin1(nom));
    l->setAccessibleName(lu);
    return l;
}

bool memesDonnees(const core::ExerciseSeries& a, const core::ExerciseSeries& b) {
    const auto memesValeurs = [](const core::ValueCount& x, const core::ValueCount& y) {
        return x.valeur == y.valeur && x.effectif == y.effectif;
    };
    const auto memesClasses = [](const core::Interval& x, const core::Interval& y) {
        return x.inferieure == y.inferieure && x.superieure == y.superieure &&
               x.effectif == y.effectif;
    };
    return a.forme == b.forme && a.brutes == b.brutes &&
           std::equal(a.valeurs.begin(), a.valeurs.end(), b.valeurs.begin(), b.valeurs.end(),
                      memesValeurs) &&
           std::equal(a.classes.begin(), a.classes.end(), b.classes.begin(), b.classes.end(),
                      memesClasses);
}

QString texte(double x) {
    return core::textOfNumber(x);
}

}  // namespace

DataEditor::DataEditor(QWidget* parent) : QWidget(parent) {
    forme_ = new QComboBox;
    forme_->setObjectName(u"Forme_donnees"_s);
    forme_->setAccessibleName(u"Forme des données"_s);
    forme_->addItems({u"Série brute"_s, u"Valeurs et effectifs"_s, u"Classes et effectifs"_s,
                      u"Paires (x ; y)"_s, u"Simulation"_s});
    nom_ = ligne("Nom_serie", u"Nom de la série"_s);
    fermeture_ = new QComboBox;
    fermeture_->setObjectName(u"Fermeture"_s);
    fermeture_->setAccessibleName(u"Classes fermées"_s);
    fermeture_->addItems({u"]a ; b], fermées à droite"_s, u"[a ; b[, fermées à gauche"_s});
    nomX_ = ligne("Nom_x", u"Nom de la variable x"_s);
    nomY_ = ligne("Nom_y", u"Nom de la variable y"_s);
    nomX_->setText(u"x"_s);
    nomY_->setText(u"y"_s);

    grid_ = new TypedTexts(this);
    // Typed as the table of counts is typed.
    table_ = new ui::TypedGrid;
    table_->setObjectName(u"Table_donnees"_s);
    table_->setAccessibleName(u"Données de l'exercice"_s);
    table_->setModel(grid_);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* colle = new QShortcut(QKeySequence::Paste, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(colle, &QShortcut::activated, this,
            [this] { coller(QApplication::clipboard()->text()); });
    auto* coller = new QPushButton(u"Co&ller"_s);
    coller->setObjectName(u"Command_coller"_s);
    fichier_ = new QPushButton(u"&Prendre dans un fichier…"_s);
    fichier_->setObjectName(u"Command_fichier"_s);
    auto* pageTable = new QWidget;
    auto* colonne = new QVBoxLayout(pageTable);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(table_, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(coller);
    boutons->addWidget(fichier_);
    boutons->addStretch();
    colonne->addLayout(boutons);

    p_ = ligne("Proportion", u"Proportion p"_s);
    n_ = ligne("Taille_echantillons", u"Taille des échantillons n"_s);
    echantillons_ = ligne("Nombre_echantillons", u"Nombre d'échantillons N"_s);
    observee_ = ligne("Frequence_observee", u"Fréquence observée, facultative"_s);
    auto* pageSimulation = new QWidget;
    auto* simulation = new QFormLayout(pageSimulation);
    simulation->addRow(u"Proportion &p :"_s, p_);
    simulation->addRow(u"&Taille des échantillons n :"_s, n_);
    simulation->addRow(u"&Nombre d'échantillons N :"_s, echantillons_);
    simulation->addRow(u"Fréquence &observée (facultative) :"_s, observee_);
    pages_ = new QStackedWidget;
    pages_->addWidget(pageTable);
    pages_->addWidget(pageSimulation);

    faute_ = new QLabel;
    faute_->setObjectName(u"Label_faute_donnees"_s);
    faute_->setAccessibleName(u"Faute des données"_s);
    faute_->setWordWrap(true);
    faute_->setStyleSheet(u"color: rgb(176, 0, 0)"_s);

    auto* form = new QFormLayout;
    form->addRow(u"&Forme :"_s, forme_);
    form->addRow(u"&Nom de la série :"_s, nom_);
    form->addRow(u"&Classes :"_s, fermeture_);
    form->addRow(u"Nom de &x :"_s, nomX_);
    form->addRow(u"Nom de &y :"_s, nomY_);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(form);
    tout->addWidget(pages_, 1);
    tout->addWidget(faute_);

    connect(forme_, &QComboBox::currentIndexChanged, this, [this] {
        montrerForme();
        emit formeChanged();
        dire();
    });
    connect(grid_, &TypedTexts::edited, this, &DataEditor::dire);
    for (QLineEdit* l : {nom_, nomX_, nomY_, p_, n_, echantillons_, observee_})
        connect(l, &QLineEdit::textEdited, this, &DataEditor::dire);
    connect(fermeture_, &QComboBox::currentIndexChanged, this, &DataEditor::dire);
    connect(coller, &QPushButton::clicked, this,
            [this] { this->coller(QApplication::clipboard()->text()); });
    connect(fichier_, &QPushButton::clicked, this, &DataEditor::prendreDansUnFichier);
    montrerForme();
}

DataEditor::Forme DataEditor::forme() const {
    return Forme(forme_->currentIndex());
}

// Each shape its columns and fields; new columns start empty.
void DataEditor::montrerForme() {
    const Forme f = forme();
    auto* form =
        qobject_cast<QFormLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(0)->layout());
    form->setRowVisible(nom_, f != Forme::Paires && f != Forme::Simulation);
    form->setRowVisible(fermeture_, f == Forme::Classes);
    form->setRowVisible(nomX_, f == Forme::Paires);
    form->setRowVisible(nomY_, f == Forme::Paires);
    pages_->setCurrentIndex(f == Forme::Simulation ? 1 : 0);
    switch (f) {
        case Forme::Brute:
            grid_->setColumns({u"Valeur"_s});
            break;
        case Forme::Valeurs:
            grid_->setColumns({u"Valeur"_s, u"Effectif"_s});
            break;
        case Forme::Classes:
            grid_->setColumns({u"Borne inférieure"_s, u"Borne supérieure"_s, u"Effectif"_s});
            break;
        case Forme::Paires:
            grid_->setColumns({u"x"_s, u"y"_s});
            break;
        case Forme::Simulation:
            grid_->setColumns({});
            break;
    }
}

void DataEditor::setSerie(const core::ExerciseSeries& s) {
    origine_ = s;
    const QSignalBlocker bloque(forme_);
    forme_->setCurrentIndex(int(s.forme));
    montrerForme();
    nom_->setText(s.nom);
    fermeture_->setCurrentIndex(s.fermeADroite ? 0 : 1);
    std::vector<QStringList> lignes;
    for (double x : s.brutes) lignes.push_back({texte(x)});
    for (const auto& v : s.valeurs) lignes.push_back({texte(v.valeur), texte(double(v.effectif))});
    for (const auto& k : s.classes)
        lignes.push_back({texte(k.inferieure), texte(k.superieure), texte(double(k.effectif))});
    if (s.forme == Forme::Paires) {
        nomX_->setText(s.paires.nameX);
        nomY_->setText(s.paires.nameY);
        for (size_t i = 0; i < s.paires.size(); ++i)
            lignes.push_back({texte(s.paires.x[i]), texte(s.paires.y[i])});
    }
    if (s.forme == Forme::Simulation) {
        p_->setText(texte(s.p));
        n_->setText(texte(double(s.n)));
        echantillons_->setText(texte(double(s.echantillons)));
        observee_->setText(s.frequenceObservee ? texte(*s.frequenceObservee) : QString());
    } else {
        grid_->setRows(std::move(lignes));
    }
    dire();
}

DataEditor::TextReading DataEditor::lire() const {
    core::ExerciseSeries s;
    s.forme = forme();
    s.nom = nom_->text().trimmed().isEmpty() ? u"Série 1"_s : nom_->text().trimmed();
    s.fermeADroite = fermeture_->currentIndex() == 0;
    const std::vector<QStringList>& lignes = grid_->rows();
    if (s.forme == Forme::Simulation) return lireSimulation();
    if (s.forme == Forme::Brute) {
        for (size_t i = 0; i < lignes.size(); ++i) {
            const QString t = lignes[i].value(0).trimmed();
            if (t.isEmpty()) continue;
            const auto x = core::readNumber(t);
            if (!x)
                return {std::nullopt,
                        u"Ligne %1 : « %2 » n'est pas un nombre."_s.arg(i + 1).arg(t)};
            s.brutes.push_back(*x);
        }
        if (s.brutes.empty()) return {std::nullopt, u"Tapez au moins une valeur."_s};
        const auto [bas, haut] = std::minmax_element(s.brutes.begin(), s.brutes.end());
        s.min = *bas;
        s.max = *haut;
        s.pas = std::all_of(s.brutes.begin(), s.brutes.end(),
                            [](double x) { return x == std::floor(x); })
                    ? 1
                    : 0.5;
    } else if (s.forme == Forme::Paires) {
        std::vector<core::pairs::TypedRow> typees;
        for (const QStringList& l : lignes) typees.push_back({l.value(0), l.value(1)});
        const auto t =
            core::pairs::analyseTyped(typees, nomX_->text().trimmed(), nomY_->text().trimmed());
        if (t.firstFault >= 0) return {std::nullopt, core::pairs::faultText(t) + u'.'};
        s.paires = *t.pairs;
        if (s.paires.nameX.isEmpty()) s.paires.nameX = u"x"_s;
        if (s.paires.nameY.isEmpty()) s.paires.nameY = u"y"_s;
        if (s.paires.size() < 2) return {std::nullopt, u"Tapez au moins deux paires."_s};
    } else {
        core::FrequencyTable t;
        t.nature = s.forme == Forme::Classes ? core::FrequencyTable::Nature::Classes
                                             : core::FrequencyTable::Nature::Valeurs;
        t.fermeADroite = s.fermeADroite;
        for (const QStringList& l : lignes)
            t.lignes.push_back(
                s.forme == Forme::Classes
                    ? core::FrequencyTable::Ligne{.inferieure = l.value(0),
                                                  .superieure = l.value(1),
                                                  .effectif = l.value(2)}
                    : core::FrequencyTable::Ligne{.valeur = l.value(0), .effectif = l.value(1)});
        const core::TableAnalysis a = core::analyser(t);
        if (a.premiereFaute >= 0) return {std::nullopt, core::texteDeLaFaute(a)};
        s.valeurs = a.valeurs;
        s.classes = a.classes;
        if (s.effectif() <= 0) return {std::nullopt, u"Tapez au moins une ligne."_s};
        s.total = s.effectif();
    }
    if (memesDonnees(s, origine_)) {
        s.min = origine_.min, s.max = origine_.max, s.pas = origine_.pas;
        s.total = origine_.total;
    }
    return {s, {}};
}

DataEditor::TextReading DataEditor::lireSimulation() const {
    core::ExerciseSeries s = origine_;
    s.forme = Forme::Simulation;
    const auto p = core::readNumber(p_->text().trimmed());
    const auto n = core::readNumber(n_->text().trimmed());
    const auto N = core::readNumber(echantillons_->text().trimmed());
    if (s.population.empty() && (!p || *p < 0 || *p > 1))
        return {std::nullopt, u"La proportion p est un nombre de 0 à 1."_s};
    const auto entier = [](const std::optional<double>& x) {
        return x && *x >= 1 && *x <= 1e9 && *x == std::floor(*x);
    };
    if (!entier(n) || !entier(N))
        return {std::nullopt, u"n et N sont des nombres entiers positifs."_s};
    s.p = p.value_or(0.5);
    s.n = qint64(*n);
    s.echantillons = qint64(*N);
    s.frequenceObservee.reset();
    if (!observee_->text().trimmed().isEmpty()) {
        const auto f = core::readNumber(observee_->text().trimmed());
        if (!f || *f < 0 || *f > 1)
            return {std::nullopt, u"La fréquence observée est un nombre de 0 à 1."_s};
        s.frequenceObservee = f;
    }
    return {s, {}};
}

// What is at fault in the data, read by a screen reader as it changes.
void DataEditor::dire() {
    const QString f = lire().faute;
    if (f != faute_->text()) {
        faute_->setText(f);
        faute_->setAccessibleName(f.isEmpty() ? u"Faute des données"_s : f);
    }
    emit changed();
}

// A spreadsheet's header row, texts that are no numbers, names the series or the two
// variables instead of being typed as data.
void DataEditor::coller(const QString& text) {
    const QModelIndex at = table_->currentIndex();
    const int row = at.isValid() ? at.row() : 0;
    QString cells = text;
    const QStringList first = text.section(u'\n', 0, 0).trimmed().split(u'\t');
    const bool header = row == 0 && (forme() == Forme::Brute || forme() == Forme::Paires) &&
                        !first.join(QString()).trimmed().isEmpty() &&
                        std::none_of(first.begin(), first.end(), [](const QString& c) {
                            return core::readNumber(c.trimmed()).has_value();
                        });
    if (header) {
        if (forme() == Forme::Brute) nom_->setText(first[0].trimmed());
        if (forme() == Forme::Paires && first.size() >= 2) {
            nomX_->setText(first[0].trimmed());
            nomY_->setText(first[1].trimmed());
        }
        cells = text.section(u'\n', 1);
    }
    grid_->paste(cells, row, at.isValid() ? at.column() : 0);
}

}  // namespace exercise_editor
