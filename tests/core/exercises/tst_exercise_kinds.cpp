// Exercises on pairs, on a Lorenz curve and on a simulation: each shipped file's answers
// against sums, normal equations, Mayer's groups and shares worked out again here with
// plain loops, with the file's data and with drawn data; new data a number gives back;
// faulty files refused at their line; the corrected sheet's key lines.

#include "core/exercises/exercise.h"
#include "core/numbers.h"
#include "core/simulation/simulation.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;
using core::Quantity;
using Shape = core::ExerciseSeries::Shape;

namespace {

const QString kFolder = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s;

core::Exercise read(const QString& name) {
    const core::ExerciseReading l = core::readExerciseFile(kFolder + name);
    if (!l.value) qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

struct FittedLine {
    double a, b;
};

// The normal equations, or Mayer's mean points of the pairs sorted by x.
FittedLine fittedLine(const std::vector<double>& x, const std::vector<double>& y, bool mayer) {
    const size_t n = x.size();
    if (!mayer) {
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (size_t i = 0; i < n; ++i) {
            sx += x[i];
            sy += y[i];
            sxx += x[i] * x[i];
            sxy += x[i] * y[i];
        }
        const double a = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        return {a, (sy - a * sx) / n};
    }
    std::vector<size_t> k(n);
    std::iota(k.begin(), k.end(), 0);
    std::stable_sort(k.begin(), k.end(), [&](size_t i, size_t j) { return x[i] < x[j]; });
    const size_t firstHalf = (n + 1) / 2;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    for (size_t i = 0; i < n; ++i) (i < firstHalf ? x1 : x2) += x[k[i]];
    for (size_t i = 0; i < n; ++i) (i < firstHalf ? y1 : y2) += y[k[i]];
    x1 /= firstHalf, y1 /= firstHalf, x2 /= double(n - firstHalf), y2 /= double(n - firstHalf);
    const double a = (y2 - y1) / (x2 - x1);
    return {a, y1 - a * x1};
}

double independentPairs(const core::ExerciseSeries& s, const core::ExerciseQuestion& q) {
    const std::vector<double>& x = s.pairs.x;
    std::vector<double> y = s.pairs.y;
    if (q.quantity == Quantity::Gini) {
        double area = 0, px = 0, py = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            area += (x[i] - px) * (y[i] + py);
            px = x[i], py = y[i];
        }
        return 1 - area;
    }
    if (q.lnY)
        for (double& v : y) v = std::log(v);
    const double n = double(x.size());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sx += x[i], sy += y[i], sxx += x[i] * x[i], syy += y[i] * y[i], sxy += x[i] * y[i];
    }
    const double cov = sxy / n - sx / n * sy / n;
    const FittedLine d = fittedLine(x, y, q.mayer);
    switch (q.quantity) {
        case Quantity::MeanX:
            return sx / n;
        case Quantity::MeanY:
            return sy / n;
        case Quantity::Covariance:
            return cov;
        case Quantity::Correlation:
            return cov / std::sqrt((sxx / n - sx * sx / n / n) * (syy / n - sy * sy / n / n));
        case Quantity::Slope:
            return d.a;
        case Quantity::Intercept:
            return d.b;
        default:
            if (q.x) return q.lnY ? std::exp(d.a * *q.x + d.b) : d.a * *q.x + d.b;
            return ((q.lnY ? std::log(*q.y) : *q.y) - d.b) / d.a;
    }
}

// The run's frequencies taken from core::simulation for the series' number; the standard
// deviation and the shares counted here.
double independentSimulation(const core::ExerciseSeries& s, const core::ExerciseQuestion& q) {
    core::simulation::Parameters p;
    p.p = s.p, p.n = s.n, p.samples = s.samples, p.series = s.draw;
    double centre = s.p;
    if (!s.population.empty()) {
        p.population = std::make_shared<const core::simulation::Population>(
            core::simulation::populationOf(s.population));
        centre = std::accumulate(s.population.begin(), s.population.end(), 0.0) /
                 double(s.population.size());
    }
    const std::vector<double> f = core::simulation::simulate(p)->values;
    double m = 0, v = 0;
    for (double x : f) m += x;
    m /= double(f.size());
    for (double x : f) v += (x - m) * (x - m);
    const double sd = std::sqrt(v / double(f.size()));
    const double halfHeight = q.k ? q.k * sd : 1 / std::sqrt(double(s.n));
    switch (q.quantity) {
        case Quantity::FrequencyStandardDeviation:
            return sd;
        case Quantity::LowerBound:
            return s.p - halfHeight;
        case Quantity::UpperBound:
            return s.p + halfHeight;
        default:
            return double(std::count_if(
                       f.begin(), f.end(),
                       [&](double x) { return std::abs(x - centre) <= halfHeight + 1e-12; })) /
                   double(f.size());
    }
}

