// The class's sheets window on its own: the exercises ticked, the pupils typed and the
// files named give both PDFs, with each pupil's name and series read back by pdftotext;
// what cannot be written is said in the status line, and nothing is written.

#include "core/numbers.h"
#include "sheets_window/sheets_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The events until the writing has ended: it runs on a thread of its own.
void waitForWriting(Feuilles& w) {
    while (w.status() == u"Écriture des feuilles…"_s)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QString textOf(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

}  // namespace

class SheetsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void writing_data() {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("pupils");
        QTest::addColumn<int>("first");
        QTest::addColumn<bool>("withKey");
        QTest::addColumn<QString>("status");  // "" when both files are written
        QTest::addColumn<QStringList>("found");
        QTest::newRow("noms tapés, corrigé")
            << QList<int>{0} << u"Alice Martin\n\nBruno Petit"_s << 12 << true << QString()
            << QStringList{u"Nom : Alice Martin"_s, u"Série n° 12"_s, u"Nom : Bruno Petit"_s,
                           u"Série n° 13"_s};
        QTest::newRow("un nombre, deux exercices")
            << QList<int>{0, 2} << u"2"_s << 1 << false << QString()
            << QStringList{u"Nom : Élève 2"_s, u"Série n° 2"_s};
        QTest::newRow("aucun exercice") << QList<int>{} << u"3"_s << 1 << true
                                        << u"Cochez au moins un exercice."_s << QStringList{};
        QTest::newRow("zéro élève") << QList<int>{1} << u"0"_s << 1 << true
                                    << u"Élèves : il faut au moins un élève."_s << QStringList{};
        QTest::newRow("au-delà de la dernière série")
            << QList<int>{1} << u"3"_s << 999998 << true
            << u"Les numéros de série dépasseraient 999999."_s << QStringList{};
    }
    void writing() {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, pupils);
        QFETCH(int, first);
        QFETCH(bool, withKey);
        QFETCH(QString, status);
        QFETCH(QStringList, found);
        QTemporaryDir dir;
        Feuilles w;
        w.setExercises(
            core::exercisesIn({QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s}));
        auto* list = w.findChild<QListWidget*>(u"Liste_exercices"_s);
        QVERIFY(list->count() >= 3);
        for (int i : ticked) list->item(i)->setCheckState(Qt::Checked);
        w.findChild<QPlainTextEdit*>(u"Eleves"_s)->setPlainText(pupils);
        w.findChild<QSpinBox*>(u"Premiere_serie"_s)->setValue(first);
        const QString sheets = dir.filePath(u"feuilles.pdf"_s),
                      key = dir.filePath(u"corrigé.pdf"_s);
        w.findChild<QLineEdit*>(u"Fichier_feuilles"_s)->setText(sheets);
        if (withKey) w.findChild<QLineEdit*>(u"Fichier_corrige"_s)->setText(key);
        QSignalSpy written(&w, &Feuilles::written);
        QTest::mouseClick(w.findChild<QPushButton*>(u"Ecrire"_s), Qt::LeftButton);
        waitForWriting(w);
        if (!status.isEmpty()) {
            QCOMPARE(w.status(), status);
            QCOMPARE(written.count(), 0);
            QVERIFY(!QFile::exists(sheets) && !QFile::exists(key));
            return;
        }
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.first().at(1).toString(), withKey ? key : QString());
        QVERIFY(w.status().startsWith(u"Feuilles écrites dans « feuilles.pdf »"_s));
        const QString text = textOf(sheets);
        for (const QString& f : found) QVERIFY2(text.contains(f), qPrintable(f));
        QCOMPARE(QFile::exists(key), withKey);
        if (withKey) QVERIFY(textOf(key).contains(u"Corrigé — Bruno Petit Série n° 13"_s));
    }
};

QTEST_MAIN(SheetsWindowTest)
#include "tst_sheets_window.moc"
