// Charts that read well: on the record of every chart the program makes, for the data it
// ships and a few edge series, no text overlaps another text or a drawn line, and none
// runs off the chart. Texts are measured in the face the painter gives them, as it lays
// them out (painting::paintLabels). A caption on its own background masks what it lies on
// by design, so only other texts count against it. The main window's four charts are left
// out: their label boxes stand where the program has always put them, as its own tests pin.

#include "core/exercises/exercise.h"
#include "core/exercises/exercise_chart.h"
#include "core/individuals/charts.h"
#include "core/individuals/reader.h"
#include "core/numbers.h"
#include "core/pairs/lorenz_chart.h"
#include "core/pairs/scatter_chart.h"
#include "core/series_box_plot.h"
#include "core/series_charts.h"
#include "core/simulation/charts.h"
#include "core/table_charts.h"
#include "ui/painting/chart_painter.h"

#include <QDir>
#include <QFontMetrics>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(core::FrequencyTable)
Q_DECLARE_METATYPE(core::pairs::Pairs)

namespace {

const QString kExercises = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s;
const QString kDataSets = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/donnees/"_s;

// Every series the shipped exercises hold as values, each as its list of values.
QList<std::pair<QString, std::vector<double>>> exerciseSeries() {
    QList<std::pair<QString, std::vector<double>>> found;
    for (const QString& f : QDir(kExercises).entryList({u"*.json"_s}, QDir::Files, QDir::Name)) {
        const auto read = core::readExerciseFile(kExercises + f);
        if (!read.value) continue;
        for (const auto& series : read.value->series) {
            if (series.shape != core::ExerciseSeries::Shape::Raw &&
                series.shape != core::ExerciseSeries::Shape::Values)
                continue;
            std::vector<double> values;
            for (const auto& v : series.weighted())
                values.insert(values.end(), size_t(std::min<qint64>(v.count, 5000)), v.value);
            found.push_back({f + u' ' + series.name, values});
        }
    }
    return found;
}

struct Text {
    QString text;
    QRectF box;  // logical pixels
    bool masks;
};

// Where the painter lays each caption shown, in logical pixels.
QList<Text> textsOf(const core::Drawing& d) {
    QList<Text> texts;
    for (const core::Drawing::Label& label : d.shownLabels()) {
        if (label.text.isEmpty()) continue;
        // As the painter measures it, in whole pixels.
        const QFontMetrics metrics(painting::font(label.points, label.bold));
        const QSizeF size(metrics.horizontalAdvance(label.text) + 2, metrics.height());
        QPointF at(label.left.value_or(0) / painting::kTwipsPerPixel,
                   label.top.value_or(0) / painting::kTwipsPerPixel);
        if (label.anchor & Qt::AlignHCenter) at.rx() -= size.width() / 2;
        if (label.anchor & Qt::AlignRight) at.rx() -= size.width();
        if (label.anchor & Qt::AlignVCenter) at.ry() -= size.height() / 2;
        if (label.anchor & Qt::AlignBottom) at.ry() -= size.height();
        // The ink stands inside the line's height and the pixel of room on the right.
        texts.push_back({label.text, QRectF(at, size).adjusted(0, 1, -2, -1), label.background});
    }
    return texts;
}

// The first fault found: two texts on each other, a line or dot through a text, or a
// text beyond the area; empty when the chart reads well.
QString faultOf(const core::Drawing& d, QSizeF area) {
    const QList<Text> texts = textsOf(d);
    const QRectF whole(QPointF(0, 0), area);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const Text& a = texts[i];
        if (!whole.contains(a.box)) return u"« %1 » runs off the chart"_s.arg(a.text);
        for (qsizetype j = i + 1; j < texts.size(); ++j)
            if (a.box.intersects(texts[j].box))
                return u"« %1 » overlaps « %2 »"_s.arg(a.text, texts[j].text);
        if (a.masks) continue;
        for (const auto& op : d.operations()) {
            const double half = op.width / 2.0;
            const QRectF hit = a.box.adjusted(-half, -half, half, half);
            QLineF segment(op.x1 / painting::kTwipsPerPixel, op.y1 / painting::kTwipsPerPixel,
                           op.x2 / painting::kTwipsPerPixel, op.y2 / painting::kTwipsPerPixel);
            if (core::clip(segment, hit))
                return u"« %1 » is crossed at (%2 ; %3)"_s.arg(a.text)
                    .arg(segment.center().x())
                    .arg(segment.center().y());
        }
    }
    return {};
}

