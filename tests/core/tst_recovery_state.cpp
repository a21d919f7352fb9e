// The work kept on disk and the way back, with no window: states written and read back
// exactly, damaged ones refused; each program's state under its own lock, the states of
// programs that stopped found, forgotten or set aside; undo and redo over named steps.

#include "core/history.h"
#include "core/recent_files.h"
#include "core/recovery_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

core::WorkState fullState() {
    core::FrequencyTable t;
    t.nature = core::FrequencyTable::Nature::Classes;
    t.closedRight = false;
    t.lines = {{.lower = u"0"_s, .upper = u"10"_s, .count = u"4"_s},
               {.lower = u"10"_s, .upper = u"x"_s, .count = u""_s}};
    return {.series = {{u"0"_s, u"12"_s, u"7,5"_s, u"-"_s}, {u"4"_s, u"9"_s}},
            .list2Text = u"0\r\n4\r\n9 abc"_s,
            .file = u"/home/élève/notes « 1 ».csv"_s,
            .saved = false,
            .table = t,
            .tableFile = u"vitesses.csv"_s,
            .tableSaved = true};
}

void writeOut(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A state left by a program that is not running: its lock names a process that is not.
QString leaveState(const QDir& folder, const QString& id, const QByteArray& workState) {
    const QString path = folder.filePath(u"etat-"_s + id + u".json"_s);
    writeOut(path, workState);
    writeOut(folder.filePath(u"etat-"_s + id + u".lock"_s),
             "4194303\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                 QSysInfo::machineHostName().toUtf8() + "\n");
    return path;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void stateReadsBack_data();
    void stateReadsBack();
    void damagedStatesRefused_data();
    void damagedStatesRefused();
    void eachProgramItsOwnState();
    void statesLeftBehind();
    void undoWording_data();
    void undoWording();
    void recentFiles();
};

void RecoveryTest::stateReadsBack_data() {
    QTest::addColumn<bool>("table");
    QTest::newRow("series only") << false;
    QTest::newRow("with the table") << true;
}

void RecoveryTest::stateReadsBack() {
    QFETCH(bool, table);
    core::WorkState e = fullState();
    if (!table) e = {.series = e.series, .list2Text = e.list2Text, .file = e.file};
    const auto read = core::readState(core::writeState(e));
    QVERIFY(read);
    QCOMPARE(*read, e);
}

void RecoveryTest::damagedStatesRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = core::writeState(fullState());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("another program's JSON") << QByteArray(R"({"serie1": ["1"]})");
    QTest::newRow("a later version")
        << QByteArray(good).replace("\"statistique\":1", "\"statistique\":2");
    QTest::newRow("a number for a text") << QByteArray(good).replace("\"12\"", "12");
    QTest::newRow("a row of three cells")
        << QByteArray(good).replace("[\"\",\"0\",\"10\",\"4\"]", "[\"\",\"0\",\"4\"]");
}

void RecoveryTest::damagedStatesRefused() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!core::readState(bytes));
}

