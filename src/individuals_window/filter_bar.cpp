// The filter of the window: typed in words, or built by choosing a variable, an
// operator and a value, and joined to what is already typed by ET or OU.

#include "core/individuals/filter.h"
#include "core/numbers.h"
#include "individuals_window/individuals_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ci = core::individuals;
using namespace Qt::StringLiterals;

namespace {

constexpr ci::Comparison kComparisons[] = {ci::Comparison::Equal,   ci::Comparison::NotEqual,
                                           ci::Comparison::Less,    ci::Comparison::LessOrEqual,
                                           ci::Comparison::Greater, ci::Comparison::GreaterOrEqual};

}  // namespace

void Individus::createFilterBar(QWidget* parent, QVBoxLayout* layout) {
    Filtre = new QLineEdit(parent);
    Filtre->setObjectName(u"Filtre"_s);
    Filtre->setAccessibleName(u"Filtre"_s);
    Filtre->setPlaceholderText(u"Par exemple : Sexe = \"F\" ET [Taille (cm)] > 160"_s);
    Nombre_individus = new QLabel(parent);
    Nombre_individus->setObjectName(u"Nombre_individus"_s);
    Faute_filtre = new QLabel(parent);
    Faute_filtre->setObjectName(u"Faute_filtre"_s);
    Faute_filtre->setStyleSheet(u"color: #b00000"_s);
    Faute_filtre->hide();
    auto* label = new QLabel(u"&Filtre :"_s, parent);
    label->setBuddy(Filtre);
    auto* typed = new QHBoxLayout;
    typed->addWidget(label);
    typed->addWidget(Filtre, 1);
    typed->addWidget(Nombre_individus);

    const auto combo = [parent](const QString& name, const QString& accessible) {
        auto* c = new QComboBox(parent);
        c->setObjectName(name);
        c->setAccessibleName(accessible);
        return c;
    };
    Choix_liaison = combo(u"Choix_liaison"_s, u"Liaison"_s);
    Choix_liaison->addItems({u"ET"_s, u"OU"_s});
    Choix_variable_filtre = combo(u"Choix_variable_filtre"_s, u"Variable du filtre"_s);
    Choix_operateur = combo(u"Choix_operateur"_s, u"Opérateur"_s);
    for (ci::Comparison c : kComparisons) Choix_operateur->addItem(ci::operatorText(c));
    Valeur_filtre = combo(u"Valeur_filtre"_s, u"Valeur du filtre"_s);
    Valeur_filtre->setEditable(true);
    Valeur_filtre->setMinimumContentsLength(12);
    Command_ajouter = new QPushButton(u"Ajouter"_s, parent);
    Command_ajouter->setObjectName(u"Command_ajouter"_s);
    auto* built = new QHBoxLayout;
    built->addWidget(Choix_liaison);
    built->addWidget(Choix_variable_filtre, 1);
    built->addWidget(Choix_operateur);
    built->addWidget(Valeur_filtre, 1);
    built->addWidget(Command_ajouter);
    built->addStretch();

    layout->addLayout(typed);
    layout->addWidget(Faute_filtre);
    layout->addLayout(built);

    connect(Filtre, &QLineEdit::textChanged, this, &Individus::applyFilter);
    connect(Choix_variable_filtre, &QComboBox::currentIndexChanged, this,
            &Individus::fillValueChoices);
    connect(Command_ajouter, &QPushButton::clicked, this, &Individus::addComparison);
}

// A qualitative variable offers its modalities; a numeric one waits for a number.
void Individus::fillValueChoices() {
    Valeur_filtre->clear();
    const int v = Choix_variable_filtre->currentIndex();
    if (!dataset_ || v < 0) return;
    const ci::Variable& variable = dataset_->variables()[size_t(v)];
    if (variable.nature == ci::Nature::Qualitative) Valeur_filtre->addItems(variable.labels);
    Valeur_filtre->setCurrentIndex(variable.nature == ci::Nature::Qualitative ? 0 : -1);
}

void Individus::addComparison() {
    const int v = Choix_variable_filtre->currentIndex();
    const QString value = Valeur_filtre->currentText().trimmed();
    if (!dataset_ || v < 0 || value.isEmpty()) return;
    const ci::Variable& variable = dataset_->variables()[size_t(v)];
    const ci::Comparison comparison = kComparisons[Choix_operateur->currentIndex()];
    const std::optional<double> number = core::readNumber(value);
    const QString added = variable.nature == ci::Nature::Numeric && number
                              ? ci::comparisonText(variable.name, comparison, *number)
                              : ci::comparisonText(variable.name, comparison, value,
                                                   variable.nature == ci::Nature::Numeric);
    Filtre->setText(ci::joinFilters(Filtre->text(), Choix_liaison->currentIndex() == 0, added));
}
