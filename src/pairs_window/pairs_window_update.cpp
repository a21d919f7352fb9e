// What follows the pairs and the choices: the statistics, the scatter plot's fits and
// the learner's line, the residuals, the estimates and the Lorenz curve.

#include "core/numbers.h"
#include "core/pairs/lorenz_chart.h"
#include "core/pairs/texts.h"
#include "pairs_window/pairs_model.h"
#include "pairs_window/pairs_window.h"
#include "pairs_window/scatter_view.h"
#include "ui/chart_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace pairs_window {

namespace pp = core::pairs;

namespace {

ui::ChartView::Content contentOf(const pp::Computed<pp::ChartRecord>& record) {
    if (!record) return {{}, {}, record.fault};
    return {record->drawing, record->description, {}};
}

core::Surface surfaceOf(double width, double height) {
    return {float(width), float(height), 2, 0};
}

void showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
    label->setAccessibleDescription(text);
}

}  // namespace

void Deux_variables::update() {
    const pp::Pairs& p = pairs();
    const int d = decimals();
    showText(fault_, pp::faultText(model_->typed()));
    const pp::Computed<pp::Summary> s = pp::summarize(p);
    summarized_ = bool(s);
    QStringList lines;
    if (s) {
        summary_ = *s;
        lines << u"Effectif : %1"_s.arg(s->n)
              << u"Point moyen G"_s + pp::pointText({s->meanX, s->meanY}, d)
              << u"Variance des x : "_s + pp::rounded(s->varianceX, d)
              << u"Variance des y : "_s + pp::rounded(s->varianceY, d)
              << u"Covariance : "_s + pp::signedText(s->covariance, d);
        if (s->r)
            lines << u"r = "_s + pp::signedText(*s->r, d) + u" ; r² = "_s +
                         pp::rounded(*s->r * *s->r, d);
    } else {
        lines << s.fault;
    }
    showText(statistics_, lines.join(u'\n'));

    QStringList faults;
    const std::vector<pp::Curve> fits = shownFits(faults);
    showText(fitFault_, faults.join(u'\n'));
    QString groups;
    if (mayer_->isChecked())
        if (const pp::Computed<pp::Mayer> m = pp::mayer(p))
            groups = u"Droite de Mayer : "_s + pp::mayerGroups(*m) + u" ; G1"_s +
                     pp::pointText(m->g1, d) + u", G2"_s + pp::pointText(m->g2, d);
    showText(mayerGroups_, groups);
    scatter_->setPairs(model_->typed().pairs);
    pp::ScatterOptions options;
    options.fits = fits;
    options.residuals = pp::ResidualStyle(residualStyle_->currentIndex());
    options.decimals = d;
    leastSquaresSum_.reset();
    if (const auto ls = pp::fit(p, pp::Method::LeastSquares))
        leastSquaresSum_ = pp::sumOfSquaredResiduals(p, ls->line);
    scatter_->setOptions(options, byEye_->isChecked());
    updateByEye();
    if (chosen_->currentIndex() != kByEyeChoice) updateResiduals();
    updateLorenz();
}

void Deux_variables::updateByEye() {
    const pp::Pairs& p = pairs();
    const int d = decimals();
    const std::optional<pp::Line> line = scatter_->line();
    const bool shown = byEye_->isChecked() && line && summarized_;
    QString equation, sum;
    if (shown) {
        equation = u"Au jugé : "_s + pp::equation(pp::byEye(*line), d);
        sum = u"Somme des carrés des résidus : "_s +
              pp::rounded(pp::sumOfSquaredResiduals(p, *line), d);
        if (leastSquares_->isChecked() && leastSquaresSum_)
            sum += u" (moindres carrés : "_s + pp::rounded(*leastSquaresSum_, d) + u")"_s;
    }
    showText(byEyeEquation_, equation);
    showText(byEyeSum_, sum);
    // The residuals and estimates follow the learner's line only where it is the chosen fit.
    if (chosen_->currentIndex() == kByEyeChoice) updateResiduals();
}

void Deux_variables::updateResiduals() {
    const pp::Pairs& p = pairs();
    const int d = decimals();
    const pp::Computed<pp::Curve> chosen = chosenFit();
    if (chosen) {
        model_->setResiduals(pp::residuals(p, *chosen), d);
    } else {
        model_->setResiduals({}, d);
    }
    residualChart_->setChart([this, chosen, d](double w, double h) -> ui::ChartView::Content {
        if (!chosen) return {{}, {}, chosen.fault};
        return contentOf(pp::residualChart(pairs(), *chosen, d, surfaceOf(w, h)));
    });
    updateEstimates();
}

void Deux_variables::updateEstimates() {
    const pp::Computed<pp::Curve> curve = chosenFit();
    const int d = decimals();
    const auto estimate = [&](QLineEdit* edit, QLabel* label, bool forY) {
        const QString typed = edit->text().trimmed();
        if (typed.isEmpty() || !summarized_) return showText(label, {});
        // The minus sign the window writes is read back as the keyboard's.
        const std::optional<double> v = core::readNumber(QString(typed).replace(u'−', u'-'));
        if (!v) return showText(label, u"« %1 » n'est pas un nombre"_s.arg(typed));
        if (!curve) return showText(label, curve.fault);
        const pp::Computed<pp::Prediction> p =
            forY ? pp::predictY(*curve, summary_, *v) : pp::predictX(*curve, summary_, *v);
        if (!p) return showText(label, p.fault);
        showText(label, (forY ? u"y ≈ "_s : u"x ≈ "_s) + pp::signedText(p->value, d) + u" ("_s +
                            p->kind() + u")"_s);
    };
    estimate(estimateX_, estimatedY_, true);
    estimate(estimateY_, estimatedX_, false);
}

void Deux_variables::setTable(const core::TableAnalysis& table) {
    counts_ = table;
    updateLorenz();
}

void Deux_variables::updateLorenz() {
    pp::Computed<pp::Lorenz> lorenz;
    if (lorenzSource_->currentIndex() == 1) {
        lorenz =
            counts_
                ? pp::lorenzFromTable(*counts_)
                : pp::Computed<pp::Lorenz>::failure(u"Aucun tableau d'effectifs n'est ouvert."_s);
    } else {
        std::vector<pp::Point> shares;
        const pp::Pairs& p = pairs();
        for (std::size_t i = 0; i < p.size(); ++i) shares.push_back({p.x[i], p.y[i]});
        lorenz = pp::lorenzFromShares(shares);
    }
    const int d = std::max(decimals(), 3);
    showText(gini_, lorenz ? u"Indice de Gini : "_s + pp::rounded(lorenz->gini, d) : lorenz.fault);
    lorenzChart_->setChart([lorenz, d](double w, double h) -> ui::ChartView::Content {
        if (!lorenz) return {{}, {}, lorenz.fault};
        const pp::ChartRecord r = pp::lorenzChart(*lorenz, d, surfaceOf(w, h));
        return {r.drawing, r.description, {}};
    });
}

}  // namespace pairs_window
