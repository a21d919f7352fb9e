// Series in and out of the main window: opening, saving, the question before changes
// are lost, the clipboard, and a dropped file.

#include "engine/dexo_mod.h"
#include "support/fresh_start.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString written(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kFrench = "\xEF\xBB\xBFS\xC3\xA9rie 1;S\xC3\xA9rie 2\r\n12,5;3\r\n7;4\r\n";

}  // namespace

class SeriesInAndOutTest : public QObject {
    Q_OBJECT

private slots:
    void openingReplacesBothSeries();
    void aBadFileChangesNothing();
    void savedUnderANameThenReopened();
    void aFailedSaveSaysWhy();
    void changesAreNotLostOnClosing_data();
    void changesAreNotLostOnClosing();
    void copyThenPaste();
    void aDroppedFileOpens();

private:
    QTemporaryDir folder_;
};

void SeriesInAndOutTest::openingReplacesBothSeries() {
    // GIVEN a chart and a frequency answer on the screen
    statistique& w = test::freshStart();
    QTest::mouseClick(&w.Option_graph(0), Qt::LeftButton);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    const int clears = w.Picture1->clearCount();
    // WHEN a French spreadsheet's file is opened
    QVERIFY(w.openSeries(written(folder_.filePath(u"notes.csv"_s), kFrench)));
    // THEN both series are replaced, summarised and read; what showed the old series goes
    QCOMPARE(test::items(*w.List1), (QStringList{u"12,5"_s, u"7"_s}));
    QCOMPARE(test::items(*w.List2), (QStringList{u"Valeur max= 12,5"_s, u"Valeur min= 7"_s,
                                                 u"Moyenne: 9,750"_s, u"Effectif total=2"_s}));
    QCOMPARE(w.Text_liste2->text(), u"3\r\n4"_s);
    QCOMPARE(dexo_mod::effectif_liste2().toDouble(), 2.0);
    QCOMPARE(w.Picture1->clearCount(), clears + 1);
    QVERIFY(w.Picture1->operations().empty());
    QCOMPARE(w.Label1->caption(), QString());
    QCOMPARE(w.windowTitle(), u"Statistique - notes.csv"_s);
}

void SeriesInAndOutTest::aBadFileChangesNothing() {
    statistique& w = test::freshStart();
    const QStringList series = test::items(*w.List1);
    const QString second = w.Text_liste2->text();
    test::MessageBoxAnswerer answerer;
    QVERIFY(!w.openSeries(written(folder_.filePath(u"faux.csv"_s), "1;2\n3;x\n")));
    QCOMPARE(answerer.texts, QStringList{u"Impossible d'ouvrir « faux.csv » : ligne 2, "
                                         u"colonne 2, « x » n'est pas un nombre."_s});
    QCOMPARE(test::items(*w.List1), series);
    QCOMPARE(w.Text_liste2->text(), second);
    QCOMPARE(w.windowTitle(), u"Statistique"_s);
}

void SeriesInAndOutTest::savedUnderANameThenReopened() {
    // GIVEN a series typed by hand and a second list
    statistique& w = test::freshStart();
    test::loadSeries({u"08"_s, u"2,5"_s, u"-1"_s});
    w.Text_liste2->setText(u"4\r\n5,75\r\n"_s);
    const core::TwoSeries before = w.series();
    // WHEN it is saved under a name given without a suffix
    test::FileDialogAnswerer dialog(folder_.filePath(u"cours"_s));
    w.mnuEnregistrerSous->trigger();
    // THEN the file gets ".csv", the caption names it, and the file opens as it was saved
    const QString path = folder_.filePath(u"cours.csv"_s);
    QCOMPARE(dialog.answered, 1);
    QCOMPARE(contents(path), QByteArray("\xEF\xBB\xBFS\xC3\xA9rie 1;S\xC3\xA9rie 2\r\n"
                                        "08;4\r\n2,5;5,75\r\n-1;\r\n"));
    QCOMPARE(w.windowTitle(), u"Statistique - cours.csv"_s);
    test::freshStart();
    QVERIFY(statistique::instance().openSeries(path));
    QCOMPARE(statistique::instance().series(), before);
}

