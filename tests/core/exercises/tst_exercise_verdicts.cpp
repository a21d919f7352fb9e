// Exercises with no window, from the learner's side: the verdicts and their tolerance;
// the working written out; new data that a number always gives back; files that do not
// read; the score.

#include "core/exercises/exercise.h"
#include "core/numbers.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString exercisesFolder() {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;
}

core::Exercise read(const QString& name) {
    const core::ExerciseReading l = core::readExerciseFile(exercisesFolder() + u'/' + name);
    if (!l.value) qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

}  // namespace

class VerdictsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void verdicts_data();
    void verdicts();
    void workingWrittenOut_data();
    void workingWrittenOut();
    void sameNumberSameData();
    void filesThatDoNotRead_data();
    void filesThatDoNotRead();
    void score_data();
    void score();
};

// GIVEN the speed check WHEN answers are typed THEN within 0,05 of 131,33 is right,
// with either mark for the decimals; the count of tickets is right within half a ticket.
void VerdictsTest::verdicts_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("verdict");
    const auto right = int(core::Verdict::Right), wrong = int(core::Verdict::Wrong);
    QTest::newRow("mean, comma") << 0 << u"131,3"_s << right;
    QTest::newRow("mean, point") << 0 << u"131.3"_s << right;
    QTest::newRow("mean, more digits") << 0 << u" 131,33 "_s << right;
    QTest::newRow("mean of the counts, as the list shows it") << 0 << u"45"_s << wrong;
    QTest::newRow("mean, one digit off") << 0 << u"131,2"_s << wrong;
    QTest::newRow("mean, not a figure") << 0 << u"1,3,1"_s << wrong;
    QTest::newRow("no answer") << 0 << u""_s << int(core::Verdict::NoAnswer);
    QTest::newRow("chart") << 1 << u"Histogramme"_s << right;
    QTest::newRow("chart, pie") << 1 << u"Diagramme circulaire"_s << wrong;
    QTest::newRow("percentage") << 2 << u"51,7"_s << right;
    QTest::newRow("percentage, counted") << 2 << u"186"_s << wrong;
    QTest::newRow("tickets") << 3 << u"65"_s << right;
    QTest::newRow("tickets, grouped digits") << 3 << u"6 5"_s << right;
    QTest::newRow("tickets, the whole class") << 3 << u"80"_s << wrong;
}

void VerdictsTest::verdicts() {
    QFETCH(int, question);
    QFETCH(QString, answer);
    QFETCH(int, verdict);
    const core::Exercise e = read(u"01-controles-de-vitesse.json"_s);
    QCOMPARE(int(core::check(e, question, answer)), verdict);
}

// GIVEN a question WHEN its solution is asked THEN the working is written from the data,
// with the region's decimals and grouping.
void VerdictsTest::workingWrittenOut_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("expectedPart");
    const QString thousands = QLocale(QLocale::French).groupSeparator();
    QTest::newRow("mean by centres")
        << u"01-controles-de-vitesse.json"_s << 0
        << u"Moyenne = (95 × 5 + 105 × 14 + 115 × 31 + … + 165 × 7) / 360 = 47"_s + thousands +
               u"280 / 360 ≈ 131,3 km/h."_s;
    QTest::newRow("chart, with its reason")
        << u"01-controles-de-vitesse.json"_s << 1 << u"Réponse : Histogramme. Les vitesses"_s;
    QTest::newRow("percentage, counts added")
        << u"01-controles-de-vitesse.json"_s << 2
        << u"106 + 51 + 22 + 7 = 186. Pourcentage = 186 / 360 × 100 ≈ 51,7 %."_s;
    QTest::newRow("part of a class")
        << u"01-controles-de-vitesse.json"_s << 3 << u"(150 − 143) / (150 − 140) × 51 = 35,7"_s;
    QTest::newRow("odd median by rank")
        << u"02-notes-d-un-controle.json"_s << 1
        << u"N = 25 est impair : la médiane est la valeur de rang (N + 1) / 2 = 13, soit Me = 12."_s;
    QTest::newRow("quartile by rank")
        << u"02-notes-d-un-controle.json"_s << 2 << u"rang ⌈N/4⌉ = ⌈6,25⌉ = 7, soit Q1 = 10."_s;
    QTest::newRow("even median")
        << u"03-pointures.json"_s << 2
        << u"moyenne des valeurs de rangs 16 et 17, soit Me = (39 + 39) / 2 = 39."_s;
    QTest::newRow("frequency") << u"03-pointures.json"_s << 3 << u"9 / 32 ≈ 0,2813, soit 28,1 %."_s;
    QTest::newRow("spread compared")
        << u"04-deux-classes-comparees.json"_s << 3
        << u"« Seconde A » : 2 ; « Seconde B » : 9. La valeur la plus grande est celle de « "
           u"Seconde B »."_s;
    QTest::newRow("linearity of the mean")
        << u"05-deux-points-de-plus.json"_s << 2
        << u"la moyenne subit la même transformation. Après : 11,5 + 2 = 13,5."_s;
    QTest::newRow("spread unchanged")
        << u"05-deux-points-de-plus.json"_s << 3 << u"l'écart type ne change pas"_s;
    QTest::newRow("modal class by density")
        << u"06-tailles-classes-inegales.json"_s << 0
        << u"[150 ; 160[ : 30 / 10 = 3 ; [160 ; 165[ : 20 / 5 = 4 ; "_s;
    QTest::newRow("median by interpolation")
        << u"06-tailles-classes-inegales.json"_s << 1
        << u"Me = 160 + (165 − 160) × (46 − 36) / (56 − 36) = 162,5 cm."_s;
}

