// The window of a file of individuals alone, given a small file worked by hand: the
// typed filter gives the count and the rows shown, a fault shows its column, the cross
// table and the requests carry the filtered individuals, and a reading cancelled or
// refused leaves the dataset shown as it was.

#include "core/individuals/reader.h"
#include "core/numbers.h"
#include "individuals_window/individuals_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
namespace ci = core::individuals;

namespace {

// Row 4 has no height.
const QByteArray kSurvey =
    "Sexe;Taille;Transport;Age\n"
    "F;160;Bus;15\n"
    "M;175;Vélo;16\n"
    "F;165;Bus;15\n"
    "M;;Bus;17\n"
    "F;150;Vélo;16\n";

std::unique_ptr<Individus> window() {
    auto w = std::make_unique<Individus>();
    w->setDataset(*ci::readIndividuals(kSurvey).value, u"enquete.csv"_s);
    return w;
}

template <class T>
T* child(const Individus& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

QStringList column(const QTableView* view, int c) {
    QStringList cells;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        cells << view->model()->index(r, c).data().toString();
    return cells;
}

// The tabs: 0 the grid, 1 the variables, 2 the cross table; each works out its
// analyses when it is shown.
void openTab(Individus& w, int tab) {
    child<QTabWidget>(w, "Onglets")->setCurrentIndex(tab);
}

void typeFilter(Individus& w, const QString& text) {
    auto* filter = child<QLineEdit>(w, "Filtre");
    filter->clear();
    QTest::keyClicks(filter, text);
}

}  // namespace

class IndividualsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void filterGivesCountAndRows_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("rows");  // the grid's numbers of the rows shown
        QTest::newRow("none") << u""_s << u"5 individus sur 5"_s
                              << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
        QTest::newRow("text") << u"Sexe = \"F\""_s << u"3 individus sur 5"_s
                              << QStringList{u"1"_s, u"3"_s, u"5"_s};
        QTest::newRow("missing left out")
            << u"Taille > 155"_s << u"3 individus sur 5"_s << QStringList{u"1"_s, u"2"_s, u"3"_s};
        QTest::newRow("NON before OU")
            << u"NON Sexe = \"F\" OU Taille < 155"_s << u"3 individus sur 5"_s
            << QStringList{u"2"_s, u"4"_s, u"5"_s};
        QTest::newRow("ET") << u"Sexe = \"F\" ET Transport = \"Bus\""_s << u"2 individus sur 5"_s
                            << QStringList{u"1"_s, u"3"_s};
    }
    void filterGivesCountAndRows() {
        QFETCH(QString, filter);
        QFETCH(QString, sentence);
        QFETCH(QStringList, rows);
        // GIVEN the survey; WHEN a filter is typed
        auto w = window();
        typeFilter(*w, filter);
        // THEN the count says so, for a screen reader too, and the grid shows those rows
        auto* count = child<QLabel>(*w, "Nombre_individus");
        QCOMPARE(count->text(), sentence);
        QCOMPARE(count->accessibleName(), sentence);
        auto* grid = child<QTableView>(*w, "Grille_individus");
        QStringList shown;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            shown << grid->model()->headerData(r, Qt::Vertical).toString();
        QCOMPARE(shown, rows);
    }

    void missingCellIsEmpty() {
        auto w = window();
        QCOMPARE(column(child<QTableView>(*w, "Grille_individus"), 1),
                 (QStringList{u"160"_s, u"175"_s, u"165"_s, u""_s, u"150"_s}));
    }

    void badFilterShowsItsColumn() {
        // GIVEN a good filter, WHEN a bad one follows
        auto w = window();
        typeFilter(*w, u"Sexe = \"M\""_s);
        QTest::keyClicks(child<QLineEdit>(*w, "Filtre"), u" ET Taille >"_s);
        // THEN its fault names the column after ">", and the count stays the last good one
        auto* fault = child<QLabel>(*w, "Faute_filtre");
        QVERIFY(fault->isVisibleTo(w.get()));
        QVERIFY2(fault->text().startsWith(u"colonne 23 : "_s), qPrintable(fault->text()));
        QCOMPARE(child<QLabel>(*w, "Nombre_individus")->text(), u"2 individus sur 5"_s);
    }

    void builtFilterReadsBack() {
        auto w = window();
        child<QComboBox>(*w, "Choix_variable_filtre")->setCurrentIndex(2);  // Transport
        child<QComboBox>(*w, "Valeur_filtre")->setCurrentText(u"Vélo"_s);
        QTest::mouseClick(child<QPushButton>(*w, "Command_ajouter"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(*w, "Nombre_individus")->text(), u"2 individus sur 5"_s);
    }

    void crossTableOfFiltered_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("rowF");  // F: Bus, Vélo, Total
        QTest::newRow("all") << u""_s << QStringList{u"F"_s, u"2"_s, u"1"_s, u"3"_s};
        QTest::newRow("tall") << u"Taille > 155"_s << QStringList{u"F"_s, u"2"_s, u"0"_s, u"2"_s};
    }
    void crossTableOfFiltered() {
        QFETCH(QString, filter);
        QFETCH(QStringList, rowF);
        auto w = window();
        typeFilter(*w, filter);
        auto* table = child<QTableView>(*w, "Tableau_croise");
        QCOMPARE(table->model()->rowCount(), 0);  // not worked out while hidden
        openTab(*w, 2);
        child<QComboBox>(*w, "Choix_lignes")->setCurrentIndex(0);
        child<QComboBox>(*w, "Choix_colonnes")->setCurrentIndex(2);
        QStringList first;
        for (int c = 0; c < table->model()->columnCount(); ++c)
            first << table->model()->index(0, c).data().toString();
        QCOMPARE(first, rowF);
        // A chosen cell is told in a sentence
        table->setCurrentIndex(table->model()->index(0, 1));
        QVERIFY(child<QLabel>(*w, "Explication")->text().contains(u"« F »"_s));
    }

    // Âge in rows: its classes by default, its values as modalities once ticked; a
    // qualitative variable offers no such choice.
    void crossTableOfNumericAsQualitative() {
        auto w = window();
        openTab(*w, 2);
        auto* asModalities = child<QCheckBox>(*w, "Check_qualitative_lignes");
        child<QComboBox>(*w, "Choix_colonnes")->setCurrentIndex(2);
        QVERIFY(child<QCheckBox>(*w, "Check_qualitative_colonnes")->isHidden());
        child<QComboBox>(*w, "Choix_lignes")->setCurrentIndex(3);
        QVERIFY(!asModalities->isHidden());
        QVERIFY(!asModalities->isChecked());
        auto* table = child<QTableView>(*w, "Tableau_croise");
        const QStringList classes = column(table, 0);
        QVERIFY(classes.size() > 1);
        for (const QString& label : classes.mid(0, classes.size() - 1))
            QVERIFY2(label.startsWith(u'[') && label.endsWith(u'['), qPrintable(label));
        asModalities->setChecked(true);
        QCOMPARE(column(table, 0), (QStringList{u"15"_s, u"16"_s, u"17"_s, u"Total"_s}));
        QStringList first;
        for (int c = 0; c < table->model()->columnCount(); ++c)
            first << table->model()->index(0, c).data().toString();
        QCOMPARE(first, (QStringList{u"15"_s, u"2"_s, u"0"_s, u"2"_s}));
        // Another variable chosen starts unticked again.
        child<QComboBox>(*w, "Choix_lignes")->setCurrentIndex(1);
        QVERIFY(!asModalities->isChecked());
        QVERIFY(column(table, 0).first().startsWith(u'['));
    }

    // A file opened while the cross table is hidden shows in it once its tab opens.
    void hiddenTabsFollowANewFile() {
        auto w = window();
        openTab(*w, 2);
        openTab(*w, 0);
        w->setDataset(*ci::readIndividuals("Classe;Note\n2A;12\n2B;15\n").value, u"notes.csv"_s);
        openTab(*w, 2);
        auto* rows = child<QComboBox>(*w, "Choix_lignes");
        QCOMPARE(rows->count(), 2);
        QCOMPARE(rows->itemText(1), u"Note"_s);
        QCOMPARE(column(child<QTableView>(*w, "Tableau_croise"), 0),
                 (QStringList{u"2A"_s, u"2B"_s, u"Total"_s}));
    }

    void requestsCarryFilteredValues() {
        // GIVEN the girls, the heights chosen in classes of 10 from 150
        auto w = window();
        typeFilter(*w, u"Sexe = \"F\""_s);
        openTab(*w, 1);
        child<QTableView>(*w, "Liste_variables")->selectRow(1);
        child<QLineEdit>(*w, "Amplitude")->setText(u"10"_s);
        child<QLineEdit>(*w, "Premiere_borne")->setText(u"150"_s);
        QSignalSpy list(w.get(), &Individus::listRequested);
        QSignalSpy table(w.get(), &Individus::tableRequested);
        // WHEN both are sent
        child<QPushButton>(*w, "Command_liste")->click();
        child<QPushButton>(*w, "Command_tableau_classes")->click();
        // THEN the counts by value are theirs, ascending, the list has their heights in
        // the file's order, the table their classes
        auto* values = child<QTableView>(*w, "Tableau_valeurs");
        QCOMPARE(column(values, 0), (QStringList{u"150"_s, u"160"_s, u"165"_s, u"Total"_s}));
        QCOMPARE(column(values, 2).last(), u"100,000"_s);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list[0][0].toStringList(), (QStringList{u"160"_s, u"165"_s, u"150"_s}));
        QCOMPARE(table.count(), 1);
        const auto sent = table[0][0].value<core::FrequencyTable>();
        QCOMPARE(sent.nature, core::FrequencyTable::Nature::Classes);
        QStringList counts;
        for (const auto& line : sent.lines) counts << line.lower + u':' + line.count;
        QCOMPARE(counts, (QStringList{u"150:1"_s, u"160:2"_s}));
    }

    void pairsOfTwoNumericVariables() {
        auto w = window();
        QSignalSpy pairs(w.get(), &Individus::pairsRequested);
        auto* list = child<QTableView>(*w, "Liste_variables");
        list->clearSelection();
        for (int row : {1, 3})
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        auto* button = child<QPushButton>(*w, "Command_deux_variables");
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(pairs.count(), 1);
        // Row 4 has no height: left out of both
        QCOMPARE(pairs[0][0].value<std::vector<double>>(),
                 (std::vector<double>{160, 175, 165, 150}));
        QCOMPARE(pairs[0][1].value<std::vector<double>>(), (std::vector<double>{15, 16, 15, 16}));
        QCOMPARE(pairs[0][2].toString(), u"Taille"_s);
    }

    void readingCancelledOrRefusedKeepsTheData() {
        QTemporaryDir dir;
        const QString big = dir.filePath(u"grand.csv"_s), bad = dir.filePath(u"faux.csv"_s);
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Sexe;Taille\n");
        for (int i = 0; i < 150000; ++i) file.write("F;160,5\n");
        file.close();
        QVERIFY(QFileInfo(big).size() > Individus::kBackgroundBytes);
        QFile refused(bad);
        QVERIFY(refused.open(QIODevice::WriteOnly));
        refused.write("Sexe;Taille\nF;\"160\n");
        refused.close();
        auto w = window();
        auto* grid = child<QTableView>(*w, "Grille_individus");
        // A big file read in the background, cancelled
        w->open(big);
        QVERIFY(w->loading());
        QVERIFY(child<QProgressBar>(*w, "Progression")->isVisibleTo(w.get()));
        child<QPushButton>(*w, "Command_annuler")->click();
        QVERIFY(!w->loading());
        QCOMPARE(grid->model()->rowCount(), 5);
        QCOMPARE(w->windowTitle(), u"Individus — enquete.csv"_s);
        // A refused file says where, and the survey stays
        w->open(bad);
        auto* message = child<QLabel>(*w, "Message_lecture");
        QVERIFY2(message->text().contains(u"ligne 2"_s), qPrintable(message->text()));
        QCOMPARE(grid->model()->rowCount(), 5);
        // The big file read to its end replaces it
        w->open(big);
        QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 60000);
        QCOMPARE(grid->model()->rowCount(), 150000);
        QCOMPARE(w->windowTitle(), u"Individus — grand.csv"_s);
    }
};

QTEST_MAIN(IndividualsWindowTest)
#include "tst_individuals_window.moc"
