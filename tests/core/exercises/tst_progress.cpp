// The learner's progress with no window: a better score replaces the best, a worse
// one does not, two records merge exercise by exercise, the file reads back what was
// written and a damaged one is refused with its line.

#include "core/exercises/progress.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime monday(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
const QDateTime tuesday = monday.addDays(1);

}  // namespace

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    void bestKept_data();
    void bestKept();
    void merged();
    void shown_data();
    void shown();
    void writtenAndReadBack();
    void damaged_data();
    void damaged();
};

// GIVEN 2/4 on Monday WHEN a score comes on Tuesday THEN it replaces the best only
// when its share of right answers is larger (3/5 > 2/4, 1/2 is not).
void ProgressTest::bestKept_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("best");
    QTest::addColumn<QDateTime>("when");
    QTest::newRow("better") << 3 << 4 << u"3/4"_s << tuesday;
    QTest::newRow("all right") << 4 << 4 << u"4/4"_s << tuesday;
    QTest::newRow("worse") << 1 << 4 << u"2/4"_s << monday;
    QTest::newRow("equal keeps its date") << 2 << 4 << u"2/4"_s << monday;
    QTest::newRow("same share of another count") << 1 << 2 << u"2/4"_s << monday;
    QTest::newRow("larger share of another count") << 3 << 5 << u"3/5"_s << tuesday;
    QTest::newRow("more right than questions") << 5 << 4 << u"2/4"_s << monday;
    QTest::newRow("no question") << 0 << 0 << u"2/4"_s << monday;
}

void ProgressTest::bestKept() {
    QFETCH(int, right);
    QFETCH(int, questions);
    QFETCH(QString, best);
    QFETCH(QDateTime, when);
    const core::Progress p = core::withScore(core::withScore({}, u"a.json"_s, {2, 4, monday}),
                                             u"a.json"_s, {right, questions, tuesday});
    QCOMPARE(p.size(), size_t(1));
    const core::BestScore& s = p.at(u"a.json"_s);
    QCOMPARE(u"%1/%2"_s.arg(s.right).arg(s.questions), best);
    QCOMPARE(s.when, when);
}

// GIVEN two records WHEN merged either way THEN each exercise has the better score,
// and of two equal scores the earlier date.
void ProgressTest::merged() {
    const core::Progress a{
        {u"a"_s, {1, 4, monday}}, {u"b"_s, {3, 3, tuesday}}, {u"c"_s, {2, 2, tuesday}}};
    const core::Progress b{{u"a"_s, {2, 4, tuesday}},
                           {u"b"_s, {1, 3, monday}},
                           {u"c"_s, {1, 1, monday}},
                           {u"d"_s, {0, 5, monday}}};
    for (const core::Progress& p : {core::merged(a, b), core::merged(b, a)}) {
        QCOMPARE(p.size(), size_t(4));
        QCOMPARE(p.at(u"a"_s).right, 2);
        QCOMPARE(p.at(u"b"_s).right, 3);
        QCOMPARE(p.at(u"c"_s).when, monday);
        QCOMPARE(p.at(u"d"_s).questions, 5);
    }
}

void ProgressTest::shown_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("text");
    QTest::newRow("none right") << 0 << 4 << u"0/4"_s;
    QTest::newRow("three of four") << 3 << 4 << u"3/4"_s;
    QTest::newRow("all right") << 4 << 4 << u"4/4 ✓"_s;
}

void ProgressTest::shown() {
    QFETCH(int, right);
    QFETCH(int, questions);
    QFETCH(QString, text);
    QCOMPARE(core::bestScoreText({right, questions, monday}), text);
}

// GIVEN a record WHEN written and read back THEN it is the same; no file is no record.
void ProgressTest::writtenAndReadBack() {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"sous-folder/resultats.json"_s);
    QVERIFY(core::readProgressFile(path).value->empty());
    const core::Progress p{{u"01-a.json"_s, {3, 4, monday}}, {u"é « b ».json"_s, {2, 2, tuesday}}};
    QCOMPARE(core::saveProgress(p, path), QString());
    const auto reread = core::readProgressFile(path);
    QVERIFY(reread);
    QCOMPARE(reread.value->size(), size_t(2));
    for (const auto& [name, s] : p) {
        QCOMPARE(reread.value->at(name).right, s.right);
        QCOMPARE(reread.value->at(name).questions, s.questions);
        QCOMPARE(reread.value->at(name).when, s.when);
    }
}

void ProgressTest::damaged_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("line");
    QTest::newRow("not JSON") << QByteArray("{\n\"a\": {\n}}}") << 3;
    QTest::newRow("a list") << QByteArray("[]") << 1;
    QTest::newRow("more right than questions")
        << QByteArray(
               "{\"a\": {\"right\": 1, \"questions\": 2, \"date\": \"2026-03-02T10:00:00Z\"},\n"
               "\"b\": {\"right\": 3, \"questions\": 2, \"date\": \"2026-03-02T10:00:00Z\"}}")
        << 2;
    QTest::newRow("no date") << QByteArray("{\n\n\"a\": {\"right\": 1, \"questions\": 2}}") << 3;
}

void ProgressTest::damaged() {
    QFETCH(QByteArray, json);
    QFETCH(int, line);
    const auto p = core::readProgress(json);
    QVERIFY(!p);
    QCOMPARE(p.error.line, line);
    QVERIFY(!p.error.why.isEmpty());
}

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
