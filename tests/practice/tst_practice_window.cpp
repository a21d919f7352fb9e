// The practice window: opened from its menu, answers typed with real keys and checked,
// hints and solutions shown, a series number giving the same data again, files that do
// not read listed greyed with their reason, and the data sent to the table window.

#include "core/exercises/progress.h"
#include "practice/practice_window.h"
#include "practice/quiz_export.h"
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
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kShippedExercises = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;

// The row of the exercise of that title, whatever its level and its score.
int rankOf(const Exercices& w, const QString& title) {
    for (int r = 0; r < w.Liste_exercices->count(); ++r)
        if (w.Liste_exercices->item(r)->text().section(u" — "_s, 0, 0) == title) return r;
    return -1;
}

void choose(Exercices& w, const QString& title) {
    QVERIFY2(rankOf(w, title) >= 0, qPrintable(title));
    w.Liste_exercices->setCurrentRow(rankOf(w, title));
}

Exercices& practiceWindow() {
    statistique::instance().mnuExercices->trigger();
    Exercices& w = Exercices::instance();
    w.reread({kShippedExercises});
    choose(w, u"Contrôles de vitesse"_s);
    return w;
}

QLineEdit* line(Exercices& w, int i) {
    return qobject_cast<QLineEdit*>(w.questions()[size_t(i)].answer);
}

QStringList givenData(const Exercices& w) {
    QStringList t;
    const QAbstractItemModel* m = w.Table_donnees->model();
    for (int r = 0; r < m->rowCount(); ++r)
        t << m->index(r, m->columnCount() - 1).data().toString();
    return t;
}

void writeOut(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        test::freshStart();
        QFile::remove(core::progressPath());
    }
    void opensFromTheMenu();
    void answersChecked_data();
    void answersChecked();
    void hintsAndSolutions();
    void verdictsReadAloud_data();
    void verdictsReadAloud();
    void exportForMoodle_data();
    void exportForMoodle();
    void aNumberGivesTheSameData();
    void filesThatDoNotReadAreGreyed();
    void towardsTheTable();
    void groupedByLevel_data();
    void groupedByLevel();
    void bestScoresKeptAndCleared();
};

void PracticeWindowTest::opensFromTheMenu() {
    const QAction* item = statistique::instance().mnuExercices;
    QCOMPARE(item->text(), u"S'&entraîner…"_s);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    Exercices& w = practiceWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Exercices"_s);
    QCOMPARE(w.Liste_exercices->count(), 38 + 6);  // with a heading per level
    QCOMPARE(w.Liste_exercices->currentItem()->text(), u"Contrôles de vitesse"_s);
    QCOMPARE(w.questions().size(), size_t(4));
    QCOMPARE(w.questions()[0].answer->objectName(), u"Reponse_1"_s);
    QCOMPARE(w.questions()[3].result->objectName(), u"Resultat_4"_s);
    QCOMPARE(w.questions()[1].answer->accessibleName(), u"Réponse à la question 2"_s);
    QCOMPARE(givenData(w).first(), u"5"_s);
    QVERIFY(!w.testAttribute(Qt::WA_QuitOnClose));
}

// GIVEN the speed check WHEN answers are typed with keys and checked THEN each is marked
// and the right ones counted.
void PracticeWindowTest::answersChecked_data() {
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("score");
    QTest::newRow("right, comma") << u"131,3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
    QTest::newRow("right, keypad point")
        << u"131.3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
    QTest::newRow("the list's mean") << u"45"_s << u"Faux"_s << u"1 réponse juste sur 4"_s;
    QTest::newRow("letters refused") << u"13a1,3"_s << u"Juste"_s << u"2 réponses justes sur 4"_s;
}

void PracticeWindowTest::answersChecked() {
    QFETCH(QString, mean);
    QFETCH(QString, mark);
    QFETCH(QString, score);
    Exercices& w = practiceWindow();
    line(w, 0)->setFocus();
    QTest::keyClicks(line(w, 0), mean);
    auto* choices = qobject_cast<QComboBox*>(w.questions()[1].answer);
    QVERIFY(choices);
    QCOMPARE(choices->count(), 3);
    choices->setCurrentText(u"Histogramme"_s);
    QTest::keyClicks(line(w, 3), u"80"_s);
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.questions()[0].result->text(), mark);
    QCOMPARE(w.questions()[1].result->text(), u"Juste"_s);
    QCOMPARE(w.questions()[2].result->text(), QString());  // not answered
    QCOMPARE(w.questions()[3].result->text(), u"Faux"_s);
    QCOMPARE(w.Label_score->text(), score);
}

