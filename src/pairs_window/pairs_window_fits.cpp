// The window's right side: the fits chosen over the scatter plot, the estimates, the
// residuals and the Lorenz curve, each worked out again when the pairs or a choice change.

#include "core/pairs/texts.h"
#include "pairs_window/pairs_window.h"
#include "pairs_window/scatter_view.h"
#include "ui/chart_view.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace pairs_window {

namespace pp = core::pairs;

namespace {

constexpr pp::Change kChanges[] = {pp::Change::None, pp::Change::Log, pp::Change::Inverse,
                                   pp::Change::Square, pp::Change::SquareRoot};

QCheckBox* check(QWidget* parent, const QString& text, const char* name, bool on = false) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}

QComboBox* combo(QWidget* parent, const char* name, const QString& accessible,
                 const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    box->addItems(items);
    box->view()->setAccessibleName(accessible);  // its list, read when it drops down
    return box;
}

}  // namespace

QWidget* Deux_variables::makeFitPanel() {
    auto* panel = new QWidget(this);
    auto* fits = new QGroupBox(u"Ajustements"_s, panel);
    byEye_ = check(fits, u"Au &jugé"_s, "Au_juge", true);
    mayer_ = check(fits, u"Droite de &Mayer"_s, "Droite_Mayer");
    leastSquares_ = check(fits, u"Moindres &carrés"_s, "Moindres_carres");
    xInY_ = check(fits, u"Moindres carrés de x en y"_s, "Moindres_carres_x_en_y");
    change_ = check(fits, u"C&hangement de variable :"_s, "Changement_variable");
    exponential_ = check(fits, u"Ajustement e&xponentiel"_s, "Ajustement_exponentiel");
    changeY_ = combo(fits, "Changement_y", u"Changement de y"_s,
                     {u"y"_s, u"ln y"_s, u"1/y"_s, u"y²"_s, u"√y"_s});
    changeX_ = combo(fits, "Changement_x", u"Changement de x"_s,
                     {u"x"_s, u"ln x"_s, u"1/x"_s, u"x²"_s, u"√x"_s});
    changeY_->setCurrentIndex(1);
    residualStyle_ = combo(fits, "Style_residus", u"Résidus du tracé au jugé"_s,
                           {u"Sans résidus"_s, u"Résidus en segments"_s, u"Résidus en carrés"_s});
    decimals_ = new QSpinBox(fits);
    decimals_->setObjectName(u"Precision"_s);
    decimals_->setAccessibleName(u"Nombre de décimales"_s);
    decimals_->setRange(0, pp::kMostDecimals);
    decimals_->setValue(2);
    decimals_->setSuffix(u" décimales"_s);
    auto* grid = new QGridLayout(fits);
    grid->addWidget(byEye_, 0, 0);
    grid->addWidget(residualStyle_, 0, 1);
    grid->addWidget(mayer_, 0, 2);
    grid->addWidget(leastSquares_, 1, 0);
    grid->addWidget(xInY_, 1, 1);
    grid->addWidget(exponential_, 1, 2);
    grid->addWidget(change_, 2, 0);
    grid->addWidget(changeY_, 2, 1);
    grid->addWidget(changeX_, 2, 2);
    grid->addWidget(decimals_, 0, 3);
    for (QCheckBox* box : {byEye_, mayer_, leastSquares_, xInY_, change_, exponential_})
        connect(box, &QCheckBox::toggled, this, &Deux_variables::update);
    for (QComboBox* box : {changeX_, changeY_, residualStyle_})
        connect(box, &QComboBox::currentIndexChanged, this, &Deux_variables::update);
    connect(decimals_, &QSpinBox::valueChanged, this, &Deux_variables::update);

    scatter_ = new ScatterView(panel);
    scatter_->setObjectName(u"Nuage"_s);
    scatter_->setAccessibleName(u"Nuage de points"_s);
    connect(scatter_, &ScatterView::lineMoved, this, &Deux_variables::updateByEye);
    byEyeEquation_ = readableLabel(panel, "Equation_au_juge", u"Équation au jugé"_s);
    byEyeSum_ = readableLabel(panel, "Somme_residus", u"Somme des carrés des résidus"_s);
    mayerGroups_ = readableLabel(panel, "Groupes_Mayer", u"Groupes de Mayer"_s);
    fitFault_ = readableLabel(panel, "Erreur_ajustement", u"Erreur d'ajustement"_s);
    fitFault_->setStyleSheet(u"color: #b00000"_s);
    auto* scatterTab = new QWidget(panel);
    auto* scatterLayout = new QVBoxLayout(scatterTab);
    scatterLayout->addWidget(scatter_, 1);
    scatterLayout->addWidget(byEyeEquation_);
    scatterLayout->addWidget(byEyeSum_);
    scatterLayout->addWidget(mayerGroups_);
    scatterLayout->addWidget(fitFault_);
    scatterLayout->addWidget(makeChartButtons(u"Nuage"_s, [this] { return scatter_->chart(); }));

    residualChart_ = new ui::ChartView(panel, 0xFFFFFF);
    residualChart_->setObjectName(u"Graphique_residus"_s);
    residualChart_->setAccessibleName(u"Graphique des résidus"_s);
    auto* residualTab = new QWidget(panel);
    auto* residualLayout = new QVBoxLayout(residualTab);
    residualLayout->addWidget(residualChart_, 1);
    residualLayout->addWidget(
        makeChartButtons(u"Residus"_s, [this] { return residualChart_->chart(); }));

    lorenzChart_ = new ui::ChartView(panel, 0xFFFFFF);
    lorenzChart_->setObjectName(u"Courbe_Lorenz"_s);
    lorenzChart_->setAccessibleName(u"Courbe de Lorenz"_s);
    lorenzSource_ =
        combo(panel, "Source_Lorenz", u"Données de la courbe de Lorenz"_s,
              {u"Les paires, parts cumulées (population ; masse)"_s, u"Le tableau d'effectifs"_s});
    connect(lorenzSource_, &QComboBox::currentIndexChanged, this, &Deux_variables::updateLorenz);
    gini_ = readableLabel(panel, "Indice_Gini", u"Indice de Gini"_s);
    auto* lorenzTab = new QWidget(panel);
    auto* lorenzLayout = new QVBoxLayout(lorenzTab);
    lorenzLayout->addWidget(lorenzSource_);
    lorenzLayout->addWidget(lorenzChart_, 1);
    lorenzLayout->addWidget(gini_);
    lorenzLayout->addWidget(
        makeChartButtons(u"Lorenz"_s, [this] { return lorenzChart_->chart(); }));

    tabs_ = new QTabWidget(panel);
    tabs_->setObjectName(u"Graphiques_paires"_s);
    tabs_->addTab(scatterTab, u"&Nuage"_s);
    tabs_->addTab(residualTab, u"&Résidus"_s);
    tabs_->addTab(lorenzTab, u"&Lorenz"_s);

    auto* estimate = new QGroupBox(u"Estimation"_s, panel);
    estimate->setObjectName(u"Estimation"_s);
    chosen_ = combo(estimate, "Ajustement_choisi", u"Ajustement des estimations et des résidus"_s,
                    {u"Moindres carrés"_s, u"Droite de Mayer"_s, u"Au jugé"_s,
                     u"Changement de variable"_s, u"Ajustement exponentiel"_s});
    connect(chosen_, &QComboBox::currentIndexChanged, this, &Deux_variables::update);
    estimateX_ = new QLineEdit(estimate);
    estimateX_->setObjectName(u"Estimation_x"_s);
    estimateY_ = new QLineEdit(estimate);
    estimateY_->setObjectName(u"Estimation_y"_s);
    estimatedY_ = readableLabel(estimate, "Estimation_de_y", u"Estimation de y"_s);
    estimatedX_ = readableLabel(estimate, "Estimation_de_x", u"Estimation de x"_s);
    for (QLineEdit* edit : {estimateX_, estimateY_})
        connect(edit, &QLineEdit::textChanged, this, &Deux_variables::updateEstimates);
    auto* form = new QFormLayout(estimate);
    form->addRow(u"Par l'a&justement :"_s, chosen_);
    form->addRow(u"y pour x &="_s, estimateX_);
    form->addRow(QString(), estimatedY_);
    form->addRow(u"x pour y &="_s, estimateY_);
    form->addRow(QString(), estimatedX_);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fits);
    layout->addWidget(tabs_, 1);
    layout->addWidget(estimate);
    return panel;
}

