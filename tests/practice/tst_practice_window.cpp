// The practice window: opened from its menu, answers typed with real keys and checked,
// hints and solutions shown, a series number giving the same data again, files that do
// not read listed greyed with their reason, and the data sent to the table window.

#include "practice/practice_window.h"
#include "support/fresh_start.h"
#include "table/table_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kLivres = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;

Exercices& ouverte() {
    statistique::instance().mnuExercices->trigger();
    Exercices& w = Exercices::instance();
    w.relire({kLivres});
    return w;
}

QLineEdit* ligne(Exercices& w, int i) {
    return qobject_cast<QLineEdit*>(w.questions()[size_t(i)].reponse);
}

QStringList donnees(const Exercices& w) {
    QStringList t;
    const QAbstractItemModel* m = w.Table_donnees->model();
    for (int r = 0; r < m->rowCount(); ++r)
        t << m->index(r, m->columnCount() - 1).data().toString();
    return t;
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

}  // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void opensFromTheMenu();
    void answersChecked_data();
    void answersChecked();
    void hintsAndSolutions();
    void aNumberGivesTheSameData();
    void filesThatDoNotReadAreGreyed();
    void towardsTheTable();
};

void PracticeWindowTest::opensFromTheMenu() {
    const QAction* item = statistique::instance().mnuExercices;
    QCOMPARE(item->text(), u"S'&entraîner…"_s);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    Exercices& w = ouverte();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Exercices"_s);
    QCOMPARE(w.Liste_exercices->count(), 14);
    QCOMPARE(w.Liste_exercices->currentItem()->text(), u"Contrôles de vitesse"_s);
    QCOMPARE(w.questions().size(), size_t(4));
    QCOMPARE(w.questions()[0].reponse->objectName(), u"Reponse_1"_s);
    QCOMPARE(w.questions()[3].resultat->objectName(), u"Resultat_4"_s);
    QCOMPARE(w.questions()[1].reponse->accessibleName(), u"Réponse à la question 2"_s);
    QCOMPARE(donnees(w).first(), u"5"_s);
    QVERIFY(!w.testAttribute(Qt::WA_QuitOnClose));
}

// GIVEN the speed check WHEN answers are typed with keys and checked THEN each is marked
// and the right ones counted.
void PracticeWindowTest::answersChecked_data() {
    QTest::addColumn<QString>("moyenne");
    QTest::addColumn<QString>("marque");
    QTest::addColumn<QString>("score");
    QTest::newRow("right, comma") << u"131,3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
    QTest::newRow("right, keypad point")
        << u"131.3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
    QTest::newRow("the list's mean") << u"45"_s << u"Faux"_s << u"1 réponse juste sur 4"_s;
    QTest::newRow("letters refused") << u"13a1,3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
}

void PracticeWindowTest::answersChecked() {
    QFETCH(QString, moyenne);
    QFETCH(QString, marque);
    QFETCH(QString, score);
    Exercices& w = ouverte();
    ligne(w, 0)->setFocus();
    QTest::keyClicks(ligne(w, 0), moyenne);
    auto* choix = qobject_cast<QComboBox*>(w.questions()[1].reponse);
    QVERIFY(choix);
    QCOMPARE(choix->count(), 3);
    choix->setCurrentText(u"Histogramme"_s);
    QTest::keyClicks(ligne(w, 3), u"80"_s);
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.questions()[0].resultat->text(), marque);
    QCOMPARE(w.questions()[1].resultat->text(), u"Juste"_s);
    QCOMPARE(w.questions()[2].resultat->text(), QString());  // not answered
    QCOMPARE(w.questions()[3].resultat->text(), u"Faux"_s);
    QCOMPARE(w.Label_score->text(), score);
}

void PracticeWindowTest::hintsAndSolutions() {
    Exercices& w = ouverte();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.questions()[0].indice->isVisible());
    QTest::mouseClick(w.Command_indice, Qt::LeftButton);
    QVERIFY(w.questions()[0].indice->isVisible());
    QVERIFY2(w.questions()[0].indice->text().contains(u"95 pour ]90 ; 100]"_s),
             qPrintable(w.questions()[0].indice->text()));
    QTest::mouseClick(w.Command_solution, Qt::LeftButton);
    QVERIFY(w.questions()[0].solution->isVisible());
    QVERIFY(w.questions()[0].solution->text().contains(u"/ 360 ≈ 131,3 km/h."_s));
    QVERIFY(w.questions()[0].solution->text().endsWith(u"Réponse attendue : 131,3 km/h"_s));
}