QStringList newFiles() {
    QStringList n;
    for (const QString& f : QDir(kFolder).entryList({u"*.json"_s}, QDir::Files, QDir::Name)) {
        const Shape shape = read(f).series.front().shape;
        if (shape == Shape::Pairs || shape == Shape::Simulation) n << f;
    }
    return n;
}

}  // namespace

class ExerciseKindsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void shippedAnswers_data();
    void shippedAnswers();
    void newDataByNumber();
    void filesThatDoNotRead_data();
    void filesThatDoNotRead();
    void correctedSheet_data();
    void correctedSheet();
    void edgeCases_data();
    void edgeCases();
};

// GIVEN each shipped exercise on pairs or on a simulation, with its data and with series
// n° 4711's WHEN each answer is asked THEN it is the figure worked out again here.
void ExerciseKindsTest::shippedAnswers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("question");
    QTest::addColumn<uint>("serial");
    const QStringList files = newFiles();
    QCOMPARE(files.size(), 8);
    for (const QString& f : files) {
        const core::Exercise e = read(f);
        QVERIFY2(
            !e.themes.isEmpty() && QStringList({u"2nde"_s, u"1re"_s, u"Tle"_s}).contains(e.level),
            qPrintable(f));
        for (int q = 0; q < int(e.questions.size()); ++q)
            for (uint n : {0u, 4711u})
                QTest::addRow("%s q%d n%u", qPrintable(f), q + 1, n) << f << q << n;
    }
}

void ExerciseKindsTest::shippedAnswers() {
    QFETCH(QString, file);
    QFETCH(int, question);
    QFETCH(uint, serial);
    const core::Exercise e = serial ? core::withNewData(read(file), serial) : read(file);
    const core::ExerciseQuestion& q = e.questions[size_t(question)];
    const core::ExerciseSeries& s = e.series.front();
    QVERIFY(!core::solutionOf(e, question).isEmpty());
    if (q.quantity == Quantity::Choice) return;
    if (q.quantity == Quantity::IntervalDecision) {
        const double halfHeight = 1 / std::sqrt(double(s.n));
        const bool inside = std::abs(*s.observedFrequency - s.p) <= halfHeight;
        QCOMPARE(core::rightChoicesOf(e, question), QStringList{q.choices[inside ? 0 : 1]});
        QCOMPARE(core::check(e, question, q.choices[inside ? 1 : 0]), core::Verdict::Wrong);
        return;
    }
    const double x =
        s.shape == Shape::Simulation ? independentSimulation(s, q) : independentPairs(s, q);
    const std::vector<double> expectedFigures = core::expectedFigures(e, question);
    QCOMPARE(expectedFigures.size(), size_t(1));
    QVERIFY2(std::abs(expectedFigures.front() - x) <= 1e-9 * std::max(1.0, std::abs(x)),
             qPrintable(u"%1 attendu, %2 calculé"_s.arg(expectedFigures.front()).arg(x)));
    const int dec = std::max(0, int(std::ceil(-std::log10(q.precision) - 1e-9)));
    QCOMPARE(core::check(e, question, QLocale(QLocale::French).toString(x, 'f', dec)),
             core::Verdict::Right);
    QCOMPARE(core::check(e, question, QString::number(x + 2 * q.precision, 'f', dec + 1)),
             core::Verdict::Wrong);
}

// GIVEN an exercise WHEN new data are drawn twice from one number THEN they are the same,
// rounded as the file's were; another number gives others; a simulation runs that number.
void ExerciseKindsTest::newDataByNumber() {
    for (const QString& f : {u"31-distance-d-arret.json"_s, u"32-chiffre-d-affaires.json"_s}) {
        const core::Exercise e = read(f);
        const auto a = core::withNewData(e, 12).series.front().pairs;
        QCOMPARE(a, core::withNewData(e, 12).series.front().pairs);
        QVERIFY(a.y != core::withNewData(e, 13).series.front().pairs.y);
        QCOMPARE(a.x, e.series.front().pairs.x);
        for (double y : a.y) QVERIFY(y > 0 && y == std::round(y));
    }
    const core::Exercise s = core::withNewData(read(u"35-pile-ou-face.json"_s), 12);
    QCOMPARE(s.series.front().draw, quint64(12));
    QVERIFY(core::expectedFigures(s, 0) != core::expectedFigures(core::withNewData(s, 13), 0));
}