int Deux_variables::decimals() const {
    return decimals_->value();
}

std::vector<pp::Curve> Deux_variables::shownFits(QStringList& faults) const {
    std::vector<pp::Curve> curves;
    const pp::Pairs& p = pairs();
    const auto add = [&](const pp::Computed<pp::Curve>& c) {
        if (c)
            curves.push_back(*c.value);
        else
            faults << c.fault;
    };
    if (mayer_->isChecked()) add(pp::fit(p, pp::Method::Mayer));
    if (leastSquares_->isChecked()) add(pp::fit(p, pp::Method::LeastSquares));
    if (xInY_->isChecked()) add(pp::fit(p, pp::Method::LeastSquaresXInY));
    if (change_->isChecked())
        add(pp::fit(p, pp::Method::LeastSquares, kChanges[changeX_->currentIndex()],
                    kChanges[changeY_->currentIndex()]));
    if (exponential_->isChecked()) {
        const pp::Computed<pp::Exponential> e = pp::exponentialFit(p);
        if (e)
            curves.push_back(e->curve);
        else
            faults << e.fault;
    }
    return curves;
}

pp::Computed<pp::Curve> Deux_variables::chosenFit() const {
    const pp::Pairs& p = pairs();
    switch (chosen_->currentIndex()) {
        case 1:
            return pp::fit(p, pp::Method::Mayer);
        case kByEyeChoice:
            if (const auto l = scatter_->line())
                return pp::Computed<pp::Curve>::success(pp::byEye(*l));
            return pp::Computed<pp::Curve>::failure(u"Le tracé au jugé n'est pas placé."_s);
        case 3:
            return pp::fit(p, pp::Method::LeastSquares, kChanges[changeX_->currentIndex()],
                           kChanges[changeY_->currentIndex()]);
        case 4: {
            const pp::Computed<pp::Exponential> e = pp::exponentialFit(p);
            if (!e) return pp::Computed<pp::Curve>::failure(e.fault);
            return pp::Computed<pp::Curve>::success(e->curve);
        }
        default:
            return pp::fit(p, pp::Method::LeastSquares);
    }
}

}  // namespace pairs_window
