// The shipped bank with no window: every file says its level and its themes, every
// level has its share, new data come back the same for the same series number and
// answer again as the definitions say; a level or themes the reader does not know.

#include "core/exercises/exercise.h"
#include "core/numbers.h"

#include <QDir>
#include <QTest>

#include <algorithm>

#include <map>

using namespace Qt::StringLiterals;

namespace {

QString exercisesFolder() {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;
}

QStringList files() {
    return QDir(exercisesFolder()).entryList({u"*.json"_s}, QDir::Files, QDir::Name);
}

core::Exercise read(const QString& name) {
    const core::ExerciseReading l = core::readExerciseFile(exercisesFolder() + u'/' + name);
    if (!l.value) qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

// Everything drawn, written out, to compare two drawings.
QString givenData(const core::Exercise& e) {
    const core::DataTable t = core::dataTable(e);
    QString s = t.columns.join(u'|');
    for (const QStringList& l : t.lines) s += u'\n' + l.join(u'|');
    return s;
}

}  // namespace

class BankTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void everyLevelHasItsShare();
    void changeOfUnitWorkedOut_data();
    void changeOfUnitWorkedOut();
    void eachFile_data();
    void eachFile();
    void levelAndThemesRead_data();
    void levelAndThemesRead();
};

// GIVEN the shipped folder WHEN its files are read THEN at least 30 read, each with a
// level, and each level from 5e to Tle has at least four exercises.
void BankTest::everyLevelHasItsShare() {
    QVERIFY(files().size() >= 30);
    std::map<QString, int> byLevel;
    for (const QString& f : files()) ++byLevel[read(f).level];
    const QStringList expectedFigures{u"5e"_s, u"4e"_s, u"3e"_s, u"2nde"_s, u"1re"_s, u"Tle"_s};
    QCOMPARE(core::schoolLevels(), expectedFigures);
    for (const QString& n : expectedFigures) QVERIFY2(byLevel[n] >= 4, qPrintable(n));
    QCOMPARE(byLevel.size(), size_t(expectedFigures.size()));
}

void BankTest::eachFile_data() {
    QTest::addColumn<QString>("file");
    for (const QString& f : files()) QTest::newRow(qPrintable(f)) << f;
}

// GIVEN a shipped exercise WHEN it is read and drawn again THEN it has themes and a
// statement; series n° 7 gives the same data twice, other data than n° 8 and than the
// file's own, and answers that are figures (or choices) for every question.
void BankTest::eachFile() {
    QFETCH(QString, file);
    const core::Exercise e = read(file);
    QVERIFY(!e.themes.isEmpty());
    QVERIFY(!e.statement.isEmpty());
    for (const QString& t : e.themes) QCOMPARE(t, t.trimmed());
    const core::Exercise a = core::withNewData(e, 7);
    QCOMPARE(givenData(a), givenData(core::withNewData(e, 7)));
    // A Lorenz curve given as pairs of cumulated shares is kept as given.
    const bool keptAsGiven = e.series.front().shape == core::ExerciseSeries::Shape::Pairs &&
                             std::any_of(e.questions.begin(), e.questions.end(), [](const auto& q) {
                                 return q.quantity == core::Quantity::Gini;
                             });
    if (!keptAsGiven) {
        QVERIFY(givenData(a) != givenData(core::withNewData(e, 8)));
        QVERIFY(givenData(a) != givenData(e));
    }
    for (int q = 0; q < int(a.questions.size()); ++q) {
        // The answer as the solution writes it, less its unit, is taken as right.
        const QString expectedText = core::expectedAnswerOf(a, q);
        QVERIFY(!expectedText.isEmpty());
        const QString typedAnswer = core::choicesOf(a, q).isEmpty()
                                        ? expectedText.section(u' ', 0, 0)
                                        : core::rightChoicesOf(a, q).value(0);
        QVERIFY2(core::check(a, q, typedAnswer) == core::Verdict::Right, qPrintable(expectedText));
        QVERIFY(!core::solutionOf(a, q).isEmpty());
    }
    QCOMPARE(core::correctedSheet(a, 7), core::correctedSheet(core::withNewData(e, 7), 7));
}

