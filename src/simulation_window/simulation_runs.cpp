// The window's runs: the parameters read from the form, the core run on the window's
// pool, and what it returned shown. A run cancelled shows nothing new.

#include "simulation_window/simulation_window.h"

#include "core/numbers.h"
#include "core/simulation/charts.h"
#include "core/simulation/report.h"
#include "ui/chart_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;
namespace sim = core::simulation;

namespace {

// "0,3", or a fraction as the presets write it, "1/6".
std::optional<double> readProportion(const QString& text) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0) return core::readNumber(text);
    const auto a = core::readNumber(QStringView(text).left(slash));
    const auto b = core::readNumber(QStringView(text).mid(slash + 1));
    if (!a || !b || *b == 0) return std::nullopt;
    return *a / *b;
}

// The chart for the area's size, as the view asks for it.
ui::ChartView::Draw drawOf(std::function<core::TableChartRecord(const core::Surface&)> chart) {
    return [chart = std::move(chart)](double width, double height) {
        core::Surface surface;
        surface.width = float(width);
        surface.height = float(height);
        core::TableChartRecord g = chart(surface);
        return ui::ChartView::Content{std::move(g.drawing), g.description, g.fault};
    };
}

// Four decimals at most, never "-0".
QString rounded(double value) {
    const double r = std::round(value * 1e4) / 1e4;
    return core::textOfNumber(r == 0 ? 0.0 : r);
}

// The label's text is its accessible name, so a screen reader reads the result itself.
void showText(QLabel* label, const QString& text, const QString& none = u"Aucun résultat"_s) {
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? none : QString(text).replace(u'\n', u' '));
}

}  // namespace

void Simulation::setMainSeries(const QStringList& texts) {
    mainSeries_.clear();
    for (const QString& t : texts)
        if (const auto v = core::readNumber(t)) mainSeries_.push_back(*v);
}

void Simulation::setTable(const core::FrequencyTable& table) {
    const core::TableAnalysis analysis = core::analyseTable(table);
    tablePopulation_ = analysis.total > 0
                           ? std::make_shared<const sim::Population>(sim::populationOf(analysis))
                           : nullptr;
}

std::optional<sim::Parameters> Simulation::parameters() {
    sim::Parameters p;
    p.n = Text_taille->value();
    p.samples = Text_nombre->value();
    p.series = std::uint64_t(Text_serie->value());
    switch (Choix_tirage->currentIndex()) {
        case 0:
            if (const auto read = readProportion(Text_p->text().trimmed())) {
                p.p = *read;
            } else {
                say(u"La proportion p doit être un nombre de 0 à 1, comme 0,3 ou 1/6."_s);
                return std::nullopt;
            }
            break;
        case 1:
            if (mainSeries_.empty()) {
                say(u"La série principale ne contient aucune valeur."_s);
                return std::nullopt;
            }
            p.population = std::make_shared<const sim::Population>(sim::populationOf(mainSeries_));
            break;
        default:
            if (!tablePopulation_) {
                say(u"Le tableau d'effectifs ne contient aucune valeur."_s);
                return std::nullopt;
            }
            p.population = tablePopulation_;
    }
    if (const QString why = sim::fault(p); !why.isEmpty()) {
        say(why);
        return std::nullopt;
    }
    return p;
}

void Simulation::say(const QString& text) {
    showText(Label_etat, text, u"Aucun calcul en cours"_s);
}

void Simulation::start(Work work) {
    if (run_) return;
    auto run = std::make_shared<Run>();
    run_ = run;
    setRunning(true);
    say(u"Calcul en cours…"_s);
    // The window outlives the task: its destructor waits for the pool.
    pool_.start([this, run, work = std::move(work)] {
        std::function<void()> show = work([run](double share) {
            run->share = share;
            return !run->cancelled.load();
        });
        QMetaObject::invokeMethod(
            this, [this, run, show] { finish(run, show); }, Qt::QueuedConnection);
    });
}

void Simulation::finish(const std::shared_ptr<Run>& run, const std::function<void()>& show) {
    // A run cancelled from the window shows nothing, even if it had just finished.
    const bool completed = show && !run->cancelled;
    if (run == run_) {
        run_.reset();
        setRunning(false);
    }
    if (completed) {
        show();
        say({});
    } else {
        say(u"Calcul annulé : les résultats précédents restent affichés."_s);
    }
    emit runFinished(completed);
}

void Simulation::cancel() {
    if (!run_) return;
    run_->cancelled = true;
    Command_annuler->setEnabled(false);
    say(u"Annulation…"_s);
}

void Simulation::setRunning(bool running) {
    for (QWidget* w :
         {static_cast<QWidget*>(Command_simuler), static_cast<QWidget*>(Command_fluctuation),
          static_cast<QWidget*>(Command_grands_nombres)})
        w->setEnabled(!running);
    Command_annuler->setEnabled(running);
    Barre_progression->setValue(0);
    if (running)
        progressTimer_->start();
    else
        progressTimer_->stop();
}