// GIVEN an exercise WHEN new data are drawn THEN the number shows, and typing it again
// gives the same data, whose answers the check follows.
void PracticeWindowTest::aNumberGivesTheSameData() {
    Exercices& w = ouverte();
    const QStringList enonce = donnees(w);
    QTest::mouseClick(w.Command_nouvelles, Qt::LeftButton);
    QVERIFY(w.numero() >= 1);
    QCOMPARE(w.Label_serie->text(), u"Série n° %1"_s.arg(w.numero()));
    const QStringList tirees = donnees(w);
    QVERIFY(tirees != enonce);
    const QString numero = QString::number(w.numero());
    w.Liste_exercices->setCurrentRow(1);
    w.Liste_exercices->setCurrentRow(0);
    QCOMPARE(donnees(w), enonce);
    w.Text_serie->clear();
    QTest::keyClicks(w.Text_serie, numero);
    QTest::keyClick(w.Text_serie, Qt::Key_Return);
    QCOMPARE(donnees(w), tirees);
    const QString attendue = core::reponseAttendue(*w.exercice(), 0);
    QTest::keyClicks(ligne(w, 0), attendue.left(attendue.indexOf(u' ')));
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.questions()[0].resultat->text(), u"Juste"_s);
}

void PracticeWindowTest::filesThatDoNotReadAreGreyed() {
    QTemporaryDir dossier;
    QFile::copy(kLivres + u"/03-pointures.json"_s, dossier.filePath(u"a-pointures.json"_s));
    ecrire(dossier.filePath(u"b-casse.json"_s), "{\n\"titre\": \"x\",\n,\n}");
    ecrire(dossier.filePath(u"c-inconnu.json"_s),
           "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"brute\", \"valeurs\": [1]},\n"
           "\"questions\": [{\"texte\": \"a\", \"demande\": \"moyene\"}]}");
    Exercices& w = ouverte();
    w.relire({dossier.path()});
    QCOMPARE(w.Liste_exercices->count(), 3);
    QCOMPARE(w.Liste_exercices->item(0)->text(), u"Pointures d'une classe"_s);
    QVERIFY(w.Liste_exercices->item(0)->flags() & Qt::ItemIsEnabled);
    for (int i : {1, 2}) QVERIFY(!(w.Liste_exercices->item(i)->flags() & Qt::ItemIsEnabled));
    QVERIFY(w.Liste_exercices->item(1)->toolTip().startsWith(
        u"b-casse.json : ligne 3 : le texte n'est pas du JSON"_s));
    QCOMPARE(w.Liste_exercices->item(2)->toolTip(),
             u"c-inconnu.json : ligne 3 : la quantité « moyene » n'existe pas"_s);
    QCOMPARE(w.Label_titre->text(), u"Pointures d'une classe"_s);
}

void PracticeWindowTest::towardsTheTable() {
    Exercices& w = ouverte();
    QTest::mouseClick(w.Command_tableau, Qt::LeftButton);
    Tableau_effectifs& t = Tableau_effectifs::instance();
    QVERIFY(t.isVisible());
    QCOMPARE(t.tableau().nature, core::Tableau::Nature::Classes);
    QCOMPARE(t.tableau().lignes.size(), size_t(8));
    QCOMPARE(t.tableau().lignes[3].effectif, u"124"_s);
    // Several series: the button offers each.
    w.Liste_exercices->setCurrentRow(3);
    QVERIFY(w.Command_tableau->menu());
    QCOMPARE(w.Command_tableau->menu()->actions().size(), 2);
    QCOMPARE(w.Command_tableau->menu()->actions()[1]->text(), u"Seconde B"_s);
    // Pairs show as two columns, a simulation as its parameters; neither goes to the table.
    w.Liste_exercices->setCurrentRow(6);
    const QAbstractItemModel* m = w.Table_donnees->model();
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), u"Distance d'arrêt (m)"_s);
    QCOMPARE(m->index(5, 0).data().toString(), u"130"_s);
    QCOMPARE(donnees(w).last(), u"112"_s);
    QVERIFY(!w.Command_tableau->isEnabled());
    w.Liste_exercices->setCurrentRow(10);
    QCOMPARE(w.Table_donnees->model()->index(0, 0).data().toString(), u"Proportion p"_s);
    QCOMPARE(donnees(w).first(), u"0,5"_s);
    QVERIFY(!w.Command_tableau->isEnabled());
}

QTEST_MAIN(PracticeWindowTest)
#include "tst_practice_window.moc"
