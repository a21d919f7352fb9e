// The simulation window on its own: a run shows the shares the core works out for the
// same parameters and series number, a cancelled run leaves what was shown, and the
// values go to the list and the table of counts by its requests.

#include "core/numbers.h"
#include "core/simulation/charts.h"
#include "core/simulation/report.h"
#include "simulation_window/simulation_window.h"
#include "ui/chart_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;
namespace sim = core::simulation;

namespace {

enum Source { Proportion, MainSeries, Table };

// The events until the run has ended: the window's own thread goes on meanwhile.
void waitForRun(Simulation& w) {
    while (w.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

core::FrequencyTable twoValues() {
    core::FrequencyTable t;
    t.lines = {{.value = u"2"_s, .count = u"3"_s}, {.value = u"10"_s, .count = u"1"_s}};
    return t;
}

void fill(Simulation& w, Source source, const QString& p, int n, int samples, int series) {
    w.setMainSeries({u"3"_s, u"7"_s, u"8"_s, u"pas un nombre"_s, u"12"_s});
    w.setTable(twoValues());
    w.Choix_tirage->setCurrentIndex(int(source));
    w.Text_p->setText(p);
    w.Text_taille->setValue(n);
    w.Text_nombre->setValue(samples);
    w.Text_serie->setValue(series);
}

QStringList shown(const Simulation& w) {
    QStringList texts;
    for (const QLabel* l : w.Label_part) texts << l->text();
    return texts;
}

}  // namespace

class SimulationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void runShowsTheCoreShares_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("p");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("lastEnds");  // worked by hand where it can be
        QTest::newRow("coin") << int(Proportion) << u"1/2"_s << 100 << 1000 << 4711 << QString();
        QTest::newRow("decimal p") << int(Proportion) << u"0,3"_s << 50 << 200 << 17 << QString();
        // Every frequency is 1: all within any interval around p = 1.
        QTest::newRow("p = 1") << int(Proportion) << u"1"_s << 10 << 5 << 1
                               << u"5 échantillons sur 5, soit 100 %"_s;
        // A single draw: 0 or 1, both within 1/6 ± 1.
        QTest::newRow("n = N = 1") << int(Proportion) << u"1/6"_s << 1 << 1 << 4711
                                   << u"1 échantillon sur 1, soit 100 %"_s;
        QTest::newRow("main series") << int(MainSeries) << QString() << 30 << 300 << 8 << QString();
        QTest::newRow("table") << int(Table) << QString() << 4 << 100 << 9 << QString();
    }
    void runShowsTheCoreShares() {
        QFETCH(int, source);
        QFETCH(QString, p);
        QFETCH(int, n);
        QFETCH(int, samples);
        QFETCH(int, series);
        QFETCH(QString, lastEnds);
        Simulation w;
        w.show();
        fill(w, Source(source), p, n, samples, series);
        QSignalSpy finished(&w, &Simulation::runFinished);
        QTest::mouseClick(w.Command_simuler, Qt::LeftButton);
        waitForRun(w);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);