void SeriesInAndOutTest::aFailedSaveSaysWhy() {
    statistique& w = test::freshStart();
    test::MessageBoxAnswerer answerer;
    test::FileDialogAnswerer dialog(folder_.filePath(u"absent/serie.csv"_s));
    w.mnuEnregistrerSous->trigger();
    QCOMPARE(answerer.texts,
             QStringList{u"Impossible d'enregistrer « serie.csv » : le dossier n'existe pas."_s});
    QCOMPARE(w.windowTitle(), u"Statistique"_s);
}

void SeriesInAndOutTest::changesAreNotLostOnClosing_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("Enregistrer") << u"Enregistrer"_s << true
                                 << QByteArray("\xEF\xBB\xBFS\xC3\xA9rie 1\r\n12,5\r\n7\r\n9\r\n");
    QTest::newRow("Ne pas enregistrer") << u"Ne pas enregistrer"_s << true << kFrench;
    QTest::newRow("Annuler") << u"Annuler"_s << false << kFrench;
}

void SeriesInAndOutTest::changesAreNotLostOnClosing() {
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, file);
    // GIVEN a file opened, then changed: a value added and the second list emptied
    statistique& w = test::freshStart();
    const QString path = written(folder_.filePath(u"classe.csv"_s), kFrench);
    QVERIFY(w.openSeries(path));
    w.showCentred();
    w.Text1->setText(u"9"_s);
    QTest::mouseClick(w.Command_ajout, Qt::LeftButton);
    w.Text_liste2->setText(QString());
    // WHEN the window is closed and the question answered
    test::MessageBoxAnswerer answerer(answer);
    w.close();
    // THEN the question named the file, and the answer was followed
    QCOMPARE(answerer.texts, QStringList{u"Enregistrer les modifications de classe.csv ?"_s});
    QCOMPARE(answerer.buttons, QStringList{u"Enregistrer|Ne pas enregistrer|Annuler"_s});
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(contents(path), file);
}

void SeriesInAndOutTest::copyThenPaste() {
    statistique& w = test::freshStart();
    test::loadSeries({u"1,5"_s, u"2"_s});
    w.Text_liste2->setText(u"3"_s);
    w.mnuCopierSerie->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"1,5\t3\n2\t\n"_s);

    // A row of cells replaces the first series and leaves the second list alone.
    QGuiApplication::clipboard()->setText(u"10\t20\t30"_s);
    w.mnuCollerSerie->trigger();
    QCOMPARE(test::items(*w.List1), (QStringList{u"10"_s, u"20"_s, u"30"_s}));
    QCOMPARE(w.Text_liste2->text(), u"3"_s);

    // Words are refused, and nothing changes.
    test::MessageBoxAnswerer answerer;
    QGuiApplication::clipboard()->setText(u"Bonjour"_s);
    w.mnuCollerSerie->trigger();
    QCOMPARE(answerer.texts,
             QStringList{u"Impossible de coller une série : ligne 1, colonne 1, « Bonjour » "
                         u"n'est pas un nombre."_s});
    QCOMPARE(test::items(*w.List1), (QStringList{u"10"_s, u"20"_s, u"30"_s}));
}

void SeriesInAndOutTest::aDroppedFileOpens() {
    statistique& w = test::freshStart();
    const QString path = written(folder_.filePath(u"depose.csv"_s), "6\n7\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    QTRY_COMPARE(test::items(*w.List1), (QStringList{u"6"_s, u"7"_s}));
    QCOMPARE(w.windowTitle(), u"Statistique - depose.csv"_s);
}

QTEST_MAIN(SeriesInAndOutTest)
#include "tst_series_io.moc"
