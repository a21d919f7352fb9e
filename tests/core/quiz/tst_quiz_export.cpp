// Quizzes for a learning platform, read back with Qt's XML reader: a category per
// exercise, K variants of every question named after their series number, and answers
// and tolerances those the exercise engine expects for that series; the figures of a
// raw series checked again from the values the statement shows; GIFT's escapes.

#include "core/numbers.h"
#include "core/quiz/quiz.h"

#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

core::Exercise read(const QString& name) {
    const QString path = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s + name;
    const core::ExerciseReading l = core::readExerciseFile(path);
    if (!l.value) qFatal("%s: %s", qPrintable(name), qPrintable(core::exerciseFault(l.error)));
    return *l.value;
}

struct Answer {
    int fraction = 0;
    QString text;
    QString tolerance;
};
struct Question {
    QString type, category, name, statement, feedback;
    std::vector<Answer> answers;
};

// The questions of a Moodle quiz, each with the category it was filed under.
std::vector<Question> questionsOf(const QString& xml, QStringList& categories) {
    std::vector<Question> out;
    QXmlStreamReader r(xml);
    QString category;
    if (!r.readNextStartElement() || r.name() != u"quiz"_s) return out;
    while (r.readNextStartElement()) {
        if (r.name() != u"question"_s) return {};
        Question q{r.attributes().value(u"type"_s).toString(), category, {}, {}, {}, {}};
        while (r.readNextStartElement()) {
            const QString tag = r.name().toString();
            if (tag == u"answer"_s) {
                Answer a{r.attributes().value(u"fraction"_s).toInt(), {}, {}};
                while (r.readNextStartElement()) {
                    if (r.name() == u"text"_s)
                        a.text = r.readElementText();
                    else if (r.name() == u"tolerance"_s)
                        a.tolerance = r.readElementText();
                    else
                        r.skipCurrentElement();
                }
                q.answers.push_back(a);
                continue;
            }
            if (tag != u"name"_s && tag != u"questiontext"_s && tag != u"generalfeedback"_s &&
                tag != u"category"_s) {
                r.skipCurrentElement();
                continue;
            }
            QString text;
            while (r.readNextStartElement())
                if (r.name() == u"text"_s)
                    text = r.readElementText();
                else
                    r.skipCurrentElement();
            if (tag == u"name"_s) q.name = text;
            if (tag == u"questiontext"_s) q.statement = text;
            if (tag == u"generalfeedback"_s) q.feedback = text;
            if (tag == u"category"_s) category = text;
        }
        if (q.type == u"category"_s)
            categories << category;
        else
            out.push_back(q);
    }
    if (r.hasError()) qWarning("%s", qPrintable(r.errorString()));
    return r.hasError() ? std::vector<Question>{} : out;
}

}  // namespace