void PracticeWindowTest::hintsAndSolutions() {
    Exercices& w = practiceWindow();
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

// GIVEN answers checked WHEN the verdicts and the score show THEN their accessible names
// are the texts shown, and an empty verdict keeps its role. (The announcements need the
// accessibility bus: tests/e2e/test_practice_verdicts.py hears them.)
void PracticeWindowTest::verdictsReadAloud_data() {
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("score");
    QTest::newRow("juste") << u"131,3"_s << u"Juste"_s << u"1 réponse juste sur 4"_s;
    QTest::newRow("faux") << u"131"_s << u"Faux"_s << u"0 réponse juste sur 4"_s;
}

void PracticeWindowTest::verdictsReadAloud() {
    QFETCH(QString, mean);
    QFETCH(QString, mark);
    QFETCH(QString, score);
    Exercices& w = practiceWindow();
    QTest::keyClicks(line(w, 0), mean);
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    const QLabel* r = w.questions()[0].result;
    QCOMPARE(r->accessibleName(), mark);
    QCOMPARE(r->accessibleDescription(), u"Résultat de la question 1"_s);
    QCOMPARE(w.questions()[2].result->accessibleName(), u"Résultat de la question 3"_s);
    QCOMPARE(w.Label_score->accessibleName(), score);
    QCOMPARE(w.questions()[0].solution->accessibleName(), w.questions()[0].solution->text());
    QVERIFY(w.questions()[0].indice->accessibleName().startsWith(u"Indice : "_s));
}

// GIVEN the export dialog WHEN exercises are ticked THEN the quiz holds each of their
// questions in as many variants as asked, from the first series number; none refused.
void PracticeWindowTest::exportForMoodle_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("variant");
    QTest::newRow("xml") << 0 << u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s
                         << u"<text>Pointures d'une classe — question 1 — Série n° 8</text>"_s;
    QTest::newRow("gift") << 1 << u"$CATEGORY: $course$/Statistique/"_s
                          << u"::Pointures d'une classe — question 1 — Série n° 8::"_s;
}

void PracticeWindowTest::exportForMoodle() {
    QFETCH(int, format);
    QFETCH(QString, start);
    QFETCH(QString, variant);
    practiceWindow();
    std::vector<core::Exercise> allRead;
    for (const auto& f : core::exercisesIn({kShippedExercises}))
        if (f.reading.value) allRead.push_back(*f.reading.value);
    ExportMoodle d(nullptr, allRead, -1);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"quiz"_s);
    QCOMPARE(d.write(path), u"aucun exercice n'est coché"_s);
    QVERIFY(!QFile::exists(path));
    for (int i = 0; i < d.Liste_exercices->count(); ++i)
        if (d.Liste_exercices->item(i)->text() == u"Pointures d'une classe"_s)
            d.Liste_exercices->item(i)->setCheckState(Qt::Checked);
    d.Nombre_variantes->setValue(3);
    d.Premiere_serie->setValue(7);
    d.Format->setCurrentIndex(format);
    QCOMPARE(d.write(path), QString());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString quiz = QString::fromUtf8(f.readAll());
    QVERIFY(quiz.startsWith(start));
    QVERIFY2(quiz.contains(variant), qPrintable(quiz.left(400)));
    QVERIFY(quiz.contains(u"Série n° 9"_s) && !quiz.contains(u"Série n° 10"_s));
}

// GIVEN an exercise WHEN new data are drawn THEN the number shows, and typing it again
// gives the same data, whose answers the check follows.
void PracticeWindowTest::aNumberGivesTheSameData() {
    Exercices& w = practiceWindow();
    const QStringList statement = givenData(w);
    QTest::mouseClick(w.Command_nouvelles, Qt::LeftButton);
    QVERIFY(w.serial() >= 1);
    QCOMPARE(w.Label_serie->text(), u"Série n° %1"_s.arg(w.serial()));
    const QStringList drawn = givenData(w);
    QVERIFY(drawn != statement);
    const QString serial = QString::number(w.serial());
    choose(w, u"Pointures d'une classe"_s);
    choose(w, u"Contrôles de vitesse"_s);
    QCOMPARE(givenData(w), statement);
    w.Text_serie->clear();
    QTest::keyClicks(w.Text_serie, serial);
    QTest::keyClick(w.Text_serie, Qt::Key_Return);
    QCOMPARE(givenData(w), drawn);
    const QString expectedText = core::expectedAnswerOf(*w.exercise(), 0);
    QTest::keyClicks(line(w, 0), expectedText.left(expectedText.indexOf(u' ')));
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.questions()[0].result->text(), u"Juste"_s);
}

