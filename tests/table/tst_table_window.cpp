// The table of counts window: opened from the menu, typed into with real keys, faults
// shown without losing rows, the exercise's worked example, files, and the way to the
// main list.

#include "support/fresh_start.h"
#include "table/table_entry.h"
#include "table/table_window.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Tableau_effectifs& opened() {
    statistique::instance().mnuTableau->trigger();
    Tableau_effectifs& w = Tableau_effectifs::instance();
    return w;
}

QString cell(const QTableView* table, int r, int c) {
    return table->model()->index(r, c).data().toString();
}

QString parameter(const Tableau_effectifs& w, const QString& name) {
    const QAbstractItemModel* m = w.Table_parametres_effectifs->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->index(r, 0).data().toString() == name) return m->index(r, 1).data().toString();
    return u"(absent)"_s;
}

// Keys go where the focus is, as a learner's do: the first starts the cell's editor.
void keys(const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    for (const QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c), modifiers);
}

// Types into the current cell, then Enter.
void type(QTableView* table, const QString& text) {
    table->setFocus();
    keys(text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    test::settle();
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void opensFromTheMenu();
    void typedWithKeys_data();
    void typedWithKeys();
    void faultsKeepTheOtherRows();
    void insertAndDeleteKeys();
    void exerciseWorkedExample();
    void kindsKeepTheirTexts();
    void towardsTheList();
    void filesInAndOut();
    void fileStateForTheDesktop();
    void theCurrentCellAsALine();
    void headersReadInFull_data();
    void headersReadInFull();
};

// GIVEN the exercise's table WHEN it is saved, changed and changed back THEN the window
// tells the desktop its file and whether it differs from it, its caption never marked.
void TableWindowTest::fileStateForTheDesktop() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vitesses.csv"_s);
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    QCOMPARE(w.windowFilePath(), QString());
    QVERIFY(!w.isWindowModified());
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    m->setData(m->index(0, 2), u"6"_s, Qt::EditRole);
    QVERIFY(w.isWindowModified());
    QCOMPARE(w.windowTitle(), u"Tableau d'effectifs"_s);
    {
        test::FileDialogAnswerer files(path);
        w.Command_enregistrer->click();
        QCOMPARE(files.answered, 1);
    }
    QCOMPARE(w.windowFilePath(), path);
    QVERIFY(!w.isWindowModified());
    m->setData(m->index(0, 2), u"7"_s, Qt::EditRole);
    QVERIFY(w.isWindowModified());
    QCOMPARE(w.windowTitle(), u"Tableau d'effectifs - vitesses.csv"_s);
    m->setData(m->index(0, 2), u"6"_s, Qt::EditRole);
    QVERIFY(!w.isWindowModified());
}

// GIVEN the exercise's table WHEN a cell becomes current THEN the line shows it; Enter in
// the line writes it back, and a computed cell cannot be written.
void TableWindowTest::theCurrentCellAsALine() {
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    QTableView* t = w.Table_saisie;
    t->setCurrentIndex(t->model()->index(1, 2));
    QCOMPARE(w.Text_cellule->text(), u"14"_s);
    QCOMPARE(w.Text_cellule->accessibleDescription(), u"Effectif, ligne 2"_s);
    w.Text_cellule->setFocus();
    w.Text_cellule->selectAll();
    QTest::keyClicks(w.Text_cellule, u"2x0"_s);
    QTest::keyClick(w.Text_cellule, Qt::Key_Return);
    QCOMPARE(cell(t, 1, 2), u"20"_s);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"366"_s);
    t->setCurrentIndex(t->model()->index(1, 3));
    QCOMPARE(w.Text_cellule->text(), u"105"_s);
    QVERIFY(w.Text_cellule->isReadOnly());
}

void TableWindowTest::opensFromTheMenu() {
    const QAction* item = statistique::instance().mnuTableau;
    QCOMPARE(item->text(), u"&Tableau d'effectifs…"_s);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    Tableau_effectifs& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Tableau d'effectifs"_s);
    QCOMPARE(w.Choix_nature->itemText(0), u"Valeurs et effectifs"_s);
    QCOMPARE(w.Choix_nature->itemText(1), u"Classes et effectifs"_s);
    // An empty row to type into, under the columns of values.
    QCOMPARE(w.Table_saisie->model()->rowCount(), 1);
    QCOMPARE(w.Table_saisie->model()->headerData(0, Qt::Horizontal).toString(), u"Valeur"_s);
    QCOMPARE(w.Table_saisie->model()->headerData(4, Qt::Horizontal).toString(),
             u"Fréquence cumulée croissante (%)"_s);
    QVERIFY(!w.testAttribute(Qt::WA_QuitOnClose));
}

// GIVEN the empty table WHEN digits are typed on the main row or the keypad, with "," or
// "." and a minus sign, Enter after each THEN the cells hold them and the parameters
// follow.
void TableWindowTest::typedWithKeys_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("mean");
    QTest::newRow("main row, comma") << u"2,5"_s << Qt::KeyboardModifiers() << u"2,500"_s;
    QTest::newRow("keypad, point")
        << u"2.5"_s << Qt::KeyboardModifiers(Qt::KeypadModifier) << u"2,500"_s;
    QTest::newRow("minus sign") << u"-4"_s << Qt::KeyboardModifiers() << u"-4,000"_s;
    QTest::newRow("letters are refused") << u"1a2"_s << Qt::KeyboardModifiers() << u"12,000"_s;
}