        sim::Parameters expected{.n = n, .samples = samples, .series = std::uint64_t(series)};
        if (source == Proportion)
            expected.p =
                p.contains(u'/') ? 1.0 / p.section(u'/', 1).toDouble() : *core::readNumber(p);
        else if (source == MainSeries)
            expected.population =
                std::make_shared<const sim::Population>(sim::populationOf({3.0, 7.0, 8.0, 12.0}));
        else
            expected.population = std::make_shared<const sim::Population>(
                sim::populationOf(core::analyseTable(twoValues())));
        const auto result = sim::simulate(expected, {}, 1);
        QVERIFY(result);
        QCOMPARE(result->shares.size(), size_t(4));
        for (size_t k = 0; k < 4; ++k) {
            const QString text = u"Part dans "_s + sim::shareText(result->shares[k], samples);
            QCOMPARE(w.Label_part[k]->text(), text);
            QCOMPARE(w.Label_part[k]->accessibleName(), text);
        }
        if (!lastEnds.isEmpty())
            QVERIFY2(shown(w).last().endsWith(lastEnds), qPrintable(shown(w).last()));
        QVERIFY(w.Picture_histogramme->drawn());
        QVERIFY(!w.Picture_histogramme->accessibleDescription().isEmpty());
    }

    // The other two runs: their charts (and so what a screen reader hears) are the core's.
    void otherRunsShowTheCore_data() {
        QTest::addColumn<bool>("sequence");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("said");
        QTest::newRow("fluctuation") << false << 10 << u"n = 25 : s = "_s;
        QTest::newRow("large numbers") << true << 1000 << u"Fréquence après 1 000 tirages"_s;
        QTest::newRow("a single draw") << true << 1 << u"Fréquence après 1 tirage :"_s;
    }
    void otherRunsShowTheCore() {
        QFETCH(bool, sequence);
        QFETCH(int, n);
        QFETCH(QString, said);
        Simulation w;
        w.show();
        fill(w, Proportion, u"1/6"_s, n, 50, 21);
        w.Text_tailles->setText(u"25 ; 100\n400"_s);
        QTest::mouseClick(sequence ? w.Command_grands_nombres : w.Command_fluctuation,
                          Qt::LeftButton);
        waitForRun(w);
        const sim::Parameters p{.p = 1.0 / 6, .n = n, .samples = 50, .series = 21};
        const QString description =
            sequence
                ? sim::largeNumbersChart(*sim::largeNumbers(p)).description
                : sim::fluctuationChart(*sim::fluctuation(p, {25, 100, 400}, {}, 1)).description;
        const ui::ChartView* view = sequence ? w.Picture_grands_nombres : w.Picture_fluctuation;
        QVERIFY(!description.isEmpty());
        QCOMPARE(view->content().description, description);
        const QLabel* label = sequence ? w.Label_grands_nombres : w.Label_fluctuation;
        QVERIFY2(label->text().startsWith(said), qPrintable(label->text()));
        QCOMPARE(label->accessibleName(), label->text());
    }

    void cancelKeepsWhatWasShown() {
        Simulation w;
        w.show();
        fill(w, Proportion, u"1/2"_s, 100, 500, 3);
        QTest::mouseClick(w.Command_simuler, Qt::LeftButton);
        waitForRun(w);
        const QStringList before = shown(w);
        const std::vector<double> values = w.result()->values;

        // Means of samples far too many to finish, cancelled at once.
        fill(w, MainSeries, {}, 100000, 1000000, 5);
        QSignalSpy finished(&w, &Simulation::runFinished);
        QTest::mouseClick(w.Command_simuler, Qt::LeftButton);
        QVERIFY(w.running());
        QVERIFY(!w.Command_simuler->isEnabled());
        QTest::mouseClick(w.Command_annuler, Qt::LeftButton);
        waitForRun(w);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QCOMPARE(shown(w), before);
        QCOMPARE(w.result()->values, values);
        QVERIFY(w.Label_etat->text().startsWith(u"Calcul annulé"_s));
        QVERIFY(w.Command_simuler->isEnabled());
    }

    void requestsCarryTheValues_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<bool>("toList");
        QTest::newRow("a list") << 200 << true;
        QTest::newRow("the list's most") << 32767 << true;
        QTest::newRow("beyond the list") << 32768 << false;
    }
    void requestsCarryTheValues() {
        QFETCH(int, samples);
        QFETCH(bool, toList);
        Simulation w;
        w.show();
        fill(w, Proportion, u"0,5"_s, 10, samples, 11);
        QTest::mouseClick(w.Command_simuler, Qt::LeftButton);
        waitForRun(w);
        QSignalSpy list(&w, &Simulation::listRequested);
        QSignalSpy table(&w, &Simulation::tableRequested);
        QTest::mouseClick(w.Command_liste, Qt::LeftButton);
        QTest::mouseClick(w.Command_tableau, Qt::LeftButton);

        QCOMPARE(list.size(), toList ? 1 : 0);
        if (toList) {
            const QStringList texts = list.at(0).at(0).toStringList();
            QCOMPARE(texts.size(), samples);
            // Frequencies of samples of 10: tenths, in the samples' order.
            for (qsizetype i = 0; i < texts.size(); ++i) {
                const double f = *core::readNumber(texts[i]);
                QCOMPARE(f, w.result()->values[size_t(i)]);
                QCOMPARE(std::round(f * 10), f * 10);
            }
        } else {
            QVERIFY(w.Label_etat->text().contains(u"32 767"_s));
        }
        QCOMPARE(table.size(), 1);
        const auto sent = table.at(0).at(0).value<core::FrequencyTable>();
        // At most 11 values, 0 to 1 by tenths, their counts making N.
        QCOMPARE(sent.nature, core::FrequencyTable::Nature::Values);
        QVERIFY(sent.lines.size() <= 11);
        double total = 0;
        for (const auto& row : sent.lines) total += *core::readNumber(row.count);
        QCOMPARE(total, double(samples));
        QCOMPARE(sent, sim::tableOfCounts(*w.result()));
    }

    void faultsAreSaid_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("said");
        QTest::newRow("p not a number") << int(Proportion) << u"un demi"_s << u"proportion"_s;
        QTest::newRow("p beyond 1") << int(Proportion) << u"1,5"_s << u"p"_s;
        QTest::newRow("no table") << int(Table) << QString() << u"tableau"_s;
    }
    void faultsAreSaid() {
        QFETCH(int, source);
        QFETCH(QString, p);
        QFETCH(QString, said);
        Simulation w;
        w.show();
        fill(w, Source(source), p, 10, 10, 1);
        w.setTable({});
        QSignalSpy finished(&w, &Simulation::runFinished);
        QTest::mouseClick(w.Command_simuler, Qt::LeftButton);
        QVERIFY(!w.running());
        QCOMPARE(finished.size(), 0);
        QVERIFY2(w.Label_etat->text().contains(said), qPrintable(w.Label_etat->text()));
        QVERIFY(!w.result());
    }
};

QTEST_MAIN(SimulationWindowTest)
#include "tst_simulation_window.moc"