// GIVEN two programs in the same folder WHEN each keeps its state THEN neither lists
// the other's, and a clean end removes only its own.
void RecoveryTest::eachProgramItsOwnState() {
    QTemporaryDir folder;
    core::Recovery one(folder.path() + u"/recuperation"_s);
    QVERIFY(one.valid());
    core::Recovery two(folder.path() + u"/recuperation"_s);
    QVERIFY(two.valid());
    QVERIFY(one.path() != two.path());
    core::WorkState e = fullState();
    one.save(e);
    e.series.first = QStringList{u"5"_s};
    two.save(e);
    one.waitForWrites();
    two.waitForWrites();
    QVERIFY(QFile::exists(one.path()) && QFile::exists(two.path()));
    QVERIFY(one.leftBehind().isEmpty());
    QVERIFY(two.leftBehind().isEmpty());
    two.finish();
    QVERIFY(!QFile::exists(two.path()));
    QFile f(one.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(core::readState(f.readAll())->series.first, fullState().series.first);
}

// GIVEN states left by programs that stopped WHEN a program starts THEN it finds them,
// newest first; one forgotten is gone, one that does not read is renamed, and a lock
// left with no state is cleared.
void RecoveryTest::statesLeftBehind() {
    QTemporaryDir temporary;
    QDir folder(temporary.path());
    const QString old = leaveState(folder, u"1-1"_s, core::writeState(fullState()));
    {
        QFile f(old);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
    }
    const QString broken = leaveState(folder, u"2-2"_s, "{ pas du tout");
    writeOut(folder.filePath(u"etat-3-3.lock"_s),
             "4194303\nx\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    core::Recovery r(folder.path());
    const QStringList found = r.leftBehind();
    QCOMPARE(found, (QStringList{broken, old}));
    QVERIFY(!QFile::exists(folder.filePath(u"etat-3-3.lock"_s)));
    // A second look while they are held finds the same ones.
    QCOMPARE(r.leftBehind(), found);
    const QString setAsidePath = r.setAside(broken);
    QCOMPARE(setAsidePath, folder.filePath(u"etat-2-2.endommage"_s));
    QVERIFY(QFile::exists(setAsidePath) && !QFile::exists(broken));
    r.forget(old);
    QVERIFY(!QFile::exists(old));
    QVERIFY(!QFile::exists(folder.filePath(u"etat-1-1.lock"_s)));
    QVERIFY(r.leftBehind().isEmpty());
}

// The menu's words for the step that would be undone or redone; the steps themselves are
// the main window's (tests/main_window/tst_undo.cpp).
void RecoveryTest::undoWording_data() {
    QTest::addColumn<std::optional<QString>>("step");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("redo");
    QTest::newRow("none") << std::optional<QString>() << u"&Annuler"_s << u"&Rétablir"_s;
    QTest::newRow("<<") << std::optional<QString>(u"<<"_s) << u"&Annuler « << »"_s
                        << u"&Rétablir « << »"_s;
    QTest::newRow("Aleatoire") << std::optional<QString>(u"Aleatoire"_s)
                               << u"&Annuler « Aleatoire »"_s << u"&Rétablir « Aleatoire »"_s;
    QTest::newRow("a name with %1") << std::optional<QString>(u"50 %1"_s) << u"&Annuler « 50 %1 »"_s
                                    << u"&Rétablir « 50 %1 »"_s;
}

void RecoveryTest::undoWording() {
    QFETCH(std::optional<QString>, step);
    QFETCH(QString, cancel);
    QFETCH(QString, redo);
    QCOMPARE(core::undoText(step), cancel);
    QCOMPARE(core::redoText(step), redo);
}

// Ten at most, newest first, each once; the settings' lines read back, bad ones left out.
void RecoveryTest::recentFiles() {
    using core::Recent;
    std::vector<Recent> r;
    for (int i = 0; i < 12; ++i)
        r = core::withRecent(r, {Recent::Kind::Series, u"/s%1.csv"_s.arg(i)});
    QCOMPARE(r.size(), size_t(10));
    QCOMPARE(r.front().path, u"/s11.csv"_s);
    QCOMPARE(r.back().path, u"/s2.csv"_s);
    r = core::withRecent(r, {Recent::Kind::Series, u"/s5.csv"_s});
    QCOMPARE(r.front().path, u"/s5.csv"_s);
    QCOMPARE(r.size(), size_t(10));
    // The same path as a table is another entry.
    r = core::withRecent(r, {Recent::Kind::FrequencyTable, u"/s5.csv"_s});
    QCOMPARE(r[1], (Recent{Recent::Kind::Series, u"/s5.csv"_s}));
    QCOMPARE(core::recentsOfLines(core::linesOfRecents(r)), r);
    QCOMPARE(core::recentsOfLines({u"serie\t/a.csv"_s, u"n'importe quoi"_s, u"image\t/b.png"_s,
                                   u"serie\t/a.csv"_s, u"tableau\t/c.csv"_s}),
             (std::vector<Recent>{{Recent::Kind::Series, u"/a.csv"_s},
                                  {Recent::Kind::FrequencyTable, u"/c.csv"_s}}));
    QCOMPARE(core::recentText(0, {Recent::Kind::Series, u"/x/notes & co.csv"_s}, true),
             u"&1 notes && co.csv"_s);
    QCOMPARE(core::recentText(9, {Recent::Kind::FrequencyTable, u"/x/v.csv"_s}, false),
             u"1&0 v.csv (tableau) (introuvable)"_s);
}

QTEST_GUILESS_MAIN(RecoveryTest)
#include "tst_recovery_state.moc"