void TableWindowTest::typedWithKeys() {
    QFETCH(QString, value);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Tableau_effectifs& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTableView* t = w.Table_saisie;
    t->setFocus();
    t->setCurrentIndex(t->model()->index(0, 0));
    keys(value, modifiers);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    test::settle();
    // Enter went down to the new empty row; the count goes beside the value.
    QCOMPARE(t->currentIndex().row(), 1);
    t->setCurrentIndex(t->model()->index(0, 1));
    type(t, u"3"_s);
    QCOMPARE(t->model()->rowCount(), 2);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"3"_s);
    QTEST(parameter(w, u"Moyenne"_s), "mean");
    QCOMPARE(w.Label_erreur->text(), QString());
}

// A faulty cell is red with its reason; the other rows still count; mending it brings
// the row back.
void TableWindowTest::faultsKeepTheOtherRows() {
    Tableau_effectifs& w = opened();
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    QVERIFY(m);
    m->setData(m->index(0, 0), u"1"_s, Qt::EditRole);
    m->setData(m->index(0, 1), u"2"_s, Qt::EditRole);
    m->setData(m->index(1, 0), u"3"_s, Qt::EditRole);
    m->setData(m->index(1, 1), u"1,5"_s, Qt::EditRole);
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"2"_s);
    QCOMPARE(w.Label_erreur->text(),
             u"Ligne 2, Effectif : un effectif est un nombre entier positif ou nul ; la ligne "
             u"n'est pas comptée."_s);
    QVERIFY(m->index(1, 1).data(Qt::BackgroundRole).isValid());
    QVERIFY(!m->index(1, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(m->index(1, 1).data(Qt::ToolTipRole).toString(),
             u"un effectif est un nombre entier positif ou nul"_s);
    QCOMPARE(cell(w.Table_saisie, 1, 1), u"1,5"_s);
    m->setData(m->index(1, 1), u"2"_s, Qt::EditRole);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"4"_s);
    QCOMPARE(w.Label_erreur->text(), QString());
}

void TableWindowTest::insertAndDeleteKeys() {
    Tableau_effectifs& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    m->replace(core::exerciseTable());
    QTableView* t = w.Table_saisie;
    t->setFocus();
    t->setCurrentIndex(m->index(2, 0));
    QTest::keyClick(t, Qt::Key_Insert);
    QCOMPARE(m->rowCount(), 10);
    QCOMPARE(cell(t, 2, 0), QString());
    QCOMPARE(cell(t, 3, 0), u"110"_s);
    QTest::keyClick(t, Qt::Key_Delete);
    QTest::keyClick(t, Qt::Key_Delete);
    QCOMPARE(m->rowCount(), 8);
    QCOMPARE(cell(t, 2, 0), u"120"_s);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"329"_s);
    // The empty last row stays whatever is deleted.
    t->setCurrentIndex(m->index(m->rowCount() - 1, 0));
    QTest::keyClick(t, Qt::Key_Delete);
    QCOMPARE(m->rowCount(), 8);
    w.Command_ajouter->click();
    QCOMPARE(m->rowCount(), 9);
}

void TableWindowTest::exerciseWorkedExample() {
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    QCOMPARE(w.Choix_nature->currentIndex(), 1);
    QCOMPARE(w.Table_saisie->model()->headerData(3, Qt::Horizontal).toString(), u"Centre"_s);
    QCOMPARE(cell(w.Table_saisie, 0, 3), u"95"_s);
    QCOMPARE(parameter(w, u"Effectif total"_s), u"360"_s);
    QCOMPARE(parameter(w, u"Moyenne (par les centres)"_s), u"131,333"_s);
    QCOMPARE(parameter(w, u"Classe modale"_s), u"]120 ; 130]"_s);
    QCOMPARE(parameter(w, u"Médiane (estimation)"_s), u"130,566"_s);
    QCOMPARE(parameter(w, u"Classe de la médiane"_s), u"]130 ; 140]"_s);
    QCOMPARE(parameter(w, u"Premier quartile (estimation)"_s), u"123,226"_s);
    QCOMPARE(parameter(w, u"Troisième quartile (estimation)"_s), u"139,057"_s);
    QTest::keyClicks(w.Text_seuil, u"130"_s);
    QCOMPARE(w.Label_seuil->text(),
             u"Au-dessus de 130 : 186 valeurs (51,667 %) ; au-dessous : 174 valeurs (48,333 %)."_s);
    QVERIFY(w.Label_definition->text().contains(u"interpolation linéaire"_s));
}

