// Exercises with no window: every shipped exercise's expected answers against the
// classroom's definitions worked out again here from the data alone, with the file's
// own data and with drawn data. The verdicts, the working, new data and files that do
// not read are tst_exercise_verdicts.

#include "core/exercises/exercise.h"
#include "core/numbers.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using core::Quantity;
using Shape = core::ExerciseSeries::Shape;

namespace {

QString exercisesFolder() {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;
}

core::Exercise read(const QString& name) {
    const core::ExerciseReading l = core::readExerciseFile(exercisesFolder() + u'/' + name);
    if (!l.value) qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

// ---- the definitions, again, from the values written out one by one

std::vector<double> writtenValues(const core::ExerciseSeries& s, double m, double a) {
    std::vector<double> v;
    if (s.shape == Shape::Raw) v = s.rawValues;
    for (const auto& p : s.values) v.insert(v.end(), size_t(p.count), p.value);
    for (double& x : v) x = m * x + a;
    std::sort(v.begin(), v.end());
    return v;
}

double mean(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s / double(v.size());
}

double variance(const std::vector<double>& v) {
    const double m = mean(v);
    double s = 0;
    for (double x : v) s += (x - m) * (x - m);
    return s / double(v.size());
}

// The value of rank ⌈N × part⌉, ranks from 1.
double quantileAt(const std::vector<double>& v, double part) {
    return v[size_t(std::ceil(double(v.size()) * part - 1e-9)) - 1];
}

double median(const std::vector<double>& v) {
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Classes: the cumulative polygon through (a1, 0), (bi, Ni), read at a level.
double reading(std::vector<core::Interval> c, double level) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.lower < q.lower; });
    double runningTotal = 0;
    for (const auto& k : c) {
        if (runningTotal + double(k.count) >= level && k.count > 0)
            return k.lower + (level - runningTotal) / double(k.count) * k.amplitude();
        runningTotal += double(k.count);
    }
    return c.back().upper;
}

double above(const std::vector<core::Interval>& c, double threshold) {
    double n = 0;
    for (const auto& k : c)
        n += double(k.count) *
             std::clamp((k.upper - std::max(threshold, k.lower)) / k.amplitude(), 0.0, 1.0);
    return n;
}

double independent(const core::Exercise& e, const core::ExerciseQuestion& q) {
    const core::ExerciseSeries& s = e.series[size_t(q.series)];
    const double m = q.multiplier, a = q.add;
    if (s.shape == Shape::Classes) {
        std::vector<core::Interval> c = s.classes;
        for (auto& k : c) k = {m * k.lower + a, m * k.upper + a, k.count};
        double N = 0, sum = 0, squares = 0;
        for (const auto& k : c) {
            N += double(k.count);
            sum += double(k.count) * (k.lower + k.upper) / 2;
        }
        for (const auto& k : c)
            squares += double(k.count) * std::pow((k.lower + k.upper) / 2 - sum / N, 2);
        switch (q.quantity) {
            case Quantity::Mean:
                return sum / N;
            case Quantity::Variance:
                return squares / N;
            case Quantity::StandardDeviation:
                return std::sqrt(squares / N);
            case Quantity::Median:
                return reading(c, N / 2);
            case Quantity::Q1:
                return reading(c, N / 4);
            case Quantity::Q3:
                return reading(c, 3 * N / 4);
            case Quantity::D1:
                return reading(c, N / 10);
            case Quantity::D9:
                return reading(c, 9 * N / 10);
            case Quantity::InterquartileRange:
                return reading(c, 3 * N / 4) - reading(c, N / 4);
            case Quantity::TotalCount:
                return N;
            case Quantity::CountAbove:
                return above(c, q.parameter);
            case Quantity::CountBelow:
                return N - above(c, q.parameter);
            case Quantity::PercentAbove:
                return 100 * above(c, q.parameter) / N;
            case Quantity::PercentBelow:
                return 100 * (N - above(c, q.parameter)) / N;
            default:
                break;
        }
        qFatal("no independent figure for this question");
    }
    const std::vector<double> v = writtenValues(s, m, a);
    const double N = double(v.size());
    const auto tally = [&](auto keep) { return double(std::count_if(v.begin(), v.end(), keep)); };
    switch (q.quantity) {
        case Quantity::Mean:
            return mean(v);
        case Quantity::Variance:
            return variance(v);
        case Quantity::StandardDeviation:
            return std::sqrt(variance(v));
        case Quantity::Median:
            return median(v);
        case Quantity::Q1:
            return quantileAt(v, 0.25);
        case Quantity::Q3:
            return quantileAt(v, 0.75);
        case Quantity::D1:
            return quantileAt(v, 0.1);
        case Quantity::D9:
            return quantileAt(v, 0.9);
        case Quantity::InterquartileRange:
            return quantileAt(v, 0.75) - quantileAt(v, 0.25);
        case Quantity::Range:
            return v.back() - v.front();
        case Quantity::TotalCount:
            return N;
        case Quantity::Mode: {
            double best = v.front();
            double plus = 0;
            for (double x : v)
                if (tally([x](double y) { return y == x; }) > plus)
                    plus = tally([x](double y) { return y == x; }), best = x;
            return best;
        }
        case Quantity::ValueFrequency:
            return 100 * tally([&](double y) { return y == q.parameter; }) / N;
        case Quantity::CountAbove:
            return tally([&](double y) { return y > q.parameter; });
        case Quantity::CountBelow:
            return tally([&](double y) { return y < q.parameter; });
        case Quantity::PercentAbove:
            return 100 * tally([&](double y) { return y > q.parameter; }) / N;
        case Quantity::PercentBelow:
            return 100 * tally([&](double y) { return y < q.parameter; }) / N;
        default:
            break;
    }
    qFatal("no independent figure for this question");
}