class QuizTest : public QObject {
    Q_OBJECT
private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void moodleVariants_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("variants");
        QTest::addColumn<quint32>("first");
        QTest::newRow("classes, une variante")
            << QStringList{u"01-controles-de-vitesse.json"_s} << 1 << 1u;
        QTest::newRow("deux exercices, choix")
            << QStringList{u"02-notes-d-un-controle.json"_s, u"04-deux-classes-comparees.json"_s}
            << 3 << 40u;
        QTest::newRow("valeurs, série haute")
            << QStringList{u"03-pointures.json"_s, u"06-tailles-classes-inegales.json"_s} << 4
            << 4294967290u;
    }
    void moodleVariants() {
        QFETCH(QStringList, files);
        QFETCH(int, variants);
        QFETCH(quint32, first);
        core::quiz::Request request{{}, variants, first};
        for (const QString& f : files) request.exercises.push_back(read(f));
        const auto xml = core::quiz::moodleXml(request);
        QVERIFY(xml);
        QStringList categories;
        const std::vector<Question> questions = questionsOf(*xml, categories);
        QCOMPARE(categories.size(), files.size());
        size_t at = 0;
        for (size_t k = 0; k < request.exercises.size(); ++k) {
            const core::Exercise& e = request.exercises[k];
            QCOMPARE(categories[qsizetype(k)], u"$course$/Statistique/"_s + e.title);
            for (int i = 0; i < int(e.questions.size()); ++i)
                for (int j = 0; j < variants; ++j, ++at) {
                    QVERIFY(at < questions.size());
                    const Question& q = questions[at];
                    const quint32 series = first + quint32(j);
                    const core::Exercise drawn = core::withNewData(e, series);
                    QCOMPARE(q.category, categories[qsizetype(k)]);
                    QVERIFY2(q.name.endsWith(u"Série n° "_s + QString::number(series)),
                             qPrintable(q.name));
                    QVERIFY(q.statement.contains(u"<table"_s));
                    QVERIFY(!q.feedback.isEmpty());
                    const QStringList rights = core::rightChoicesOf(drawn, i);
                    if (!core::choicesOf(drawn, i).isEmpty()) {
                        QCOMPARE(q.type, u"multichoice"_s);
                        QCOMPARE(q.answers.size(), size_t(core::choicesOf(drawn, i).size()));
                        for (const Answer& a : q.answers)
                            QCOMPARE(a.fraction, rights.contains(a.text) ? 100 : 0);
                        continue;
                    }
                    QCOMPARE(q.type, u"numerical"_s);
                    const std::vector<double> expected = core::expectedFigures(drawn, i);
                    QCOMPARE(q.answers.size(), expected.size());
                    for (size_t a = 0; a < expected.size(); ++a) {
                        QCOMPARE(q.answers[a].fraction, 100);
                        QVERIFY(qAbs(q.answers[a].text.toDouble() - expected[a]) < 1e-9);
                        QCOMPARE(q.answers[a].tolerance.toDouble(),
                                 e.questions[size_t(i)].tolerance);
                    }
                }
        }
        QCOMPARE(at, questions.size());
    }

    // The mean and the range again, from the values the pupil reads in the statement.
    void figuresFromTheStatement() {
        const core::quiz::Request request{{read(u"02-notes-d-un-controle.json"_s)}, 5, 100};
        QStringList categories;
        const std::vector<Question> questions =
            questionsOf(*core::quiz::moodleXml(request), categories);
        QCOMPARE(questions.size(), size_t(25));
        for (int j = 0; j < 5; ++j) {
            const QRegularExpression cell(u"<td>([0-9 ;,]+)</td>"_s);
            const auto m = cell.match(questions[size_t(j)].statement);
            QVERIFY(m.hasMatch());
            std::vector<double> v;
            for (const QString& t : m.captured(1).split(u" ; "_s)) v.push_back(t.toDouble());
            QCOMPARE(v.size(), size_t(25));
            double sum = 0;
            for (double x : v) sum += x;
            const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
            QVERIFY(qAbs(questions[size_t(j)].answers[0].text.toDouble() - sum / 25) < 1e-9);
            QCOMPARE(questions[size_t(20 + j)].answers[0].text.toDouble(), *hi - *lo);
        }
    }

    void giftEscapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("rien") << u"Série n° 3"_s << u"Série n° 3"_s;
        QTest::newRow("tous") << u"a~b=c#d{e}f:g"_s << u"a\\~b\\=c\\#d\\{e\\}f\\:g"_s;
        QTest::newRow("barre") << u"\\"_s << u"\\\\"_s;
    }
    void giftEscapes() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(core::quiz::giftEscaped(text), escaped);
    }

    void plainNumbers_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("demi") << 0.5 << u"0.5"_s;
        QTest::newRow("zéro négatif") << -0.0 << u"0"_s;
        QTest::newRow("million") << 1e6 << u"1000000"_s;
        QTest::newRow("négatif") << -12.25 << u"-12.25"_s;
        QTest::newRow("arrondi") << 47180.0 / 360 << u"131.0555555556"_s;
    }
    void plainNumbers() {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(core::quiz::plainNumber(x), text);
    }

    void giftLayout() {
        const core::quiz::Request request{{read(u"04-deux-classes-comparees.json"_s)}, 2, 7};
        const QString gift = *core::quiz::gift(request);
        QVERIFY(gift.startsWith(u"$CATEGORY: $course$/Statistique/Deux classes comparées\n\n"_s));
        QCOMPARE(gift.count(u"\n::"_s), 8);
        QCOMPARE(gift.count(u"Série n° 8::[html]"_s), 4);
        QVERIFY(gift.contains(u"{ =Seconde B ~Seconde A"_s) ||
                gift.contains(u"{ ~Seconde A =Seconde B"_s));
    }

    void cancelled() {
        const core::quiz::Request request{{read(u"01-controles-de-vitesse.json"_s)}, 10, 1};
        int calls = 0;
        QVERIFY(!core::quiz::gift(request, [&](double) { return ++calls < 3; }));
        QCOMPARE(calls, 3);
    }
};

QTEST_APPLESS_MAIN(QuizTest)
#include "tst_quiz_export.moc"
