// Undo and redo over the series' changes, on the main window's undo stack: the menu's
// words, what each step gives back, the steps kept, and the clean state that marks the
// series as last opened or saved.

#include "support/fresh_start.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A step named `name` that leaves both lists as given.
void step(const QString& name, const QStringList& list1, const QString& list2) {
    statistique& w = statistique::instance();
    w.withUndo(name, [&] {
        w.replaceSeries1(list1);
        w.Text_liste2->setText(list2);
    });
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void undoAndRedo();
    void stepsKept_data();
    void stepsKept();
    void cleanIsSaved();
};

// GIVEN the series as the program starts WHEN steps are made, undone and redone THEN each
// gives back both lists as they were, and the menu names the step it would undo or redo.
void UndoTest::undoAndRedo() {
    statistique& w = statistique::instance();
    const QStringList startPoint = test::items(*w.List1);
    const QString initialList2Text = w.Text_liste2->text();
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler"_s);
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir"_s);
    QVERIFY(!w.mnuAnnuler->isEnabled() && !w.mnuRetablir->isEnabled());

    step(u"Aleatoire"_s, {u"3"_s, u"8"_s}, initialList2Text);
    step(u">"_s, {u"3"_s, u"8"_s}, initialList2Text);  // nothing changed: not a step
    step(u"<<"_s, {u"3"_s}, initialList2Text);
    QCOMPARE(w.undoStack().count(), 2);
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « << »"_s);

    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « Aleatoire »"_s);
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir « << »"_s);
    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), startPoint);
    QVERIFY(!w.mnuAnnuler->isEnabled());
    w.mnuAnnuler->trigger();  // nothing left to undo: nothing happens
    QCOMPARE(test::items(*w.List1), startPoint);
    w.mnuRetablir->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));

    // A new step drops what could have been redone; the second list comes back too.
    step(u"Camembert\nn° 2"_s, {u"5"_s, u"14"_s}, u"1"_s);
    QVERIFY(!w.mnuRetablir->isEnabled());
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir"_s);
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « Camembert\nn° 2 »"_s);
    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));
    QCOMPARE(w.Text_liste2->text(), initialList2Text);
    w.mnuRetablir->trigger();
    QCOMPARE(w.Text_liste2->text(), u"1"_s);
}

// GIVEN n steps, step i leaving the value i + 1 WHEN all that can be is undone THEN the
// last hundred were kept, and the series is the one before the oldest kept.
void UndoTest::stepsKept_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("first");
    QTest::newRow("3") << 3 << 3 << u"0"_s;
    QTest::newRow("100") << 100 << 100 << u"0"_s;
    QTest::newRow("101") << 101 << 100 << u"1"_s;
    QTest::newRow("150") << 150 << 100 << u"50"_s;
}

void UndoTest::stepsKept() {
    QFETCH(int, steps);
    QFETCH(int, kept);
    QFETCH(QString, first);
    statistique& w = statistique::instance();
    const QString list2 = w.Text_liste2->text();
    for (int i = 0; i < steps; ++i) step(QString::number(i), {QString::number(i + 1)}, list2);
    int undone = 0;
    while (w.mnuAnnuler->isEnabled()) {
        w.mnuAnnuler->trigger();
        ++undone;
    }
    QCOMPARE(undone, kept);
    QCOMPARE(test::items(*w.List1), QStringList{first});
}

// GIVEN a series opened from its file WHEN a step is made and undone THEN the stack is
// clean exactly where the series is the file's.
void UndoTest::cleanIsSaved() {
    statistique& w = statistique::instance();
    QVERIFY(w.undoStack().isClean());
    QTemporaryDir folder;
    const QString path = folder.filePath(u"notes.csv"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("12\n7\n");
    f.close();
    step(u"Aleatoire"_s, {u"4"_s}, w.Text_liste2->text());
    QVERIFY(!w.undoStack().isClean());
    QVERIFY(w.openSeries(path));
    QVERIFY(w.undoStack().isClean() && w.seriesSaved());
    step(u"<<"_s, {u"12"_s}, w.Text_liste2->text());
    QVERIFY(!w.undoStack().isClean() && !w.seriesSaved());
    w.mnuAnnuler->trigger();
    QVERIFY(w.undoStack().isClean() && w.seriesSaved());
    w.mnuAnnuler->trigger();  // before the file was opened
    QVERIFY(!w.undoStack().isClean());
    w.mnuRetablir->trigger();
    QVERIFY(w.undoStack().isClean());
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