QSizeF areaOf(const core::Surface& s) {
    return QSizeF(s.width, s.height) / painting::kTwipsPerPixel;
}

}  // namespace

class ChartTextsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void exerciseCharts_data();
    void exerciseCharts();
    void tableCharts_data();
    void tableCharts();
    void seriesCharts_data();
    void seriesCharts();
    void individualsCharts_data();
    void individualsCharts();
    void simulationCharts();
    void pairsCharts_data();
    void pairsCharts();
};

void ChartTextsTest::exerciseCharts_data() {
    QTest::addColumn<QString>("file");
    const QStringList files = QDir(kExercises).entryList({u"*.json"_s}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 30);
    for (const QString& f : files) QTest::newRow(qPrintable(f)) << f;
}

// The chart each shipped exercise shows with its data, as the window and the sheets draw it.
void ChartTextsTest::exerciseCharts() {
    QFETCH(QString, file);
    const auto read = core::readExerciseFile(kExercises + file);
    QVERIFY2(read.value, qPrintable(core::exerciseFault(read.error)));
    for (const auto& chart : core::exercises::chartsOf(*read.value)) {
        if (!chart.fault.isEmpty()) continue;
        const QString fault = faultOf(chart.drawing, areaOf(chart.surface));
        QVERIFY2(fault.isEmpty(), qPrintable(chart.caption + u": "_s + fault));
    }
}

void ChartTextsTest::tableCharts_data() {
    QTest::addColumn<core::FrequencyTable>("table");
    const QStringList files = QDir(kExercises).entryList({u"*.json"_s}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        const auto read = core::readExerciseFile(kExercises + f);
        if (!read.value) continue;
        int n = 0;
        for (const auto& series : read.value->series) {
            using Shape = core::ExerciseSeries::Shape;
            if (series.shape == Shape::Pairs || series.shape == Shape::Simulation) continue;
            QTest::addRow("%s %d", qPrintable(f), ++n) << core::toTable(series);
        }
    }
}

// Every chart of the table window, for each series of the shipped exercises, at the
// size the chart area has and at the size of a file.
void ChartTextsTest::tableCharts() {
    QFETCH(core::FrequencyTable, table);
    const core::TableAnalysis analysis = core::analyseTable(table);
    for (const core::Surface surface :
         {core::Surface{}, core::Surface{12750, 9000, 2, 0}, core::Surface{6300, 4200, 2, 0}}) {
        for (int kind = 0; kind < core::kTableCharts; ++kind) {
            for (const bool deciles : {false, true}) {
                const core::TableChartRecord g =
                    core::tableChartRecord(analysis, core::TableChart(kind), surface, deciles);
                if (!g.fault.isEmpty()) continue;
                const QString fault = faultOf(g.drawing, areaOf(surface));
                QVERIFY2(fault.isEmpty(),
                         qPrintable(core::chartTitle(core::TableChart(kind)) + u": "_s + fault));
            }
        }
    }
}

void ChartTextsTest::seriesCharts_data() {
    QTest::addColumn<std::vector<double>>("first");
    QTest::addColumn<std::vector<double>>("second");
    const auto series = exerciseSeries();
    for (qsizetype i = 0; i < series.size(); ++i)
        QTest::newRow(qPrintable(series[i].first))
            << series[i].second << series[(i + 1) % series.size()].second;
    QTest::newRow("one value") << std::vector<double>{3} << std::vector<double>{};
    QTest::newRow("0 and 1") << std::vector<double>{0, 1} << std::vector<double>{1};
    QTest::newRow("millions") << std::vector<double>{-3, 1234567} << std::vector<double>{2, 5};
    QTest::newRow("the largest values")
        << std::vector<double>{-1e308, 1e308} << std::vector<double>{};
}

