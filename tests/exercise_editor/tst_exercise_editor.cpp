// The exercise editor on its own, saving into a folder of the test's: a title, a
// statement, values pasted or typed and a question chosen give a file the reader takes,
// with the answer worked out by hand; a question the data cannot answer is refused with
// its reason and nothing is written; a shipped exercise opened, its questions reordered,
// is saved as the teacher's own copy; the preview shows the expected answer.

#include "core/exercises/exercise.h"
#include "core/numbers.h"
#include "exercise_editor/data_editor.h"
#include "exercise_editor/exercise_editor.h"
#include "support/fresh_start.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kFolder = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s;

template <class T>
T* control(const QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

void click(const QWidget& w, const char* name) {
    QTest::mouseClick(control<QPushButton>(w, name), Qt::LeftButton);
}

// Picks an entry of a list box by the keyboard, as a teacher would.
void choose(const QWidget& w, const char* name, const QString& text) {
    auto* box = control<QComboBox>(w, name);
    const int i = box->findText(text, Qt::MatchStartsWith);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setFocus();
    while (box->currentIndex() < i) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > i) QTest::keyClick(box, Qt::Key_Up);
}

QStringList jsonFiles(const QString& folder) {
    return QDir(folder).entryList({u"*.json"_s}, QDir::Files);
}

}  // namespace

class ExerciseEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void saving_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("cells");       // pasted as a spreadsheet copies them
        QTest::addColumn<QString>("quantity");    // as the list shows it
        QTest::addColumn<QString>("shapeAfter");  // the shape changed after the question
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QString>("expected");  // the answer; empty when refused
        QTest::addColumn<QString>("state");     // what the state line says when refused
        QTest::newRow("mean of marks")
            << u"Série brute"_s << u"4\n8\n8\n15\n"_s << u"Moyenne"_s << QString() << QString()
            << u"8,75"_s << QString();  // 35 / 4
        QTest::newRow("marks under their header")
            << u"Série brute"_s << u"Notes\n4\n8\n8\n15\n"_s << u"Moyenne"_s << QString()
            << QString() << u"8,75"_s << QString();
        QTest::newRow("pairs under their names")
            << u"Paires (x ; y)"_s << u"Âge\tTaille\n1\t75\n2\t86\n3\t94\n"_s << u"Moyenne des y"_s
            << QString() << QString() << u"85"_s << QString();
        QTest::newRow("share above a threshold")
            << u"Valeurs et effectifs"_s << u"1\t3\n2\t5\n"_s << u"Pourcentage au-dessus"_s
            << QString() << u"1"_s << u"62,5 %"_s << QString();  // 5 of 8
        QTest::newRow("modal class")
            << u"Classes et effectifs"_s << u"0\t10\t4\n10\t20\t6\n"_s << u"Classe modale"_s
            << QString() << QString() << u"]10 ; 20]"_s << QString();
        QTest::newRow("modal class of a raw series")
            << u"Classes et effectifs"_s << u"0\t10\t4\n"_s << u"Classe modale"_s
            << u"Série brute"_s << QString() << QString()
            << u"Question 1 : « classe_modale » se demande pour des classes."_s;
        QTest::newRow("correlation of a constant x")
            << u"Paires (x ; y)"_s << u"2\t1\n2\t2\n2\t3\n"_s << u"Coefficient de corrélation"_s
            << QString() << QString() << QString()
            << u"Question 1 : « Coefficient de corrélation » ne se calcule pas sur ces données"_s;
        QTest::newRow("a cell that is no number")
            << u"Série brute"_s << u"4\ndouze\n"_s << u"Moyenne"_s << QString() << QString()
            << QString() << u"Données : Ligne 2 : « douze » n'est pas un nombre."_s;
    }
    void saving() {
        QFETCH(QString, shape);
        QFETCH(QString, cells);
        QFETCH(QString, quantity);
        QFETCH(QString, shapeAfter);
        QFETCH(QString, parameter);
        QFETCH(QString, expected);
        QFETCH(QString, state);
        // GIVEN an empty editor saving into a folder of its own
        QTemporaryDir root;
        const QString folder = root.filePath(u"exercices"_s);
        Editeur_exercice w(folder);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), u"Nouvel exercice"_s);
        QSignalSpy saved(&w, &Editeur_exercice::saved);
        // WHEN the teacher types the exercise, pastes the data and adds the question
        QTest::keyClicks(control<QLineEdit>(w, "Titre"), u"Serie de la semaine"_s);
        QTest::keyClicks(control<QPlainTextEdit>(w, "Enonce"), u"Voici les notes."_s);
        control<QTabWidget>(w, "Onglets")->setCurrentIndex(1);
        choose(w, "Forme_donnees", shape);
        QApplication::clipboard()->setText(cells);
        click(w, "Command_coller");
        control<QTabWidget>(w, "Onglets")->setCurrentIndex(2);
        click(w, "Command_ajouter");
        QTest::keyClicks(control<QPlainTextEdit>(w, "Texte_question"), u"Combien ?"_s);
        choose(w, "Quantite", quantity);
        if (!parameter.isEmpty()) QTest::keyClicks(control<QLineEdit>(w, "Parametre"), parameter);
        if (!shapeAfter.isEmpty()) {
            control<QTabWidget>(w, "Onglets")->setCurrentIndex(1);
            choose(w, "Forme_donnees", shapeAfter);
            QApplication::clipboard()->setText(u"3\n5\n"_s);
            click(w, "Command_coller");
        }
        click(w, "Command_enregistrer");
        // THEN a right exercise is written and reads back with the answer worked by hand
        auto* workState = control<QLabel>(w, "Label_fautes");
        if (expected.isEmpty()) {
            QVERIFY2(workState->text().contains(state), qPrintable(workState->text()));
            QVERIFY(workState->accessibleName().contains(state));
            QCOMPARE(saved.count(), 0);
            QCOMPARE(jsonFiles(folder), QStringList());
            return;
        }
        QCOMPARE(saved.count(), 1);
        const QString path = saved.at(0).at(0).toString();
        QCOMPARE(path, QDir(folder).filePath(u"serie-de-la-semaine.json"_s));
        QCOMPARE(workState->accessibleName(), u"Enregistré dans « %1 »."_s.arg(path));
        const core::ExerciseReading l = core::readExerciseFile(path);
        QVERIFY2(l.value, qPrintable(core::exerciseFault(l.error)));
        QCOMPARE(l.value->title, u"Serie de la semaine"_s);
        QCOMPARE(core::expectedAnswerOf(*l.value, 0), expected);
        // AND the preview shows the same answer
        control<QTabWidget>(w, "Onglets")->setCurrentIndex(3);
        QCOMPARE(control<QLabel>(w, "Apercu_attendue_1")->text(),
                 u"Réponse attendue : "_s + expected);
        // AND saving again keeps the same file
        click(w, "Command_enregistrer");
        QCOMPARE(jsonFiles(folder), QStringList{u"serie-de-la-semaine.json"_s});
    }

    // A changed exercise is not left without asking: kept on "Annuler", dropped on "Ne pas
    // enregistrer", written as the teacher's copy on "Enregistrer"; an unchanged one
    // closes without a question.
    void leaving_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("files");
        QTest::newRow("unchanged") << false << QString() << false << 0;
        QTest::newRow("Annuler") << true << u"Annuler"_s << true << 0;
        QTest::newRow("Ne pas enregistrer") << true << u"Ne pas enregistrer"_s << false << 0;
        QTest::newRow("Enregistrer") << true << u"Enregistrer"_s << false << 1;
    }
    void leaving() {
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, open);
        QFETCH(int, files);
        QTemporaryDir folder;
        Editeur_exercice w(folder.path());
        QCOMPARE(w.open(kFolder + u"01-controles-de-vitesse.json"_s), QString());
        w.show();
        if (changed) control<QLineEdit>(w, "Titre")->setText(u"Contrôles de vitesse (2)"_s);
        test::MessageBoxAnswerer answerer(answer);
        w.close();
        QCOMPARE(answerer.texts.size(), changed ? 1 : 0);
        if (changed)
            QCOMPARE(answerer.texts.first(),
                     u"L'exercice « Contrôles de vitesse (2) » a été modifié. Voulez-vous "
                     "l'enregistrer ?"_s);
        QCOMPARE(w.isVisible(), open);
        QCOMPARE(jsonFiles(folder.path()).size(), files);
    }

    void typedCells() {
        // GIVEN a raw series typed cell by cell, F2 before and Entrée after each
        QTemporaryDir folder;
        Editeur_exercice w(folder.path());
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        control<QTabWidget>(w, "Onglets")->setCurrentIndex(1);
        auto* table = control<QTableView>(w, "Table_donnees");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        for (const QString& v : {u"12"_s, u"7,5"_s}) {
            QTest::keyClick(table, Qt::Key_F2);  // the cell's editor
            QTest::keyClicks(QApplication::focusWidget(), v);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();  // the editor is closed by a queued call
            QTest::keyClick(table, Qt::Key_Down);
        }
        // THEN the exercise holds those values, and a new row waits for the next
        QCOMPARE(w.exercise().series.size(), size_t(1));
        QCOMPARE(w.exercise().series.at(0).rawValues, (std::vector<double>{12, 7.5}));
        QCOMPARE(table->model()->rowCount(), 3);
        QVERIFY(w.faults().contains(u"Le titre est obligatoire."_s));
    }

    void reopenedShipped_data() {
        QTest::addColumn<QString>("file");
        for (const QString& f : QDir(kFolder).entryList({u"*.json"_s}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(f)) << f;
    }
    void reopenedShipped() {
        // GIVEN any shipped exercise opened in the editor
        QFETCH(QString, file);
        QTemporaryDir folder;
        Editeur_exercice w(folder.path());
        QCOMPARE(w.open(kFolder + file), QString());
        // WHEN it is saved as it stands
        const QString path = w.save();
        QVERIFY2(!path.isEmpty(), qPrintable(w.faults().join(u'\n')));
        // THEN the copy asks the same questions of the same data, and expects the same
        const core::Exercise before = *core::readExerciseFile(kFolder + file).value;
        const core::ExerciseReading after = core::readExerciseFile(path);
        QVERIFY2(after.value, qPrintable(core::exerciseFault(after.error)));
        QCOMPARE(after.value->questions.size(), before.questions.size());
        for (int i = 0; i < int(before.questions.size()); ++i) {
            QCOMPARE(core::choicesOf(*after.value, i), core::choicesOf(before, i));
            QCOMPARE(core::solutionOf(*after.value, i), core::solutionOf(before, i));
        }
        QCOMPARE(core::correctedSheet(*after.value, 9), core::correctedSheet(before, 9));
    }

    void takenFromFiles_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("shapeRead");
        QTest::addColumn<qint64>("count");
        QTest::newRow("series file") << u"Série brute"_s << QByteArray("Notes\n12\n8,5\n15\n")
                                     << QString() << u"Série brute"_s << qint64(3);
        QTest::newRow("table of classes")
            << u"Valeurs et effectifs"_s << QByteArray("]0 ; 10];4\n]10 ; 20];6\n") << QString()
            << u"Classes et effectifs"_s << qint64(10);
        QTest::newRow("pairs") << u"Paires (x ; y)"_s << QByteArray("Âge;Taille\n1;75\n2;86\n")
                               << QString() << u"Paires (x ; y)"_s << qint64(2);
        QTest::newRow("no pairs") << u"Paires (x ; y)"_s << QByteArray("x;y\n1;2\n3;a\n")
                                  << u"« a »"_s << u"Paires (x ; y)"_s << qint64(0);
    }
    void takenFromFiles() {
        QFETCH(QString, shape);
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        QFETCH(QString, shapeRead);
        QFETCH(qint64, count);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"donnees.csv"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        Editeur_exercice w(folder.path());
        choose(w, "Forme_donnees", shape);
        const QString why = control<exercise_editor::DataEditor>(w, "Donnees")->takeFrom(path);
        if (!fault.isEmpty()) {
            QVERIFY2(why.contains(fault), qPrintable(why));
            return;
        }
        QCOMPARE(why, QString());
        QCOMPARE(control<QComboBox>(w, "Forme_donnees")->currentText(), shapeRead);
        QCOMPARE(w.exercise().series.at(0).count(), count);
    }

    void changingShipped() {
        // GIVEN a shipped exercise opened
        QTemporaryDir folder;
        Editeur_exercice w(folder.path());
        w.show();
        QCOMPARE(w.open(kFolder + u"01-controles-de-vitesse.json"_s), QString());
        QCOMPARE(w.windowTitle(), u"Modifier l'exercice — Contrôles de vitesse"_s);
        QCOMPARE(w.windowFilePath(), kFolder + u"01-controles-de-vitesse.json"_s);
        QVERIFY(!w.isWindowModified());
        QCOMPARE(control<QComboBox>(w, "Forme_donnees")->currentText(), u"Classes et effectifs"_s);
        auto* list = control<QListWidget>(w, "Liste_questions");
        QCOMPARE(list->count(), 4);
        // WHEN its second question is moved up, its last removed, and it is saved
        control<QTabWidget>(w, "Onglets")->setCurrentIndex(2);
        list->setCurrentRow(1);
        click(w, "Command_monter");
        list->setCurrentRow(3);
        click(w, "Command_supprimer");
        QCOMPARE(list->item(0)->text(), u"1) Quel graphique représente le mieux ce tableau ?"_s);
        // (the window is marked changed for the desktop, its caption as it was)
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.windowTitle(), u"Modifier l'exercice — Contrôles de vitesse"_s);
        const QString path = w.save();
        // THEN the teacher's copy is written beside their own, the shipped file untouched
        QCOMPARE(path, QDir(folder.path()).filePath(u"controles-de-vitesse.json"_s));
        QCOMPARE(w.windowFilePath(), path);
        QVERIFY(!w.isWindowModified());
        const core::ExerciseReading l = core::readExerciseFile(path);
        QVERIFY2(l.value, qPrintable(core::exerciseFault(l.error)));
        QCOMPARE(l.value->questions.size(), size_t(3));
        QCOMPARE(core::expectedAnswerOf(*l.value, 0), u"Histogramme"_s);
        // 360 cars: (95·5 + 105·14 + … + 165·7) / 360
        QCOMPARE(core::expectedAnswerOf(*l.value, 1), u"131,3 km/h"_s);
        QVERIFY(core::readExerciseFile(kFolder + u"01-controles-de-vitesse.json"_s)
                    .value->questions.size() == 4);
    }
};

QTEST_MAIN(ExerciseEditorTest)
#include "tst_exercise_editor.moc"
