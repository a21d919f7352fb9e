// The chart an exercise asks for: the file's key read or refused at its line, and the
// records drawn from the data, their figures worked out by hand; each pupil's sheet
// draws the pupil's own series.

#include "core/exercises/exercise_chart.h"
#include "core/numbers.h"
#include "core/sheets/sheets.h"

#include <QTest>

using namespace Qt::StringLiterals;
using core::ExerciseChart;

namespace {

// A file with its data and the chart asked for on lines of their own, and a question
// these data take.
QByteArray file(const QByteArray& data, const QByteArray& chart) {
    const QByteArray asked = data.contains("paires")       ? "moyenne_x"
                             : data.contains("simulation") ? "ecart_type_frequences"
                                                           : "effectif_total";
    return "{\n\"titre\": \"t\",\n\"donnees\": " + data + ",\n\"graphique\": " + chart +
           ",\n\"questions\": [{\"texte\": \"a\", \"demande\": \"" + asked + "\"}]\n}";
}

const QByteArray kRaw = R"({"forme": "brute", "valeurs": [1, 2, 3, 4, 5, 6, 7, 8]})";
const QByteArray kValues = R"({"forme": "valeurs", "valeurs": [[1, 1], [2, 3]]})";
const QByteArray kClasses = R"({"forme": "classes", "classes": [[0, 10, 2], [10, 30, 2]]})";
const QByteArray kPairs = R"({"forme": "paires", "x": [1, 2, 3], "y": [2, 4, 9]})";
const QByteArray kSimulation = R"({"forme": "simulation", "p": 0.5, "n": 10, "N": 5})";

// The exercise the file describes, or one without data where it does not read (the
// test then fails on its reason).
core::Exercise read(const QByteArray& json) {
    const core::ExerciseReading l = core::readExercise(json);
    if (!l.value) QTest::qFail(qPrintable(core::exerciseFault(l.error)), __FILE__, __LINE__);
    return l.value.value_or(core::Exercise{});
}

}  // namespace

class ExerciseChartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void named_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("chart");
        QTest::addColumn<ExerciseChart>("expected");
        QTest::newRow("no key") << kRaw << QByteArray() << ExerciseChart::None;
        QTest::newRow("bars of raw values") << kRaw << "\"batons\""_ba << ExerciseChart::Bars;
        QTest::newRow("bars of values") << kValues << "\"batons\""_ba << ExerciseChart::Bars;
        QTest::newRow("histogram") << kClasses << "\"histogramme\""_ba << ExerciseChart::Histogram;
        QTest::newRow("cumulative of values")
            << kValues << "\"polygone_cumule\""_ba << ExerciseChart::CumulativePolygon;
        QTest::newRow("box of classes") << kClasses << "\"boite\""_ba << ExerciseChart::Box;
        QTest::newRow("pie of raw values") << kRaw << "\"camembert\""_ba << ExerciseChart::Pie;
        QTest::newRow("scatter") << kPairs << "\"nuage\""_ba << ExerciseChart::Scatter;
    }
    void named() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, chart);
        QFETCH(ExerciseChart, expected);
        QByteArray json = file(data, chart);
        if (chart.isEmpty()) json.replace("\"graphique\": ,\n", "");
        QCOMPARE(read(json).chosenChart, expected);
    }

    // GIVEN a chart the file cannot have WHEN it is read THEN the reason names line 4.
    void refused_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("chart");
        QTest::addColumn<QString>("fault");
        const QString unknown =
            u"ligne 4 : graphique inconnu « %1 » (batons, histogramme, "
            u"polygone_cumule, boite, camembert ou nuage)"_s;
        QTest::newRow("unknown") << kRaw << "\"secteurs\""_ba << unknown.arg(u"secteurs"_s);
        QTest::newRow("English name") << kRaw << "\"pie\""_ba << unknown.arg(u"pie"_s);
        QTest::newRow("empty") << kRaw << "\"\""_ba
                               << u"ligne 4 : « graphique » doit être un texte"_s;
        QTest::newRow("not a text")
            << kRaw << "3"_ba << u"ligne 4 : « graphique » doit être un texte"_s;
        QTest::newRow("histogram of values")
            << kValues << "\"histogramme\""_ba
            << u"ligne 4 : le graphique « histogramme » se dessine pour des classes"_s;
        QTest::newRow("bars of classes")
            << kClasses << "\"batons\""_ba
            << u"ligne 4 : le graphique « batons » se dessine pour des valeurs"_s;
        QTest::newRow("scatter of values")
            << kRaw << "\"nuage\""_ba
            << u"ligne 4 : le graphique « nuage » se dessine pour des paires"_s;
        QTest::newRow("box of pairs")
            << kPairs << "\"boite\""_ba
            << u"ligne 4 : le graphique « boite » se dessine pour une série, des valeurs ou des classes"_s;
        QTest::newRow("pie of a simulation") << kSimulation << "\"camembert\""_ba
                                             << u"ligne 4 : le graphique « camembert » se dessine "
                                                u"pour une série, des valeurs ou des "
                                                u"classes"_s;
        QTest::newRow("one series of two does not fit")
            << "[" + kClasses + ", " + kRaw + "]"
            << "\"histogramme\""_ba
            << u"ligne 4 : le graphique « histogramme » se dessine pour des classes"_s;
    }
    void refused() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, chart);
        QFETCH(QString, fault);
        const core::ExerciseReading l = core::readExercise(file(data, chart));
        QVERIFY(!l.value);
        QCOMPARE(core::exerciseFault(l.error), fault);
    }

    // Worked by hand: 1…8 has Q1 = 2 (rank 2), Me = 4,5, Q3 = 6 (rank 6); 1 once and 2
    // three times are a quarter and three quarters; classes of 2 and 2 over widths 10
    // and 20 have densities 0,2 and 0,1.
    void drawn_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("chart");
        QTest::addColumn<QString>("description");
        QTest::newRow("box") << kRaw << "\"boite\""_ba
                             << u"Diagramme en boîte : minimum 1, Q1 2, médiane 4,5, Q3 6, "
                                u"maximum 8"_s;
        QTest::newRow("pie") << kValues << "\"camembert\""_ba
                             << u"Diagramme circulaire de la série, part de chaque modalité : "
                                u"1 25,0 %, 2 75,0 %"_s;
        QTest::newRow("scatter, the points alone") << kPairs << "\"nuage\""_ba << u"3 points"_s;
    }
    void drawn() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, chart);
        QFETCH(QString, description);
        const auto charts = core::exercises::chartsOf(read(file(data, chart)));
        QCOMPARE(charts.size(), size_t(1));
        QCOMPARE(charts[0].fault, QString());
        QCOMPARE(charts[0].description, description);
        QVERIFY(!charts[0].drawing.isEmpty());
        QVERIFY(charts[0].caption.isEmpty());
        // Nothing the questions ask is written on it: no mean point, no fit, no r.
        for (const auto& label : charts[0].drawing.shownLabels())
            QVERIFY2(!label.text.contains(u"G("_s) && !label.text.contains(u"r ="_s),
                     qPrintable(label.text));
    }

    void oneChartASeries() {
        const core::Exercise e =
            read(file("[" + kClasses + ", " + kClasses + "]", "\"histogramme\""));
        const auto charts = core::exercises::chartsOf(e);
        QCOMPARE(charts.size(), size_t(2));
        QCOMPARE(charts[0].caption, u"Série 1"_s);
        QCOMPARE(charts[1].caption, u"Série 2"_s);
        QVERIFY(charts[1].description.startsWith(u"Histogramme"_s));
        QVERIFY(core::exercises::chartsOf(
                    read(file(kRaw, "\"batons\"").replace("\"graphique\": \"batons\",\n", "")))
                    .empty());
    }

    // Each pupil's chart is that of the pupil's own series, not the file's.
    void sheetsDrawThePupilsData() {
        const core::Exercise e = read(file(kRaw, "\"boite\""));
        const auto sheetList = core::sheets::sheetsFor({e}, core::sheets::numberedPupils(3), 11);
        QStringList told;
        for (const auto& sheet : sheetList) {
            QCOMPARE(sheet.exercises[0].charts.size(), size_t(1));
            const auto own = core::exercises::chartsOf(core::withNewData(e, sheet.series));
            QCOMPARE(sheet.exercises[0].charts[0].description, own[0].description);
            told << own[0].description;
        }
        told.removeDuplicates();
        QVERIFY2(told.size() > 1, qPrintable(told.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(ExerciseChartTest)
#include "tst_exercise_chart.moc"
