// The work given back in the windows: a state left by a program that stopped is offered
// with its question, and "Récupérer" shows both lists and the table as they were, marked
// as not saved; "Ne pas récupérer" removes it; a damaged one is set aside with a
// message; one with nothing unsaved is not asked about. And undo over the series'
// changes, from the menu and with Ctrl+Z where no text box has the focus.

#include "core/recovery_state.h"
#include "exercise/dexo_enonce.h"
#include "main_window/program.h"
#include "recovery/work_keeper.h"
#include "support/fresh_start.h"
#include "table/table_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void leaveBehind(const QDir& folder, const QByteArray& workState) {
    QFile f(folder.filePath(u"etat-1-1.json"_s));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(workState);
    QFile l(folder.filePath(u"etat-1-1.lock"_s));
    QVERIFY(l.open(QIODevice::WriteOnly));
    l.write("4194303\nstatistique\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

core::WorkState sampleWork() {
    core::FrequencyTable t;
    t.lines = {{.value = u"38"_s, .count = u"7"_s}};
    return {.series = {{u"12"_s, u"7,5"_s}, {u"4"_s}},
            .list2Text = u"4\r\n9x"_s,
            .file = u"notes.csv"_s,
            .saved = false,
            .table = t,
            .tableFile = u"pointures.csv"_s,
            .tableSaved = false};
}

}  // namespace

class RecoveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void givenBack();
    void refused_data();
    void refused();
    void keptAfterEachChange();
    void undoOverTheSeries_data();
    void undoOverTheSeries();
    void ctrlZStaysWithTheTextBox();
    void recentFiles();
};

void RecoveryWindowTest::givenBack() {
    QTemporaryDir folder;
    leaveBehind(QDir(folder.path()), core::writeState(sampleWork()));
    const auto keeper = program::keepWork(statistique::instance(), folder.path());
    WorkKeeper& workKeeper = *keeper;
    test::MessageBoxAnswerer answer(u"Récupérer"_s);
    workKeeper.offer();
    QCOMPARE(answer.texts, QStringList{u"Le programme s'est arrêté sans enregistrer votre "
                                       u"travail. Récupérer la série ?"_s});
    QCOMPARE(answer.buttons, QStringList{u"Récupérer|Ne pas récupérer"_s});
    statistique& w = statistique::instance();
    QCOMPARE(test::items(*w.List1), (QStringList{u"12"_s, u"7,5"_s}));
    QCOMPARE(w.Text_liste2->text(), u"4\r\n9x"_s);
    QCOMPARE(test::items(*w.List2).value(0), u"Valeur max= 12"_s);
    QCOMPARE(w.windowTitle(), u"Statistique - notes.csv"_s);
    QVERIFY(!w.seriesSaved());
    const Tableau_effectifs& t = Tableau_effectifs::instance();
    QCOMPARE(t.table(), sampleWork().table);
    QVERIFY(!t.saved());
    // Given back, it is this program's state; the one left behind is gone.
    QVERIFY(!QFile::exists(QDir(folder.path()).filePath(u"etat-1-1.json"_s)));
    QFile own(workKeeper.recovery().path());
    QVERIFY(own.open(QIODevice::ReadOnly));
    QCOMPARE(core::readState(own.readAll())->series.first, (QStringList{u"12"_s, u"7,5"_s}));
}

void RecoveryWindowTest::refused_data() {
    QTest::addColumn<QByteArray>("workState");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("remains");
    QTest::newRow("not given back") << core::writeState(sampleWork()) << u"Ne pas récupérer"_s
                                    << u"Le programme s'est arrêté"_s << QString();
    QTest::newRow("damaged") << QByteArray("{\"statistique\":1,") << QString()
                             << u"Un travail à récupérer était endommagé : il a été mis de côté "
                                u"dans « etat-1-1.endommage »."_s
                             << u"etat-1-1.endommage"_s;
    core::WorkState saved = sampleWork();
    saved.saved = true;
    saved.table.reset();
    QTest::newRow("all of it saved")
        << core::writeState(saved) << QString() << QString() << QString();
}

void RecoveryWindowTest::refused() {
    QFETCH(QByteArray, workState);
    QFETCH(QString, answer);
    QFETCH(QString, said);
    QFETCH(QString, remains);
    QTemporaryDir folder;
    leaveBehind(QDir(folder.path()), workState);
    const auto keeper = program::keepWork(statistique::instance(), folder.path());
    WorkKeeper& workKeeper = *keeper;
    test::MessageBoxAnswerer answerer(answer);
    workKeeper.offer();
    QCOMPARE(answerer.texts.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty())
        QVERIFY2(answerer.texts[0].startsWith(said), qPrintable(answerer.texts[0]));
    QCOMPARE(test::items(*statistique::instance().List1), QStringList{u"0"_s});
    QStringList remaining = QDir(folder.path()).entryList(QDir::Files);
    remaining.removeAll(QFileInfo(workKeeper.recovery().path()).completeBaseName() + u".lock"_s);
    QCOMPARE(remaining, remains.isEmpty() ? QStringList{} : QStringList{remains});
    // Asked once: the next start finds nothing.
    test::MessageBoxAnswerer encore;
    program::keepWork(statistique::instance(), folder.path())->offer();
    QVERIFY(encore.texts.isEmpty());
}