void VerdictsTest::workingWrittenOut() {
    QFETCH(QString, file);
    QFETCH(int, question);
    QFETCH(QString, expectedPart);
    const QString solution = core::solutionOf(read(file), question);
    QVERIFY2(solution.contains(expectedPart), qPrintable(solution));
    QVERIFY(!core::hintOf(read(file), question).isEmpty());
}

// GIVEN an exercise WHEN new data are drawn THEN one number gives the same data each
// time, another number other data, of the same shape and total, within the bounds.
void VerdictsTest::sameNumberSameData() {
    const core::Exercise speeds = read(u"01-controles-de-vitesse.json"_s);
    const auto counts = [](const core::Exercise& e) {
        QList<qint64> c;
        for (const auto& k : e.series.front().classes) c << k.count;
        return c;
    };
    const core::Exercise a = core::withNewData(speeds, 4711);
    QCOMPARE(counts(a), counts(core::withNewData(speeds, 4711)));
    QVERIFY(counts(a) != counts(speeds));
    QVERIFY(counts(a) != counts(core::withNewData(speeds, 4712)));
    QCOMPARE(a.series.front().count(), qint64(360));
    QCOMPARE(a.series.front().classes.size(), size_t(8));
    QCOMPARE(core::correctedSheet(a, 4711),
             core::correctedSheet(core::withNewData(speeds, 4711), 4711));
    const core::Exercise notes = core::withNewData(read(u"02-notes-d-un-controle.json"_s), 12);
    QCOMPARE(notes.series.front().rawValues.size(), size_t(25));
    for (double x : notes.series.front().rawValues)
        QVERIFY(x >= 0 && x <= 20 && x == std::floor(x));
    // The solution follows the data.
    QVERIFY(core::solutionOf(a, 0) != core::solutionOf(speeds, 0));
}

// GIVEN files that do not read WHEN they are read THEN the reason says the line.
void VerdictsTest::filesThatDoNotRead_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fault");
    const QByteArray start =
        "{\n\"titre\": \"t\",\n\"donnees\": {\"forme\": \"brute\", \"valeurs\": [1, 2]},\n";
    QTest::newRow("not JSON") << QByteArray("{\n\"titre\": \"t\",\n,\n}")
                              << u"ligne 3 : le texte n'est pas du JSON"_s;
    QTest::newRow("unknown quantity")
        << start +
               "\"questions\": [\n{\"texte\": \"a\", \"demande\": \"moyenne\"},\n"
               "{\"texte\": \"b\", \"demande\": \"moyene\"}\n]}"
        << u"ligne 6 : la quantité « moyene » n'existe pas"_s;
    QTest::newRow("mode of classes")
        << QByteArray(
               "{\"titre\": \"t\", \"donnees\": {\"forme\": \"classes\", \"classes\": "
               "[[0, 10, 2]]},\n\"questions\": [{\"texte\": \"a\", \"demande\": \"mode\"}]}")
        << u"ligne 2 : le mode se demande pour des valeurs"_s;
    QTest::newRow("overlapping classes")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"classes\", \"classes\": "
               "[[0, 10, 2], [5, 15, 1]]}, \"questions\": []}")
        << u"ligne 2 : deux classes se chevauchent"_s;
    QTest::newRow("right answer not among the choices")
        << start +
               "\"questions\": [{\"texte\": \"a\", \"demande\": \"choix\", \"choix\": "
               "[\"x\", \"y\"], \"reponse\": \"z\"}]}"
        << u"ligne 4 : « reponse » doit être l'un des choix"_s;
    QTest::newRow("a count that is not whole")
        << QByteArray(
               "{\"titre\": \"t\", \"donnees\": {\"forme\": \"valeurs\", \"valeurs\": [[1, "
               "2.5]]}, \"questions\": [{\"texte\": \"a\", \"demande\": \"moyenne\"}]}")
        << u"ligne 1 : chaque valeur s'écrit [valeur, effectif]"_s;
    QTest::newRow("threshold missing")
        << start + "\"questions\": [{\"texte\": \"a\", \"demande\": \"effectif_au_dessus\"}]}"
        << u"ligne 4 : « seuil » doit être un nombre"_s;
}

void VerdictsTest::filesThatDoNotRead() {
    QFETCH(QByteArray, json);
    QFETCH(QString, fault);
    const core::ExerciseReading l = core::readExercise(json);
    QVERIFY(!l.value);
    QVERIFY2(core::exerciseFault(l.error).startsWith(fault),
             qPrintable(core::exerciseFault(l.error)));
}

void VerdictsTest::score_data() {
    QTest::addColumn<int>("rightOnes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << u"0 réponse juste sur 4"_s;
    QTest::newRow("one") << 1 << u"1 réponse juste sur 4"_s;
    QTest::newRow("three") << 3 << u"3 réponses justes sur 4"_s;
}

void VerdictsTest::score() {
    QFETCH(int, rightOnes);
    QFETCH(QString, text);
    QCOMPARE(core::scoreText(rightOnes, 4), text);
}

QTEST_APPLESS_MAIN(VerdictsTest)
#include "tst_exercise_verdicts.moc"
