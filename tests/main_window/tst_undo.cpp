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

// A step named `nom` that leaves both lists as given.
void etape(const QString& nom, const QStringList& liste1, const QString& liste2) {
    statistique& w = statistique::instance();
    w.avecAnnulation(nom, [&] {
        w.remplacerSerie1(liste1);
        w.Text_liste2->setText(liste2);
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
    const QStringList depart = test::items(*w.List1);
    const QString departListe2 = w.Text_liste2->text();
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler"_s);
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir"_s);
    QVERIFY(!w.mnuAnnuler->isEnabled() && !w.mnuRetablir->isEnabled());

    etape(u"Aleatoire"_s, {u"3"_s, u"8"_s}, departListe2);
    etape(u">"_s, {u"3"_s, u"8"_s}, departListe2);  // nothing changed: not a step
    etape(u"<<"_s, {u"3"_s}, departListe2);
    QCOMPARE(w.historique().count(), 2);
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « << »"_s);

    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « Aleatoire »"_s);
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir « << »"_s);
    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), depart);
    QVERIFY(!w.mnuAnnuler->isEnabled());
    w.mnuAnnuler->trigger();  // nothing left to undo: nothing happens
    QCOMPARE(test::items(*w.List1), depart);
    w.mnuRetablir->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));

    // A new step drops what could have been redone; the second list comes back too.
    etape(u"Camembert\nn° 2"_s, {u"5"_s, u"14"_s}, u"1"_s);
    QVERIFY(!w.mnuRetablir->isEnabled());
    QCOMPARE(w.mnuRetablir->text(), u"&Rétablir"_s);
    QCOMPARE(w.mnuAnnuler->text(), u"&Annuler « Camembert\nn° 2 »"_s);
    w.mnuAnnuler->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"3"_s, u"8"_s}));
    QCOMPARE(w.Text_liste2->text(), departListe2);
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
    const QString liste2 = w.Text_liste2->text();
    for (int i = 0; i < steps; ++i) etape(QString::number(i), {QString::number(i + 1)}, liste2);
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
    QVERIFY(w.historique().isClean());
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"notes.csv"_s);
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("12\n7\n");
    f.close();
    etape(u"Aleatoire"_s, {u"4"_s}, w.Text_liste2->text());
    QVERIFY(!w.historique().isClean());
    QVERIFY(w.ouvrirSerie(chemin));
    QVERIFY(w.historique().isClean() && w.enregistree());
    etape(u"<<"_s, {u"12"_s}, w.Text_liste2->text());
    QVERIFY(!w.historique().isClean() && !w.enregistree());
    w.mnuAnnuler->trigger();
    QVERIFY(w.historique().isClean() && w.enregistree());
    w.mnuAnnuler->trigger();  // before the file was opened
    QVERIFY(!w.historique().isClean());
    w.mnuRetablir->trigger();
    QVERIFY(w.historique().isClean());
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