void PracticeWindowTest::filesThatDoNotReadAreGreyed() {
    QTemporaryDir folder;
    QFile::copy(kShippedExercises + u"/03-pointures.json"_s,
                folder.filePath(u"a-pointures.json"_s));
    writeOut(folder.filePath(u"b-casse.json"_s), "{\n\"titre\": \"x\",\n,\n}");
    writeOut(folder.filePath(u"c-inconnu.json"_s),
             "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"brute\", \"valeurs\": [1]},\n"
             "\"questions\": [{\"texte\": \"a\", \"demande\": \"moyene\"}]}");
    Exercices& w = practiceWindow();
    w.reread({folder.path()});
    QCOMPARE(w.Liste_exercices->count(), 5);
    QCOMPARE(w.Liste_exercices->item(0)->text(), u"Quatrième"_s);
    QCOMPARE(w.Liste_exercices->item(1)->text(), u"Pointures d'une classe"_s);
    QVERIFY(w.Liste_exercices->item(1)->flags() & Qt::ItemIsEnabled);
    QCOMPARE(w.Liste_exercices->item(2)->text(), u"Sans niveau"_s);
    for (int i : {3, 4}) QVERIFY(!(w.Liste_exercices->item(i)->flags() & Qt::ItemIsEnabled));
    QVERIFY(w.Liste_exercices->item(3)->toolTip().startsWith(
        u"b-casse.json : ligne 3 : le texte n'est pas du JSON"_s));
    QCOMPARE(w.Liste_exercices->item(4)->toolTip(),
             u"c-inconnu.json : ligne 3 : la quantité « moyene » n'existe pas"_s);
    QCOMPARE(w.Label_titre->text(), u"Pointures d'une classe"_s);
}

void PracticeWindowTest::towardsTheTable() {
    Exercices& w = practiceWindow();
    QTest::mouseClick(w.Command_tableau, Qt::LeftButton);
    Tableau_effectifs& t = Tableau_effectifs::instance();
    QVERIFY(t.isVisible());
    QCOMPARE(t.table().nature, core::FrequencyTable::Nature::Classes);
    QCOMPARE(t.table().lines.size(), size_t(8));
    QCOMPARE(t.table().lines[3].count, u"124"_s);
    // Several series: the button offers each.
    choose(w, u"Deux classes comparées"_s);
    QVERIFY(w.Command_tableau->menu());
    QCOMPARE(w.Command_tableau->menu()->actions().size(), 2);
    QCOMPARE(w.Command_tableau->menu()->actions()[1]->text(), u"Seconde B"_s);
    // Pairs show as two columns, a simulation as its parameters; neither goes to the table.
    choose(w, u"Distance d'arrêt et vitesse"_s);
    const QAbstractItemModel* m = w.Table_donnees->model();
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), u"Distance d'arrêt (m)"_s);
    QCOMPARE(m->index(5, 0).data().toString(), u"130"_s);
    QCOMPARE(givenData(w).last(), u"112"_s);
    QVERIFY(!w.Command_tableau->isEnabled());
    choose(w, u"Mille séries de cent lancers"_s);
    QCOMPARE(w.Table_donnees->model()->index(0, 0).data().toString(), u"Proportion p"_s);
    QCOMPARE(givenData(w).first(), u"0,5"_s);
    QVERIFY(!w.Command_tableau->isEnabled());
}