// GIVEN files that do not read WHEN they are read THEN the reason says the line.
void ExerciseKindsTest::filesThatDoNotRead_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fault");
    const QByteArray pairs =
        "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"paires\", "
        "\"x\": [1, 2, 3], \"y\": [2, 4, 5]},\n\"questions\": [\n";
    const QByteArray simulation =
        "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"simulation\", "
        "\"p\": 0.3, \"n\": 50, \"N\": 100},\n\"questions\": [\n";
    QTest::newRow("pairs of unequal lengths")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"paires\", \"x\": [1, 2], "
               "\"y\": [1]}, \"questions\": []}")
        << u"ligne 2 : « x » et « y » doivent être deux listes"_s;
    QTest::newRow("unknown method")
        << pairs +
               "{\"texte\": \"a\", \"demande\": \"moyenne_x\"},\n{\"texte\": \"b\", "
               "\"demande\": \"coefficient_directeur\", \"methode\": \"mayor\"}]}"
        << u"ligne 5 : « methode » vaut « moindres_carres » ou « mayer »"_s;
    QTest::newRow("estimation from both")
        << pairs + "{\"texte\": \"a\", \"demande\": \"estimation\", \"x\": 1, \"y\": 2}]}"
        << u"ligne 4 : une estimation part d'un « x » ou d'un « y »"_s;
    QTest::newRow("mean on pairs")
        << pairs + "{\"texte\": \"a\", \"demande\": \"moyenne\"}]}"
        << u"ligne 4 : cette quantité ne se demande pas sur ces données"_s;
    QTest::newRow("p beyond 1")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"simulation\", \"p\": 1.5, "
               "\"n\": 10, \"N\": 10}, \"questions\": []}")
        << u"ligne 2 : « p » doit être un nombre de 0 à 1"_s;
    QTest::newRow("too many draws")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"simulation\", \"p\": 0.5, "
               "\"n\": 100000, \"N\": 1000000}, \"questions\": []}")
        << u"ligne 2 : « n » et « N » doivent être des entiers positifs"_s;
    QTest::newRow("k of 4")
        << simulation + "{\"texte\": \"a\", \"demande\": \"part_dans_intervalle\", \"k\": 4}]}"
        << u"ligne 4 : « k » vaut 1, 2 ou 3"_s;
    QTest::newRow("decision without an observed frequency")
        << simulation + "{\"texte\": \"a\", \"demande\": \"decision_intervalle\"}]}"
        << u"ligne 4 : la décision demande une « frequence_observee »"_s;
    QTest::newRow("p ± 1/√n of a population")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"simulation\", \"population\": "
               "[1, 2], \"n\": 5, \"N\": 5},\n\"questions\": [\n{\"texte\": \"a\", "
               "\"demande\": \"borne_inferieure\"}]}")
        << u"ligne 4 : [p − 1/√n ; p + 1/√n] se demande pour une proportion p"_s;
    QTest::newRow("pairs question on a simulation")
        << simulation + "{\"texte\": \"a\", \"demande\": \"covariance\"}]}"
        << u"ligne 4 : cette question se pose sur des paires"_s;
}

void ExerciseKindsTest::filesThatDoNotRead() {
    QFETCH(QByteArray, json);
    QFETCH(QString, fault);
    const core::ExerciseReading l = core::readExercise(json);
    QVERIFY(!l.value);
    QVERIFY2(core::exerciseFault(l.error).startsWith(fault),
             qPrintable(core::exerciseFault(l.error)));
}

// GIVEN a pairs exercise and a simulation WHEN their corrected sheet is written THEN its key
// lines are there, with regional decimals (what --exercice=E --solution --serie=S prints).
void ExerciseKindsTest::correctedSheet_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<uint>("serial");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("stopping distance")
        << u"31-distance-d-arret.json"_s << 0u
        << QStringList{u"Vitesse (km/h)\tDistance d'arrêt (m)"_s,
                       u"130\t112"_s,
                       u"   Réponse : 80 km/h"_s,
                       u"   Réponse : 76,5 m"_s,
                       u"Σxᵢ = 30 + 50 + 70 + 90 + 110 + 130 = 480"_s,
                       u"G₁(50 ; 27,3333)"_s};
    QTest::newRow("heads or tails") << u"35-pile-ou-face.json"_s << 5u
                                    << QStringList{u"Série n° 5"_s,
                                                   u"Simulation n°\t5"_s,
                                                   u"Proportion p\t0,5"_s,
                                                   u"   Réponse : 0,4"_s,
                                                   u"   Réponse : 0,6"_s,
                                                   u"La simulation n° 5 tire 1"_s,
                                                   u"000 échantillons de taille n = 100"_s};
}

