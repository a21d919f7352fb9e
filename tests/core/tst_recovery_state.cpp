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

core::WorkState complet() {
    core::FrequencyTable t;
    t.nature = core::FrequencyTable::Nature::Classes;
    t.fermeADroite = false;
    t.lignes = {{.inferieure = u"0"_s, .superieure = u"10"_s, .effectif = u"4"_s},
                {.inferieure = u"10"_s, .superieure = u"x"_s, .effectif = u""_s}};
    return {.serie = {{u"0"_s, u"12"_s, u"7,5"_s, u"-"_s}, {u"4"_s, u"9"_s}},
            .texteListe2 = u"0\r\n4\r\n9 abc"_s,
            .fichier = u"/home/élève/notes « 1 ».csv"_s,
            .enregistre = false,
            .tableau = t,
            .fichierTableau = u"vitesses.csv"_s,
            .tableauEnregistre = true};
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// A state left by a program that is not running: its lock names a process that is not.
QString abandonne(const QDir& dossier, const QString& id, const QByteArray& etat) {
    const QString chemin = dossier.filePath(u"etat-"_s + id + u".json"_s);
    ecrire(chemin, etat);
    ecrire(dossier.filePath(u"etat-"_s + id + u".lock"_s),
           "4194303\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    return chemin;
}

}  // namespace

class RecuperationTest : public QObject {
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

void RecuperationTest::stateReadsBack_data() {
    QTest::addColumn<bool>("tableau");
    QTest::newRow("series only") << false;
    QTest::newRow("with the table") << true;
}

void RecuperationTest::stateReadsBack() {
    QFETCH(bool, tableau);
    core::WorkState e = complet();
    if (!tableau) e = {.serie = e.serie, .texteListe2 = e.texteListe2, .fichier = e.fichier};
    const auto lu = core::lireEtat(core::ecrireEtat(e));
    QVERIFY(lu);
    QCOMPARE(*lu, e);
}

void RecuperationTest::damagedStatesRefused_data() {
    QTest::addColumn<QByteArray>("octets");
    const QByteArray bon = core::ecrireEtat(complet());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << bon.left(bon.size() / 2);
    QTest::newRow("another program's JSON") << QByteArray(R"({"serie1": ["1"]})");
    QTest::newRow("a later version")
        << QByteArray(bon).replace("\"statistique\":1", "\"statistique\":2");
    QTest::newRow("a number for a text") << QByteArray(bon).replace("\"12\"", "12");
    QTest::newRow("a row of three cells")
        << QByteArray(bon).replace("[\"\",\"0\",\"10\",\"4\"]", "[\"\",\"0\",\"4\"]");
}

void RecuperationTest::damagedStatesRefused() {
    QFETCH(QByteArray, octets);
    QVERIFY(!core::lireEtat(octets));
}

// GIVEN two programs in the same folder WHEN each keeps its state THEN neither lists
// the other's, and a clean end removes only its own.
void RecuperationTest::eachProgramItsOwnState() {
    QTemporaryDir dossier;
    core::Recovery un(dossier.path() + u"/recuperation"_s);
    QVERIFY(un.valide());
    core::Recovery deux(dossier.path() + u"/recuperation"_s);
    QVERIFY(deux.valide());
    QVERIFY(un.chemin() != deux.chemin());
    core::WorkState e = complet();
    un.enregistrer(e);
    e.serie.first = QStringList{u"5"_s};
    deux.enregistrer(e);
    un.attendre();
    deux.attendre();
    QVERIFY(QFile::exists(un.chemin()) && QFile::exists(deux.chemin()));
    QVERIFY(un.abandonnes().isEmpty());
    QVERIFY(deux.abandonnes().isEmpty());
    deux.terminer();
    QVERIFY(!QFile::exists(deux.chemin()));
    QFile f(un.chemin());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(core::lireEtat(f.readAll())->serie.first, complet().serie.first);
}

// GIVEN states left by programs that stopped WHEN a program starts THEN it finds them,
// newest first; one forgotten is gone, one that does not read is renamed, and a lock
// left with no state is cleared.
void RecuperationTest::statesLeftBehind() {
    QTemporaryDir temporaire;
    QDir dossier(temporaire.path());
    const QString vieux = abandonne(dossier, u"1-1"_s, core::ecrireEtat(complet()));
    {
        QFile f(vieux);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
    }
    const QString casse = abandonne(dossier, u"2-2"_s, "{ pas du tout");
    ecrire(dossier.filePath(u"etat-3-3.lock"_s),
           "4194303\nx\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    core::Recovery r(dossier.path());
    const QStringList trouves = r.abandonnes();
    QCOMPARE(trouves, (QStringList{casse, vieux}));
    QVERIFY(!QFile::exists(dossier.filePath(u"etat-3-3.lock"_s)));
    // A second look while they are held finds the same ones.
    QCOMPARE(r.abandonnes(), trouves);
    const QString mis = r.mettreDeCote(casse);
    QCOMPARE(mis, dossier.filePath(u"etat-2-2.endommage"_s));
    QVERIFY(QFile::exists(mis) && !QFile::exists(casse));
    r.oublier(vieux);
    QVERIFY(!QFile::exists(vieux));
    QVERIFY(!QFile::exists(dossier.filePath(u"etat-1-1.lock"_s)));
    QVERIFY(r.abandonnes().isEmpty());
}

// The menu's words for the step that would be undone or redone; the steps themselves are
// the main window's (tests/main_window/tst_undo.cpp).
void RecuperationTest::undoWording_data() {
    QTest::addColumn<std::optional<QString>>("etape");
    QTest::addColumn<QString>("annuler");
    QTest::addColumn<QString>("retablir");
    QTest::newRow("none") << std::optional<QString>() << u"&Annuler"_s << u"&Rétablir"_s;
    QTest::newRow("<<") << std::optional<QString>(u"<<"_s) << u"&Annuler « << »"_s
                        << u"&Rétablir « << »"_s;
    QTest::newRow("Aleatoire") << std::optional<QString>(u"Aleatoire"_s)
                               << u"&Annuler « Aleatoire »"_s << u"&Rétablir « Aleatoire »"_s;
    QTest::newRow("a name with %1") << std::optional<QString>(u"50 %1"_s) << u"&Annuler « 50 %1 »"_s
                                    << u"&Rétablir « 50 %1 »"_s;
}

void RecuperationTest::undoWording() {
    QFETCH(std::optional<QString>, etape);
    QFETCH(QString, annuler);
    QFETCH(QString, retablir);
    QCOMPARE(core::texteAnnuler(etape), annuler);
    QCOMPARE(core::texteRetablir(etape), retablir);
}

// Ten at most, newest first, each once; the settings' lines read back, bad ones left out.
void RecuperationTest::recentFiles() {
    using core::Recent;
    std::vector<Recent> r;
    for (int i = 0; i < 12; ++i)
        r = core::avecRecent(r, {Recent::Genre::Serie, u"/s%1.csv"_s.arg(i)});
    QCOMPARE(r.size(), size_t(10));
    QCOMPARE(r.front().chemin, u"/s11.csv"_s);
    QCOMPARE(r.back().chemin, u"/s2.csv"_s);
    r = core::avecRecent(r, {Recent::Genre::Serie, u"/s5.csv"_s});
    QCOMPARE(r.front().chemin, u"/s5.csv"_s);
    QCOMPARE(r.size(), size_t(10));
    // The same path as a table is another entry.
    r = core::avecRecent(r, {Recent::Genre::FrequencyTable, u"/s5.csv"_s});
    QCOMPARE(r[1], (Recent{Recent::Genre::Serie, u"/s5.csv"_s}));
    QCOMPARE(core::recentsDesLignes(core::lignesDesRecents(r)), r);
    QCOMPARE(core::recentsDesLignes({u"serie\t/a.csv"_s, u"n'importe quoi"_s, u"image\t/b.png"_s,
                                     u"serie\t/a.csv"_s, u"tableau\t/c.csv"_s}),
             (std::vector<Recent>{{Recent::Genre::Serie, u"/a.csv"_s},
                                  {Recent::Genre::FrequencyTable, u"/c.csv"_s}}));
    QCOMPARE(core::texteDuRecent(0, {Recent::Genre::Serie, u"/x/notes & co.csv"_s}, true),
             u"&1 notes && co.csv"_s);
    QCOMPARE(core::texteDuRecent(9, {Recent::Genre::FrequencyTable, u"/x/v.csv"_s}, false),
             u"1&0 v.csv (tableau) (introuvable)"_s);
}

QTEST_GUILESS_MAIN(RecuperationTest)
#include "tst_recovery_state.moc"
