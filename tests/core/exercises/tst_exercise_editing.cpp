// What the exercise editor relies on: every shipped file written back reads as the same
// exercise with the same answers and working; the quantities offered per shape of data;
// the questions refused with their reasons; the file names made from titles.

#include "core/exercises/editing.h"
#include "core/numbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using core::Quantity;
using Shape = core::ExerciseSeries::Shape;

Q_DECLARE_METATYPE(core::Exercise)

namespace {

const QString kFolder = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s;

core::Exercise read(const QByteArray& json) {
    const core::ExerciseReading l = core::readExercise(json);
    if (!l.value) qFatal("%s", qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

core::ExerciseSeries series(Shape shape) {
    core::ExerciseSeries s;
    s.name = u"Série 1"_s;
    s.shape = shape;
    s.rawValues = {4, 8, 8, 15};
    if (shape == Shape::Values) s.values = {{1, 3}, {2, 5}};
    if (shape == Shape::Classes) s.classes = {{0, 10, 4}, {10, 20, 6}};
    s.pairs = {.nameX = u"x"_s, .nameY = u"y"_s, .x = {2, 2, 2}, .y = {1, 2, 3}};
    s.n = 10;
    s.samples = 20;
    return s;
}

core::Exercise exercise(Shape shape, Quantity q, const QString& text = u"Combien ?"_s) {
    core::Exercise e;
    e.title = u"Essai"_s;
    e.statement = u"Un énoncé."_s;
    e.series = {series(shape)};
    core::ExerciseQuestion question;
    question.text = text;
    question.quantity = q;
    question.parameter = 8;
    e.questions = {question};
    return e;
}

QStringList names(Shape shape) {
    QStringList n;
    for (const auto& q : core::offeredQuantities(shape)) n << q.name;
    return n;
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void roundTrip_data() {
        QTest::addColumn<QString>("file");
        for (const QString& f : QDir(kFolder).entryList({u"*.json"_s}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(f)) << f;
    }
    void roundTrip() {
        QFETCH(QString, file);
        // GIVEN a shipped exercise
        QFile f(kFolder + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const core::Exercise before = read(f.readAll());
        // WHEN it is written and read again
        const QByteArray json = core::exerciseJson(before);
        const core::Exercise after = read(json);
        // THEN it is the same exercise, asking the same and expecting the same
        QCOMPARE(after.title, before.title);
        QCOMPARE(after.statement, before.statement);
        QCOMPARE(after.level, before.level);
        QCOMPARE(after.themes, before.themes);
        QCOMPARE(after.chosenChart, before.chosenChart);
        QCOMPARE(after.series.size(), before.series.size());
        for (size_t i = 0; i < before.series.size(); ++i) {
            const core::ExerciseSeries &a = before.series[i], &b = after.series[i];
            QCOMPARE(b.name, a.name);
            QCOMPARE(b.shape, a.shape);
            QCOMPARE(b.closedRight, a.closedRight);
            QCOMPARE(b.rawValues, a.rawValues);
            QCOMPARE(b.weighted().size(), a.weighted().size());
            QCOMPARE(b.classes.size(), a.classes.size());
            QCOMPARE(b.count(), a.count());
            QCOMPARE(b.pairs, a.pairs);
            QCOMPARE(b.population, a.population);
            QCOMPARE(b.observedFrequency, a.observedFrequency);
            QCOMPARE(std::tuple(b.min, b.max, b.step, b.total),
                     std::tuple(a.min, a.max, a.step, a.total));
            QCOMPARE(std::tuple(b.p, b.n, b.samples), std::tuple(a.p, a.n, a.samples));
        }
        QCOMPARE(after.questions.size(), before.questions.size());
        for (int i = 0; i < int(before.questions.size()); ++i) {
            const core::ExerciseQuestion &a = before.questions[size_t(i)],
                                         &b = after.questions[size_t(i)];
            QCOMPARE(b.text, a.text);
            QCOMPARE(b.quantity, a.quantity);
            QCOMPARE(std::tuple(b.hint, b.explanation, b.unit, b.tolerance),
                     std::tuple(a.hint, a.explanation, a.unit, a.tolerance));
            QCOMPARE(core::choicesOf(after, i), core::choicesOf(before, i));
            QCOMPARE(core::expectedAnswerOf(after, i), core::expectedAnswerOf(before, i));
            QCOMPARE(core::solutionOf(after, i), core::solutionOf(before, i));
            QCOMPARE(core::hintOf(after, i), core::hintOf(before, i));
        }
        // The same data from a numbered series, and the same bytes written a second time.
        QCOMPARE(core::correctedSheet(after, 17), core::correctedSheet(before, 17));
        QCOMPARE(core::exerciseJson(after), json);
        // A shipped exercise is one the editor would save.
        QCOMPARE(core::exerciseFaults(before), QStringList());
    }

    void offered_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QStringList>("refusedQuestions");
        QTest::newRow("brute") << Shape::Raw
                               << QStringList{u"moyenne"_s, u"mode"_s, u"frequence_valeur"_s,
                                              u"q1"_s, u"choix"_s}
                               << QStringList{u"classe_modale"_s, u"gini"_s, u"correlation"_s,
                                              u"plus_grand"_s, u"part_dans_intervalle"_s};
        QTest::newRow("valeurs") << Shape::Values
                                 << QStringList{u"mediane"_s, u"pourcentage_au_dessus"_s}
                                 << QStringList{u"classe_modale"_s, u"gini"_s};
        QTest::newRow("classes") << Shape::Classes
                                 << QStringList{u"classe_modale"_s, u"gini"_s, u"moyenne"_s}
                                 << QStringList{u"mode"_s, u"frequence_valeur"_s, u"moyenne_x"_s};
        QTest::newRow("paires") << Shape::Pairs
                                << QStringList{u"correlation"_s, u"estimation"_s, u"gini"_s,
                                               u"choix"_s}
                                << QStringList{u"moyenne"_s, u"mediane"_s,
                                               u"ecart_type_frequences"_s};
        QTest::newRow("simulation")
            << Shape::Simulation
            << QStringList{u"ecart_type_frequences"_s, u"part_dans_intervalle"_s,
                           u"decision_intervalle"_s}
            << QStringList{u"moyenne"_s, u"covariance"_s, u"gini"_s};
    }
    void offered() {
        QFETCH(Shape, shape);
        QFETCH(QStringList, available);
        QFETCH(QStringList, refusedQuestions);
        const QStringList n = names(shape);
        for (const QString& o : available) QVERIFY2(n.contains(o), qPrintable(o));
        for (const QString& r : refusedQuestions) QVERIFY2(!n.contains(r), qPrintable(r));
        // Every name offered is one the reader knows, with a label of its own.
        for (const auto& q : core::offeredQuantities(shape)) {
            QCOMPARE(core::quantityNamed(q.name), q.quantity);
            QVERIFY(!q.caption.isEmpty());
        }
    }

    void parameters() {
        using namespace core;
        QCOMPARE(parametersOf(Quantity::Mean), unsigned(ParameterPrecision));
        QCOMPARE(parametersOf(Quantity::PercentAbove),
                 unsigned(ParameterPrecision | ParameterThreshold));
        QCOMPARE(parametersOf(Quantity::Estimation),
                 unsigned(ParameterPrecision | ParameterXOrY | ParameterMethod | ParameterChange));
        QCOMPARE(parametersOf(Quantity::Choice), unsigned(ParameterChoice));
        QCOMPARE(parametersOf(Quantity::ShareInInterval),
                 unsigned(ParameterPrecision | ParameterK));
    }

    void refused_data() {
        QTest::addColumn<core::Exercise>("exercise");
        QTest::addColumn<QStringList>("faults");
        const auto one = [](const QString& f) { return QStringList{f}; };
        QTest::newRow("gini on raw data")
            << exercise(Shape::Raw, Quantity::Gini)
            << one(u"Question 1 : « gini » se demande sur des parts cumulées (paires) ou des "
                   u"classes."_s);
        QTest::newRow("modal class of a raw series")
            << exercise(Shape::Raw, Quantity::ModalClass)
            << one(u"Question 1 : « classe_modale » se demande pour des classes."_s);
        QTest::newRow("frequency of a value on classes")
            << exercise(Shape::Classes, Quantity::ValueFrequency)
            << one(u"Question 1 : la fréquence d'une valeur se demande sur des valeurs, pas sur "
                   u"des classes."_s);
        QTest::newRow("correlation with V(x) = 0")
            << exercise(Shape::Pairs, Quantity::Correlation)
            << one(u"Question 1 : « Coefficient de corrélation » ne se calcule pas sur ces "
                   u"données : la variance des x est nulle (toutes les valeurs de x sont "
                   u"égales) : aucune droite de y en x ne s'ajuste."_s);
        QTest::newRow("decision without an observed frequency")
            << exercise(Shape::Simulation, Quantity::IntervalDecision)
            << one(u"Question 1 : la décision demande une « frequence_observee » dans les "
                   u"données."_s);
        QTest::newRow("empty text") << exercise(Shape::Raw, Quantity::Mean, u"  "_s)
                                    << one(u"Question 1 : son texte est vide."_s);
        core::Exercise overlapping = exercise(Shape::Classes, Quantity::Mean);
        overlapping.series[0].classes.push_back({5, 15, 1});
        QTest::newRow("overlapping classes")
            << overlapping << one(u"Données : deux classes se chevauchent."_s);
        core::Exercise blank;
        QTest::newRow("nothing") << blank
                                 << QStringList{u"Le titre est obligatoire."_s,
                                                u"L'énoncé est obligatoire."_s,
                                                u"Ajoutez au moins une question."_s,
                                                u"Les données sont vides."_s};
        core::Exercise two = exercise(Shape::Raw, Quantity::Median);
        two.questions.push_back(exercise(Shape::Raw, Quantity::Gini).questions[0]);
        two.questions.push_back(exercise(Shape::Raw, Quantity::Mode).questions[0]);
        QTest::newRow("second of three")
            << two
            << one(u"Question 2 : « gini » se demande sur des parts cumulées (paires) ou des "
                   u"classes."_s);
        QTest::newRow("a right one")
            << exercise(Shape::Classes, Quantity::ModalClass) << QStringList();
    }
    void refused() {
        QFETCH(core::Exercise, exercise);
        QFETCH(QStringList, faults);
        QCOMPARE(core::exerciseFaults(exercise), faults);
    }

    void fileNames_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::newRow("accents") << u"Contrôles de vitesse"_s << QStringList()
                                 << u"controles-de-vitesse.json"_s;
        QTest::newRow("ligatures and marks") << u"  Œuvres d'art : « prix » en €  "_s
                                             << QStringList() << u"oeuvres-d-art-prix-en.json"_s;
        QTest::newRow("nothing left") << u"« ? »"_s << QStringList() << u"exercice.json"_s;
        QTest::newRow("taken") << u"Notes"_s << QStringList{u"notes.json"_s} << u"notes-2.json"_s;
        QTest::newRow("taken twice")
            << u"Notes"_s << QStringList{u"notes.json"_s, u"notes-2.json"_s} << u"notes-3.json"_s;
        QTest::newRow("long") << QString(100, u'a') << QStringList()
                              << QString(60, u'a') + u".json"_s;
    }
    void fileNames() {
        QFETCH(QString, title);
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        QTemporaryDir folder;
        for (const QString& p : taken) {
            QFile f(folder.filePath(p));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(core::pathForTitle(folder.path(), title), folder.filePath(name));
    }

    void save() {
        // GIVEN an exercise and a folder not made yet
        QTemporaryDir root;
        const core::Exercise e = exercise(Shape::Values, Quantity::Mean);
        const QString path = root.filePath(u"exercices/essai.json"_s);
        // WHEN it is saved there, THEN it reads back with the same expected answer
        QCOMPARE(core::saveExercise(e, path), QString());
        const core::ExerciseReading l = core::readExerciseFile(path);
        QVERIFY(l.value);
        QCOMPARE(core::expectedAnswerOf(*l.value, 0), u"1,63"_s);  // (3 + 10) / 8
        // AND a folder that cannot be made leaves no file behind
        QFile blocker(root.filePath(u"fichier"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!core::saveExercise(e, root.filePath(u"fichier/x/e.json"_s)).isEmpty());
        QVERIFY(!QFile::exists(root.filePath(u"fichier/x/e.json"_s)));
    }
};

QTEST_GUILESS_MAIN(EditingTest)
#include "tst_exercise_editing.moc"