void Simulation::simulate() {
    const auto p = parameters();
    if (!p) return;
    start([this, p = *p](const sim::Progress& progress) -> std::function<void()> {
        auto r = sim::simulate(p, progress);
        if (!r) return {};
        return [this, r = std::move(*r)]() mutable {
            result_ = std::move(r);
            showResult();
        };
    });
}

void Simulation::fluctuate() {
    const auto p = parameters();
    if (!p) return;
    const auto sizes = sim::readSizes(Text_tailles->text());
    if (!sizes) {
        say(u"Tailles, colonne %1 : %2."_s.arg(sizes.error.column).arg(sizes.error.why));
        return;
    }
    start([this, p = *p,
           sizes = *sizes.value](const sim::Progress& progress) -> std::function<void()> {
        auto f = sim::fluctuation(p, sizes, progress);
        if (!f) return {};
        return [this, f = std::move(*f)]() mutable {
            fluctuation_ = std::move(f);
            showFluctuation();
        };
    });
}

void Simulation::drawSequence() {
    auto p = parameters();
    if (!p) return;
    p->n = std::min(p->n, sim::kLongestSequence);
    start([this, p = *p](const sim::Progress& progress) -> std::function<void()> {
        auto l = sim::largeNumbers(p, progress);
        if (!l) return {};
        return [this, l = std::move(*l)]() mutable {
            largeNumbers_ = std::move(l);
            showLargeNumbers();
        };
    });
}

void Simulation::showResult() {
    const bool shown = result_.has_value();
    Command_liste->setEnabled(shown);
    Command_tableau->setEnabled(shown);
    if (!shown) {
        showText(Label_resume, u"Choisissez ce qui est tiré, n et N, puis « Simuler »."_s);
        for (QLabel* l : Label_part) showText(l, {});
        Picture_histogramme->setChart({});
        return;
    }
    // The mean and the standard deviation as the command line names them; the shares
    // with their intervals written out below.
    // n and N stand in the form above; the figures to four decimals, as the learner
    // reads them.
    QStringList lines;
    for (const auto& [name, value] : sim::rowsOf(*result_))
        if (name.startsWith(u"Moyenne"_s) || name.startsWith(u"Écart-type"_s))
            lines << name + u" : "_s + rounded(*core::readNumber(value));
    showText(Label_resume, lines.join(u'\n'));
    const auto& shares = result_->shares;
    for (size_t k = 0; k < 4; ++k)
        showText(Label_part[k],
                 k < shares.size()
                     ? u"Part dans "_s + sim::shareText(shares[k], result_->parameters.samples)
                     : QString());
    Picture_histogramme->setChart(
        drawOf([r = *result_](const core::Surface& s) { return sim::histogram(r, s); }));
}

void Simulation::showFluctuation() {
    if (!fluctuation_) {
        showText(Label_fluctuation, u"L'écart-type s des fréquences pour chaque taille n."_s);
        Picture_fluctuation->setChart({});
        return;
    }
    QStringList parts;
    for (size_t i = 0; i < fluctuation_->sizes.size(); ++i)
        parts << u"n = %1 : s = %2"_s.arg(sim::grouped(fluctuation_->sizes[i]),
                                          rounded(fluctuation_->sds[i]));
    showText(Label_fluctuation, parts.join(u" ; "_s));
    Picture_fluctuation->setChart(drawOf(
        [f = *fluctuation_](const core::Surface& s) { return sim::fluctuationChart(f, s); }));
}

void Simulation::showLargeNumbers() {
    if (!largeNumbers_ || largeNumbers_->running.empty()) {
        showText(Label_grands_nombres,
                 u"Une suite de n tirages et sa fréquence au fil des tirages."_s);
        Picture_grands_nombres->setChart({});
        return;
    }
    const auto& l = *largeNumbers_;
    const auto draws = std::ssize(l.running);
    showText(Label_grands_nombres,
             u"%1 après %2 : %3 (%4 = %5)"_s.arg(
                 l.means ? u"Moyenne"_s : u"Fréquence"_s,
                 sim::grouped(draws) + (draws > 1 ? u" tirages"_s : u" tirage"_s),
                 rounded(l.running.back()), l.means ? u"μ"_s : u"p"_s, rounded(l.centre)));
    Picture_grands_nombres->setChart(
        drawOf([l](const core::Surface& s) { return sim::largeNumbersChart(l, s); }));
}

void Simulation::toList() {
    if (!result_) return;
    bool tooMany = false;
    const QStringList texts = sim::listOf(*result_, tooMany);
    if (tooMany) {
        say(u"La liste prend au plus 32 767 valeurs : simulez au plus 32 767 échantillons "
            u"pour les y mettre."_s);
        return;
    }
    emit listRequested(texts, u"Simulation"_s);
}

void Simulation::toTable() {
    if (result_) emit tableRequested(sim::tableOfCounts(*result_));
}