void ExerciseKindsTest::correctedSheet() {
    QFETCH(QString, file);
    QFETCH(uint, serial);
    QFETCH(QStringList, lines);
    const core::Exercise e = serial ? core::withNewData(read(file), serial) : read(file);
    const QString sheet = core::correctedSheet(e, serial);
    for (const QString& l : lines) QVERIFY2(sheet.contains(l), qPrintable(l + u"\n"_s + sheet));
}

// GIVEN data at the edges (a constant x, shares that are no Lorenz curve, p = 0, one sample
// of one draw, a table of incomes) WHEN the question is asked THEN the answer worked out by
// hand, or none with a working that says why, and a sheet that is written whole.
void ExerciseKindsTest::edgeCases_data() {
    QTest::addColumn<QByteArray>("givenData");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<double>("expected");  // NaN: none
    const double none = std::nan("");
    const QByteArray constant = "{\"forme\": \"paires\", \"x\": [2, 2, 2], \"y\": [1, 5, 6]}";
    QTest::newRow("slope of a constant x")
        << constant << QByteArray("\"coefficient_directeur\"") << none;
    QTest::newRow("Mayer with a constant x")
        << constant << QByteArray("\"estimation\", \"methode\": \"mayer\", \"x\": 3") << none;
    QTest::newRow("r of a constant x") << constant << QByteArray("\"correlation\"") << none;
    QTest::newRow("mean y of a constant x") << constant << QByteArray("\"moyenne_y\"") << 4.0;
    QTest::newRow("shares decreasing")
        << QByteArray("{\"forme\": \"paires\", \"x\": [0.5, 1], \"y\": [0.7, 0.2]}")
        << QByteArray("\"gini\"") << none;
    // Centres 5, 15, 30 hold 25, 45, 60 of 130: 1 − [0,5 × 25 + 0,3 × 95 + 0,2 × 200] / 130.
    QTest::newRow("Gini of classes")
        << QByteArray(
               "{\"forme\": \"classes\", \"classes\": [[0, 10, 5], [10, 20, 3], [20, 40, 2]]}")
        << QByteArray("\"gini\"") << 1 - (0.5 * 25 + 0.3 * 95 + 0.2 * 200) / 130;
    QTest::newRow("p = 0") << QByteArray(
                                  "{\"forme\": \"simulation\", \"p\": 0, \"n\": 30, \"N\": 40}")
                           << QByteArray("\"ecart_type_frequences\"") << 0.0;
    QTest::newRow("means of a constant population")
        << QByteArray("{\"forme\": \"simulation\", \"population\": [3, 3], \"n\": 5, \"N\": 9}")
        << QByteArray("\"part_dans_intervalle\", \"k\": 1") << 1.0;
    QTest::newRow("one draw, within p ± 1/√n")
        << QByteArray("{\"forme\": \"simulation\", \"p\": 0.5, \"n\": 1, \"N\": 1}")
        << QByteArray("\"part_dans_intervalle\", \"intervalle\": \"1/racine(n)\"") << 1.0;
}

void ExerciseKindsTest::edgeCases() {
    QFETCH(QByteArray, givenData);
    QFETCH(QByteArray, question);
    QFETCH(double, expected);
    const core::ExerciseReading l =
        core::readExercise("{\"titre\": \"t\", \"donnees\": " + givenData +
                           ", \"questions\": [{\"texte\": \"a\", \"demande\": " + question + "}]}");
    QVERIFY2(l.value, qPrintable(core::exerciseFault(l.error)));
    const std::vector<double> v = core::expectedFigures(*l.value, 0);
    if (std::isnan(expected)) {
        QVERIFY(v.empty());
        QCOMPARE(core::expectedAnswerOf(*l.value, 0), u"aucune"_s);
        QVERIFY(core::solutionOf(*l.value, 0).contains(u"impossible"_s));
    } else {
        QCOMPARE(v.size(), size_t(1));
        QVERIFY2(std::abs(v.front() - expected) < 1e-12, qPrintable(QString::number(v.front())));
    }
    for (quint32 n : {0u, 7u})
        QVERIFY(
            core::correctedSheet(core::withNewData(*l.value, n ? n : 1), n).contains(u"1) a"_s));
}

QTEST_APPLESS_MAIN(ExerciseKindsTest)
#include "tst_exercise_kinds.moc"