// GIVEN the shipped exercises WHEN a level is chosen THEN the list shows that level's
// heading and exercises only, each exercise once; "Tous les niveaux" shows every level
// in school order, and the exercise shown stays when it is still listed.
void PracticeWindowTest::groupedByLevel_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("shows");
    const QStringList tous{u"Cinquième"_s, u"Quatrième"_s, u"Troisième"_s,
                           u"Seconde"_s,   u"Première"_s,  u"Terminale"_s};
    QTest::newRow("all") << u"Tous les niveaux"_s << tous << u"Contrôles de vitesse"_s;
    QTest::newRow("seconde") << u"2nde"_s << QStringList{u"Seconde"_s} << u"Contrôles de vitesse"_s;
    QTest::newRow("cinquieme") << u"5e"_s << QStringList{u"Cinquième"_s} << u"Frères et sœurs"_s;
    QTest::newRow("terminale") << u"Tle"_s << QStringList{u"Terminale"_s}
                               << u"Contrôle de la masse des paquets"_s;
}

void PracticeWindowTest::groupedByLevel() {
    QFETCH(QString, level);
    QFETCH(QStringList, titles);
    QFETCH(QString, shows);
    Exercices& w = practiceWindow();
    QCOMPARE(w.Choix_niveau->count(), 7);
    w.Choix_niveau->setCurrentText(level);
    QStringList headers;
    int exercises = 0;
    for (int r = 0; r < w.Liste_exercices->count(); ++r) {
        const QListWidgetItem* item = w.Liste_exercices->item(r);
        if (item->flags() & Qt::ItemIsSelectable)
            ++exercises;
        else
            headers << item->text();
    }
    QCOMPARE(headers, titles);
    QVERIFY(exercises >= 4 * titles.size());
    if (titles.size() == 6) QCOMPARE(exercises, 38);
    QCOMPARE(w.Label_titre->text(), shows);
}

// GIVEN an exercise answered WHEN checked THEN its best score shows in the list and is
// kept on disk for the next opening; a worse try leaves it; "Effacer mes résultats"
// asks first, and clears it only when the learner confirms.
void PracticeWindowTest::bestScoresKeptAndCleared() {
    Exercices& w = practiceWindow();
    const int row = rankOf(w, u"Contrôles de vitesse"_s);
    QTest::keyClicks(line(w, 0), u"131,3"_s);
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.Liste_exercices->item(row)->text(), u"Contrôles de vitesse — 1/4"_s);
    qobject_cast<QComboBox*>(w.questions()[1].answer)->setCurrentText(u"Histogramme"_s);
    QTest::keyClicks(line(w, 2), u"51,7"_s);
    QTest::keyClicks(line(w, 3), u"65"_s);
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.Liste_exercices->item(row)->text(), u"Contrôles de vitesse — 4/4 ✓"_s);
    QCOMPARE(w.Liste_exercices->currentRow(), row);
    line(w, 3)->clear();
    QTest::mouseClick(w.Command_verifier, Qt::LeftButton);
    QCOMPARE(w.Label_score->text(), u"3 réponses justes sur 4"_s);
    QCOMPARE(w.Liste_exercices->item(row)->text(), u"Contrôles de vitesse — 4/4 ✓"_s);
    // Kept for the next time the program starts.
    const auto read = core::readProgressFile(core::progressPath());
    QVERIFY(read);
    QCOMPARE(read.value->at(u"01-controles-de-vitesse.json"_s).right, 4);
    test::freshStart();
    Exercices& again = practiceWindow();
    QCOMPARE(again.Liste_exercices->item(row)->text(), u"Contrôles de vitesse — 4/4 ✓"_s);
    {
        test::MessageBoxAnswerer non(u"Annuler"_s);
        QTest::mouseClick(again.Command_effacer, Qt::LeftButton);
        QCOMPARE(non.texts.size(), 1);
        QVERIFY(non.texts.front().startsWith(u"Effacer tous vos résultats ?"_s));
    }
    QCOMPARE(again.Liste_exercices->item(row)->text(), u"Contrôles de vitesse — 4/4 ✓"_s);
    {
        test::MessageBoxAnswerer yes(u"Effacer"_s);
        QTest::mouseClick(again.Command_effacer, Qt::LeftButton);
        QCOMPARE(yes.buttons, QStringList{u"Effacer|Annuler"_s});
    }
    QCOMPARE(again.Liste_exercices->item(row)->text(), u"Contrôles de vitesse"_s);
    QVERIFY(core::readProgressFile(core::progressPath()).value->empty());
}

QTEST_MAIN(PracticeWindowTest)
#include "tst_practice_window.moc"