// GIVEN the program keeping its work WHEN the series change THEN the state follows, and
// a clean end removes it.
void RecoveryWindowTest::keptAfterEachChange() {
    QTemporaryDir folder;
    const auto keeper = program::keepWork(statistique::instance(), folder.path());
    WorkKeeper& workKeeper = *keeper;
    statistique& w = statistique::instance();
    QTest::mouseClick(w.Command_aleatoire, Qt::LeftButton);
    QTRY_VERIFY(QFile::exists(workKeeper.recovery().path()));
    const auto read = [&] {
        QFile f(workKeeper.recovery().path());
        return f.open(QIODevice::ReadOnly) ? core::readState(f.readAll()) : std::nullopt;
    };
    QTRY_COMPARE(read()->series.first, test::items(*w.List1));
    QVERIFY(!read()->saved);
    w.close();
    QVERIFY(!QFile::exists(workKeeper.recovery().path()));
}

// GIVEN a series WHEN a button replaces it and Annuler is chosen THEN the series and its
// summary come back, and Rétablir replaces them again.
void RecoveryWindowTest::undoOverTheSeries_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("<<") << u"<<"_s;
    QTest::newRow("Aleatoire") << u"Aleatoire"_s;
    QTest::newRow("Camembert") << u"Camembert"_s;
}

void RecoveryWindowTest::undoOverTheSeries() {
    QFETCH(QString, name);
    statistique& w = statistique::instance();
    test::loadSeries({u"12"_s, u"7,5"_s, u"3"_s});
    const QStringList series = test::items(*w.List1), resume = test::items(*w.List2);
    QVERIFY(!w.mnuAnnuler->isEnabled());
    if (name == u"<<")
        QTest::mouseClick(&w.Command_enlever(1), Qt::LeftButton);
    else if (name == u"Aleatoire")
        QTest::mouseClick(w.Command_aleatoire, Qt::LeftButton);
    else
        QTest::mouseClick(&Dexo_enonce::instance().command_camembert(1), Qt::LeftButton);
    const QStringList after = test::items(*w.List1);
    QVERIFY(after != series);
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « %1 »"_s.arg(name));
    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), series);
    QCOMPARE(test::items(*w.List2), resume);
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir « %1 »"_s.arg(name));
    w.mnuRetablir->trigger();
    QCOMPARE(test::items(*w.List1), after);
}

// GIVEN a value typed in Text1 WHEN Ctrl+Z is pressed there THEN the box undoes its own
// typing; from the list, Ctrl+Z undoes the series.
void RecoveryWindowTest::ctrlZStaysWithTheTextBox() {
    statistique& w = statistique::instance();
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.Command_aleatoire, Qt::LeftButton);
    const QStringList drawn = test::items(*w.List1);
    w.Text1->setFocus();
    QTest::keyClicks(w.Text1, u"4"_s);
    const QString typed = w.Text1->text();
    QTest::keyClick(w.Text1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(test::items(*w.List1), drawn);
    QVERIFY(w.Text1->text() != typed);
    w.List1->setFocus();
    QTest::keyClick(w.List1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(test::items(*w.List1), QStringList{u"0"_s});
}

// GIVEN a series and a table opened WHEN "Séries récentes" opens THEN both are listed,
// newest first; one that has gone says so, and choosing it takes it out with a message.
void RecoveryWindowTest::recentFiles() {
    QTemporaryDir folder;
    const QString series = folder.filePath(u"notes.csv"_s), table = folder.filePath(u"v.csv"_s);
    for (const auto& [path, text] :
         {std::pair{series, "12\n7\n"}, {table, "Valeur;Effectif\n38;7\n"}}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    statistique& w = statistique::instance();
    const auto display = [&] {
        QMetaObject::invokeMethod(w.mnuRecents, "aboutToShow");
        QStringList texts;
        for (QAction* a : w.mnuRecents->actions()) texts << a->text();
        return texts;
    };
    QCOMPARE(display(), QStringList{u"Aucune série récente"_s});
    QVERIFY(w.openSeries(series));
    w.mnuTableau->trigger();
    QVERIFY(Tableau_effectifs::instance().openTable(table));
    QCOMPARE(display(), (QStringList{u"&1 v.csv (tableau)"_s, u"&2 notes.csv"_s}));
    // Chosen again, the series opens.
    test::loadSeries({u"1"_s});
    {
        test::MessageBoxAnswerer changes(u"Ne pas enregistrer"_s);
        w.mnuRecents->actions()[1]->trigger();
        QCOMPARE(changes.texts, QStringList{u"Enregistrer les modifications de notes.csv ?"_s});
    }
    QCOMPARE(test::items(*w.List1), (QStringList{u"12"_s, u"7"_s}));
    QFile::remove(series);
    // Opened again, it came first.
    QCOMPARE(display()[0], u"&1 notes.csv (introuvable)"_s);
    test::MessageBoxAnswerer answerer;
    w.mnuRecents->actions()[0]->trigger();
    QCOMPARE(answerer.texts,
             QStringList{u"« notes.csv » n'existe plus : il est retiré des séries récentes."_s});
    QCOMPARE(display(), QStringList{u"&1 v.csv (tableau)"_s});
}

QTEST_MAIN(RecoveryWindowTest)
#include "tst_recovery_window.moc"