// The parameters window's box plot of both series, at the window's width.
void ChartTextsTest::seriesCharts() {
    QFETCH(std::vector<double>, first);
    QFETCH(std::vector<double>, second);
    const core::Surface surface{11700, float(core::kSeriesBoxPlotHeight), 2, 0};
    const core::TableChartRecord box =
        core::seriesBoxPlot(core::parameters(first), core::parameters(second), surface);
    QVERIFY(box.fault.isEmpty());
    const QString fault = faultOf(box.drawing, areaOf(surface));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void ChartTextsTest::individualsCharts_data() {
    QTest::addColumn<QString>("file");
    const QStringList files = QDir(kDataSets).entryList({u"*.csv"_s}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString& f : files) QTest::newRow(qPrintable(f)) << f;
}

// Each variable of the shipped data sets: bars and pie of a qualitative one, the
// histogram of a numeric one in the width the window suggests.
void ChartTextsTest::individualsCharts() {
    QFETCH(QString, file);
    namespace ci = core::individuals;
    const auto read = ci::readIndividualsFile(kDataSets + file);
    QVERIFY(read);
    const ci::Dataset& data = *read.value;
    const ci::Selection all = ci::Selection::all(data.rowCount());
    const core::Surface surface;
    for (int v = 0; v < int(data.variables().size()); ++v) {
        const QString name = data.variables()[size_t(v)].name;
        std::vector<core::TableChartRecord> charts;
        if (data.variables()[size_t(v)].nature == ci::Nature::Qualitative) {
            const ci::Modalities m = ci::modalities(data, v, all);
            charts.push_back(ci::barsOfModalities(name, m, surface));
            charts.push_back(ci::pieOfModalities(name, m, surface));
        } else {
            charts.push_back(ci::histogramOfClasses(
                name, ci::classes(data, v, all, ci::suggestedWidth(data, v, all)), surface));
        }
        for (const auto& g : charts) {
            if (!g.fault.isEmpty()) continue;
            const QString fault = faultOf(g.drawing, areaOf(surface));
            QVERIFY2(fault.isEmpty(), qPrintable(name + u": "_s + fault));
        }
    }
}

// The simulation's three charts, for a frequency and for means.
void ChartTextsTest::simulationCharts() {
    namespace cs = core::simulation;
    cs::Parameters p;
    p.p = 0.3;
    p.n = 100;
    p.samples = 200;
    const auto result = cs::simulate(p, {}, 1);
    const auto fluctuation = cs::fluctuation(p, cs::defaultSizes(), {}, 1);
    const auto sequence = cs::largeNumbers(p);
    QVERIFY(result && fluctuation && sequence);
    const core::Surface surface;
    for (const core::TableChartRecord& g :
         {cs::histogram(*result, surface), cs::fluctuationChart(*fluctuation, surface),
          cs::largeNumbersChart(*sequence, surface)}) {
        QVERIFY(g.fault.isEmpty());
        const QString fault = faultOf(g.drawing, areaOf(surface));
        QVERIFY2(fault.isEmpty(), qPrintable(g.description.left(40) + u": "_s + fault));
    }
}

void ChartTextsTest::pairsCharts_data() {
    QTest::addColumn<core::pairs::Pairs>("pairs");
    for (const QString& f : QDir(kExercises).entryList({u"*.json"_s}, QDir::Files, QDir::Name)) {
        const auto read = core::readExerciseFile(kExercises + f);
        if (!read.value) continue;
        for (const auto& series : read.value->series)
            if (series.shape == core::ExerciseSeries::Shape::Pairs)
                QTest::newRow(qPrintable(f)) << series.pairs;
    }
}

// The two variables' scatter with its fits and the learner's line, the residuals of the
// least squares, and the Lorenz curve of the pairs taken as shares.
void ChartTextsTest::pairsCharts() {
    QFETCH(core::pairs::Pairs, pairs);
    namespace cp = core::pairs;
    cp::ScatterOptions options;
    for (const auto method : {cp::Method::LeastSquares, cp::Method::Mayer})
        if (const auto curve = cp::fit(pairs, method)) options.fits.push_back(*curve);
    QVERIFY(!options.fits.empty());
    options.byEye = cp::ByEyeLine{*options.fits.front().yInX(), {}};
    options.residuals = cp::ResidualStyle::Segments;
    std::vector<cp::ChartRecord> charts;
    if (const auto scatter = cp::scatterChart(pairs, options)) charts.push_back(*scatter);
    if (const auto residuals = cp::residualChart(pairs, options.fits.front()))
        charts.push_back(*residuals);
    QVERIFY(!charts.empty());
    for (const cp::ChartRecord& chart : charts) {
        const QString fault = faultOf(chart.drawing, areaOf(cp::kPairsSurface));
        QVERIFY2(fault.isEmpty(), qPrintable(chart.description.left(40) + u": "_s + fault));
    }
}

QTEST_MAIN(ChartTextsTest)
#include "tst_chart_texts.moc"