// GIVEN a level and themes WHEN the file is read THEN known ones are kept, none is no
// level, and an unknown level or a theme that is not a text is refused at its line.
void BankTest::levelAndThemesRead_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("themes");
    QTest::addColumn<QString>("fault");
    QTest::newRow("premiere") << QByteArray("\"niveau\": \"1re\", \"themes\": [\" écart type \"],")
                              << u"1re"_s << QStringList{u"écart type"_s} << QString();
    QTest::newRow("none") << QByteArray() << QString() << QStringList() << QString();
    QTest::newRow("sixieme") << QByteArray("\"niveau\": \"6e\",") << QString() << QStringList()
                             << u"ligne 2 : « niveau » doit valoir"_s;
    QTest::newRow("terminale in lower case")
        << QByteArray("\"niveau\": \"tle\",") << QString() << QStringList()
        << u"ligne 2 : « niveau » doit valoir"_s;
    QTest::newRow("a theme that is a number")
        << QByteArray("\"niveau\": \"Tle\",\n\"themes\": [\"moyenne\", 3],") << QString()
        << QStringList() << u"ligne 3 : chaque thème doit être un texte"_s;
    QTest::newRow("themes as one text") << QByteArray("\"themes\": \"moyenne\",") << QString()
                                        << QStringList() << u"ligne 2 : « themes » doit"_s;
}

void BankTest::levelAndThemesRead() {
    QFETCH(QByteArray, header);
    QFETCH(QString, level);
    QFETCH(QStringList, themes);
    QFETCH(QString, fault);
    const core::ExerciseReading l =
        core::readExercise("{\"titre\": \"t\",\n" + header +
                           "\n\"donnees\": {\"forme\": \"brute\", \"valeurs\": [1, 2]},\n"
                           "\"questions\": [{\"texte\": \"a\", \"demande\": \"moyenne\"}]}");
    if (!fault.isEmpty()) {
        QVERIFY(!l.value);
        QVERIFY2(core::exerciseFault(l.error).startsWith(fault),
                 qPrintable(core::exerciseFault(l.error)));
        return;
    }
    QVERIFY2(l.value, qPrintable(core::exerciseFault(l.error)));
    QCOMPARE(l.value->level, level);
    QCOMPARE(l.value->themes, themes);
}

// GIVEN a question on changed values in another unit WHEN its working is written THEN
// the figure before the change has no unit (it is not yet in °F), and the spread's
// sentence agrees with its noun.
void BankTest::changeOfUnitWorkedOut_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("inside");
    const QString f = u"21-degres-fahrenheit.json"_s;
    QTest::newRow("mean") << f << 1 << u"= 160 / 10 = 16. Chaque valeur x devient 1,8 × x + 32"_s;
    QTest::newRow("mean after") << f << 1 << u"Après : 1,8 × 16 + 32 = 60,8 °F."_s;
    QTest::newRow("standard deviation")
        << f << 3
        << u"√V ≈ 2,646. Chaque valeur x devient 1,8 × x + 32 : l'écart type est "
           u"multiplié par 1,8, l'ajout ne le change pas. Après : 1,8 × 2,646 ≈ 4,76 °F."_s;
    QTest::newRow("variance in dollars")
        << u"30-prix-en-dollars.json"_s << 1 << u"la variance est multipliée par 1,08²"_s;
}

void BankTest::changeOfUnitWorkedOut() {
    QFETCH(QString, file);
    QFETCH(int, question);
    QFETCH(QString, inside);
    const QString solution = core::solutionOf(read(file), question);
    QVERIFY2(solution.contains(inside), qPrintable(solution));
}

QTEST_GUILESS_MAIN(BankTest)
#include "tst_exercise_bank.moc"