// The right choice, again: the modal class by density, the series of largest figure.
QString independentChoice(const core::Exercise& e, const core::ExerciseQuestion& q) {
    if (q.quantity == Quantity::Choice) return q.answer;
    if (q.quantity == Quantity::ModalClass) {
        const core::ExerciseSeries& s = e.series[size_t(q.series)];
        const auto k = *std::max_element(s.classes.begin(), s.classes.end(), [](auto& x, auto& y) {
            return double(x.count) / x.amplitude() < double(y.count) / y.amplitude();
        });
        return core::intervalText(k.lower, k.upper, s.closedRight);
    }
    core::ExerciseQuestion one = q;
    one.quantity = q.comparedBy;
    double best = 0;
    QString name;
    for (size_t i = 0; i < e.series.size(); ++i) {
        one.series = int(i);
        const double x = independent(e, one);
        if (name.isEmpty() || (q.quantity == Quantity::Largest ? x > best : x < best))
            best = x, name = e.series[i].name;
    }
    return name;
}

bool choices(Quantity q) {
    return q == Quantity::Choice || q == Quantity::ModalClass || q == Quantity::Largest ||
           q == Quantity::Smallest;
}

}  // namespace

class ExerciseEngineTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void expectedAnswers_data();
    void expectedAnswers();
};

// GIVEN each shipped exercise, with its data and with series n° 4711's, WHEN each
// question's answer is asked THEN it is the figure (or the choice) the definitions give.
void ExerciseEngineTest::expectedAnswers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("question");
    QTest::addColumn<uint>("serial");
    // Pairs and simulations are checked in tst_exercise_kinds.
    QStringList files = QDir(exercisesFolder()).entryList({u"*.json"_s}, QDir::Files);
    files.removeIf([](const QString& f) {
        const Shape shape = read(f).series.front().shape;
        return shape == Shape::Pairs || shape == Shape::Simulation;
    });
    QVERIFY(files.size() >= 30);
    for (const QString& f : files)
        for (int q = 0; q < int(read(f).questions.size()); ++q)
            for (uint n : {0u, 4711u})
                QTest::addRow("%s q%d n%u", qPrintable(f), q + 1, n) << f << q << n;
}

void ExerciseEngineTest::expectedAnswers() {
    QFETCH(QString, file);
    QFETCH(int, question);
    QFETCH(uint, serial);
    const core::Exercise e = serial ? core::withNewData(read(file), serial) : read(file);
    const core::ExerciseQuestion& q = e.questions[size_t(question)];
    if (choices(q.quantity)) {
        QVERIFY(core::choicesOf(e, question).size() >= 2);
        QCOMPARE(core::rightChoicesOf(e, question), QStringList{independentChoice(e, q)});
        QCOMPARE(core::check(e, question, independentChoice(e, q)), core::Verdict::Right);
        return;
    }
    const std::vector<double> expectedFigures = core::expectedFigures(e, question);
    if (q.quantity == Quantity::Mode) {
        // Drawn data may tie: every value of the largest count is a mode.
        const std::vector<double> v = writtenValues(e.series[size_t(q.series)], 1, 0);
        const auto timesOf = [&](double x) { return std::count(v.begin(), v.end(), x); };
        for (double x : expectedFigures) QCOMPARE(timesOf(x), timesOf(independent(e, q)));
        QVERIFY(std::find(expectedFigures.begin(), expectedFigures.end(), independent(e, q)) !=
                expectedFigures.end());
        for (double x : expectedFigures)
            QCOMPARE(core::check(e, question, QString::number(x)), core::Verdict::Right);
        if (expectedFigures.size() > 1) return;
    } else {
        QCOMPARE(expectedFigures.size(), size_t(1));
    }
    const double x = independent(e, q);
    QVERIFY2(std::abs(expectedFigures.front() - x) <= 1e-9 * std::max(1.0, std::abs(x)),
             qPrintable(u"%1 attendu, %2 calculé"_s.arg(expectedFigures.front()).arg(x)));
    // The figure rounded as asked is right; one precision step away is not.
    const int dec = std::max(0, int(std::ceil(-std::log10(q.precision) - 1e-9)));
    const QString right = QLocale(QLocale::French).toString(x, 'f', dec);
    QCOMPARE(core::check(e, question, right), core::Verdict::Right);
    QCOMPARE(core::check(e, question, QString::number(x + 2 * q.precision, 'f', dec + 1)),
             core::Verdict::Wrong);
}

QTEST_APPLESS_MAIN(ExerciseEngineTest)
#include "tst_exercise_engine.moc"