// Going to classes and back to values shows the same texts again.
void TableWindowTest::kindsKeepTheirTexts() {
    Tableau_effectifs& w = opened();
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    m->setData(m->index(0, 0), u"7"_s, Qt::EditRole);
    m->setData(m->index(0, 1), u"4"_s, Qt::EditRole);
    w.Choix_nature->setCurrentIndex(1);
    QCOMPARE(m->columnCount(), 8);
    QCOMPARE(cell(w.Table_saisie, 0, 2), u"4"_s);
    w.Choix_nature->setCurrentIndex(0);
    QCOMPARE(cell(w.Table_saisie, 0, 0), u"7"_s);
    QCOMPARE(parameter(w, u"Mode"_s), u"7"_s);
}

void TableWindowTest::towardsTheList() {
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    w.Command_vers_liste->click();
    statistique& s = statistique::instance();
    QCOMPARE(test::items(*s.List1),
             (QStringList{u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s, u"51"_s, u"22"_s, u"7"_s}));
    QCOMPARE(s.List1->selectedIndex(), 7);
    QCOMPARE(s.List2->itemText(3), u"Effectif total=8"_s);
    // Values are written out by their counts, within what the list holds.
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    m->replace({.lines = {{.value = u"2"_s, .count = u"2"_s}, {.value = u"9"_s, .count = u"1"_s}}});
    w.Command_vers_liste->click();
    QCOMPARE(test::items(*s.List1), (QStringList{u"2"_s, u"2"_s, u"9"_s}));
    m->replace({.lines = {{.value = u"2"_s, .count = u"40000"_s}}});
    test::MessageBoxAnswerer answerer;
    w.Command_vers_liste->click();
    QCOMPARE(answerer.texts,
             QStringList{u"La série aurait plus de 32 767 valeurs : la liste ne peut pas les "
                         u"contenir."_s});
    QCOMPARE(test::items(*s.List1), (QStringList{u"2"_s, u"2"_s, u"9"_s}));
}

void TableWindowTest::filesInAndOut() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vitesses.csv"_s);
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    {
        test::FileDialogAnswerer files(path);
        w.Command_enregistrer->click();
        QCOMPARE(files.answered, 1);
    }
    QCOMPARE(w.windowTitle(), u"Tableau d'effectifs - vitesses.csv"_s);
    auto* m = qobject_cast<TableEntryModel*>(w.Table_saisie->model());
    m->replace({});
    QVERIFY(w.openTable(path));
    QCOMPARE(parameter(w, u"Moyenne (par les centres)"_s), u"131,333"_s);
    // A change asks before it is lost.
    m->setData(m->index(0, 2), u"6"_s, Qt::EditRole);
    {
        test::MessageBoxAnswerer answerer(u"Annuler"_s);
        w.Command_exercice->click();
        QCOMPARE(answerer.texts, QStringList{u"Enregistrer les modifications de vitesses.csv ?"_s});
    }
    QCOMPARE(cell(w.Table_saisie, 0, 2), u"6"_s);
    test::MessageBoxAnswerer answerer;
    QVERIFY(!w.openTable(dir.filePath(u"absent.csv"_s)));
    QCOMPARE(answerer.texts,
             QStringList{u"Impossible d'ouvrir « absent.csv » : ce fichier n'existe pas."_s});
}

void TableWindowTest::headersReadInFull_data() {
    QTest::addColumn<int>("nature");
    QTest::addColumn<bool>("exercise");
    QTest::newRow("values") << 0 << false;
    QTest::newRow("classes") << 1 << false;
    QTest::newRow("the exercise's values") << 0 << true;
}

// GIVEN the window at its opening size THEN every column's title is whole in its section
// (its text and the header's margins), and every section is in sight without scrolling.
void TableWindowTest::headersReadInFull() {
    QFETCH(int, nature);
    QFETCH(bool, exercise);
    Tableau_effectifs& w = opened();
    if (exercise) w.Command_exercice->click();
    w.Choix_nature->setCurrentIndex(nature);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    test::settle();
    const QHeaderView* header = w.Table_saisie->horizontalHeader();
    const QAbstractItemModel* model = w.Table_saisie->model();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QFont bold = header->font();
    bold.setBold(true);  // some styles draw the current column's title bold
    QVERIFY(model->columnCount() >= 5);
    for (int c = 0; c < model->columnCount(); ++c) {
        // The title as the style lays it: within the margins, wrapped at its spaces.
        const QString title = model->headerData(c, Qt::Horizontal).toString();
        const QRect room(0, 0, header->sectionSize(c) - 2 * margin, header->height() - 2);
        const QRect laid =
            QFontMetrics(bold).boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)),
                                            int(Qt::AlignCenter | Qt::TextWordWrap), title);
        QVERIFY2(laid.width() <= room.width() && laid.height() <= room.height(),
                 qPrintable(u"%1: %2 × %3 in %4 × %5"_s.arg(title)
                                .arg(laid.width())
                                .arg(laid.height())
                                .arg(room.width())
                                .arg(room.height())));
        const int at = header->sectionViewportPosition(c);
        QVERIFY2(at >= 0 && at + header->sectionSize(c) <= header->viewport()->width(),
                 qPrintable(u"%1 out of sight"_s.arg(title)));
    }
}

QTEST_MAIN(TableWindowTest)
#include "tst_table_window.moc"
