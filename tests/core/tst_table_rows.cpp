// Tables of counts as they are typed and kept: the faults of typed rows and the
// computed columns, the table sent to the list, intervals read from text, and the
// table's CSV files.

#include "core/counted_series.h"
#include "core/frequency_table.h"
#include "core/numbers.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using core::FrequencyTable;

using Rows = std::vector<FrequencyTable::Row>;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(FrequencyTable::Nature)

namespace {

FrequencyTable values(std::initializer_list<std::pair<const char*, const char*>> lines) {
    FrequencyTable t;
    for (const auto& [v, n] : lines)
        t.lines.push_back({.value = QString::fromUtf8(v), .count = QString::fromUtf8(n)});
    return t;
}

}  // namespace

class TableRowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void faults_data();
    void faults();
    void computedColumns();
    void towardsTheList();
    void intervals_data();
    void intervals();
    void readTables_data();
    void readTables();
    void writeAndReadBack();
    void groupedDigitsInSeriesFiles_data();
    void groupedDigitsInSeriesFiles();
};

// GIVEN rows typed with faults THEN each faulty row is named with its column and
// reason, and the others still count.
void TableRowsTest::faults_data() {
    QTest::addColumn<FrequencyTable::Nature>("nature");
    QTest::addColumn<Rows>("lines");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<qint64>("total");
    using L = FrequencyTable::Row;
    const auto V = FrequencyTable::Nature::Values;
    const auto C = FrequencyTable::Nature::Classes;
    QTest::newRow("all well") << V << Rows{{.value = u"1"_s, .count = u"2"_s}} << QString()
                              << qint64(2);
    QTest::newRow("not a number")
        << V << Rows{{.value = u"x"_s, .count = u"2"_s}, {.value = u"3"_s, .count = u"4"_s}}
        << u"Ligne 1, Valeur : « x » n'est pas un nombre ; la ligne n'est pas comptée."_s
        << qint64(4);
    QTest::newRow("a count with decimals")
        << V << Rows{{.value = u"1"_s, .count = u"2,5"_s}}
        << u"Ligne 1, Effectif : un effectif est un nombre entier positif ou nul ; la ligne "
           u"n'est pas comptée."_s
        << qint64(0);
    QTest::newRow("a negative count") << V << Rows{{.value = u"1"_s, .count = u"-1"_s}}
                                      << u"Ligne 1, Effectif : un effectif est un nombre entier "
                                         u"positif ou nul ; la ligne n'est pas comptée."_s
                                      << qint64(0);
    QTest::newRow("an empty cell") << V << Rows{{.value = u"1"_s}}
                                   << u"Ligne 1, Effectif : la case est vide ; la ligne n'est pas "
                                      u"comptée."_s
                                   << qint64(0);
    QTest::newRow("blank rows are no fault")
        << V << Rows{L{}, {.value = u"2"_s, .count = u"3"_s}, L{}} << QString() << qint64(3);
    QTest::newRow("a value twice: the later row")
        << V
        << Rows{{.value = u"5"_s, .count = u"1"_s},
                {.value = u"7"_s, .count = u"1"_s},
                {.value = u"5,0"_s, .count = u"2"_s}}
        << u"Ligne 3, Valeur : cette valeur figure déjà dans le tableau ; la ligne n'est pas "
           u"comptée."_s
        << qint64(2);
    QTest::newRow("reversed bounds")
        << C << Rows{{.lower = u"10"_s, .upper = u"0"_s, .count = u"1"_s}}
        << u"Ligne 1, Borne supérieure : la borne supérieure doit dépasser la borne inférieure ; "
           u"la ligne n'est pas comptée."_s
        << qint64(0);
    QTest::newRow("overlapping classes, typed in any order")
        << C
        << Rows{{.lower = u"20"_s, .upper = u"30"_s, .count = u"1"_s},
                {.lower = u"0"_s, .upper = u"25"_s, .count = u"2"_s},
                {.lower = u"30"_s, .upper = u"40"_s, .count = u"4"_s}}
        << u"Ligne 2, Borne inférieure : cette classe empiète sur une autre ; la ligne n'est "
           u"pas comptée."_s
        << qint64(5);
    QTest::newRow("a total past 2^31 - 1")
        << V
        << Rows{{.value = u"1"_s, .count = u"2147483647"_s}, {.value = u"2"_s, .count = u"1"_s}}
        << u"Ligne 2, Effectif : l'effectif total dépasse 2 147 483 647 ; la ligne n'est pas "
           u"comptée."_s
        << qint64(2147483647);
}

void TableRowsTest::faults() {
    QFETCH(FrequencyTable::Nature, nature);
    QFETCH(Rows, lines);
    QFETCH(QString, fault);
    QFETCH(qint64, total);
    const core::TableAnalysis a = core::analyseTable({.nature = nature, .lines = lines});
    QCOMPARE(core::faultText(a), fault);
    QCOMPARE(a.total, total);
}

// Cumulated in ascending order whatever the order typed; a faulty row shows none.
void TableRowsTest::computedColumns() {
    FrequencyTable t = values({{"3", "1"}, {"1", "2"}, {"x", "5"}, {"2", "1"}});
    const core::TableAnalysis a = core::analyseTable(t);
    QCOMPARE(core::computedTexts(a, 0), (QStringList{u"25,000"_s, u"4"_s, u"100,000"_s}));
    QCOMPARE(core::computedTexts(a, 1), (QStringList{u"50,000"_s, u"2"_s, u"50,000"_s}));
    QCOMPARE(core::computedTexts(a, 2), (QStringList{{}, {}, {}}));
    const core::TableAnalysis c = core::analyseTable(core::exerciseTable());
    QCOMPARE(core::computedTexts(c, 0),
             (QStringList{u"95"_s, u"10"_s, u"1,389"_s, u"5"_s, u"1,389"_s}));
    QCOMPARE(core::computedTexts(c, 7),
             (QStringList{u"165"_s, u"10"_s, u"1,944"_s, u"360"_s, u"100,000"_s}));
}

void TableRowsTest::towardsTheList() {
    bool tooMany = true;
    QCOMPARE(core::toList(core::analyseTable(values({{"2,5", "2"}, {"1", "1"}})), tooMany),
             (QStringList{u"2,5"_s, u"2,5"_s, u"1"_s}));
    QVERIFY(!tooMany);
    QCOMPARE(core::toList(core::analyseTable(core::exerciseTable()), tooMany),
             (QStringList{u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s, u"51"_s, u"22"_s, u"7"_s}));
    QVERIFY(core::toList(core::analyseTable(values({{"1", "32767"}})), tooMany).size() == 32767);
    QVERIFY(!tooMany);
    QVERIFY(
        core::toList(core::analyseTable(values({{"1", "32767"}, {"2", "1"}})), tooMany).isEmpty());
    QVERIFY(tooMany);
}

void TableRowsTest::intervals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("right");
    QTest::newRow("the exercise's") << u"]90, 100]"_s << true << 90.0 << 100.0 << true;
    QTest::newRow("French semicolon") << u"[90;100["_s << true << 90.0 << 100.0 << false;
    QTest::newRow("blanks") << u"  ] 1,5 ; 2,5 ]  "_s << true << 1.5 << 2.5 << true;
    QTest::newRow("decimal point") << u"]1.5 ; 2.5]"_s << true << 1.5 << 2.5 << true;
    QTest::newRow("closed on both sides") << u"[1 ; 2]"_s << false << 0.0 << 0.0 << false;
    QTest::newRow("no separator") << u"]1 2]"_s << false << 0.0 << 0.0 << false;
    QTest::newRow("not numbers") << u"]a ; b]"_s << false << 0.0 << 0.0 << false;
}

void TableRowsTest::intervals() {
    QFETCH(QString, text);
    QFETCH(bool, read);
    const auto i = core::readInterval(text);
    QCOMPARE(bool(i), read);
    if (!i) return;
    QTEST(i->lower, "a");
    QTEST(i->upper, "b");
    QTEST(i->closedRight, "right");
}

// GIVEN a table file THEN its kind, rows and first fault (line, column) come out.
void TableRowsTest::readTables_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("table");
    QTest::addColumn<int>("nature");  // 0 values, 1 classes
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("error");  // "line:column why", empty when none
    QTest::newRow("values with a header")
        << QByteArray("Valeur;Effectif\r\n36;2\r\n37;7\r\n") << true << 0 << qint64(9) << QString();
    QTest::newRow("classes by bounds")
        << QByteArray("Borne inférieure;Borne supérieure;Effectif\n0;10;3\n10;30;4\n") << true << 1
        << qint64(7) << QString();
    QTest::newRow("class texts split by the separator")
        << QByteArray("Classe;Effectif\n]90 ; 100];5\n]100 ; 110];14\n") << true << 1 << qint64(19)
        << QString();
    QTest::newRow("class texts quoted, no header")
        << QByteArray("\"[0;10[\";1\n\"[10;20[\";2\n") << true << 1 << qint64(3) << QString();
    QTest::newRow("a decimal point and grouped digits")
        << QByteArray("Valeur;Effectif\n1.5;1 000\n") << true << 0 << qint64(1000) << QString();
    QTest::newRow("a faulty count is kept and reported")
        << QByteArray("Valeur;Effectif\n1;2\n3;x\n") << true << 0 << qint64(2)
        << u"3:2 « x » n'est pas un nombre"_s;
    QTest::newRow("overlap reported at its line")
        << QByteArray("0;10;1\n5;15;1\n") << true << 1 << qint64(1)
        << u"2:1 cette classe empiète sur une autre"_s;
    QTest::newRow("sides mixed") << QByteArray("]0;10];1\n[10;20[;1\n") << true << 1 << qint64(2)
                                 << u"2:1 les classes ne sont pas toutes fermées du même côté"_s;
    QTest::newRow("a bracket that opens no class")
        << QByteArray("Valeur;Effectif;x\n]100 ; 11014\n") << true << 1 << qint64(0)
        << u"2:1 « ]100 » n'est pas un nombre"_s;
    QTest::newRow("a class that does not read, under a header")
        << QByteArray("Classe;Effectif\n[0 ; 10[;3\n[10 ; x[;2\n") << true << 1 << qint64(3)
        << u"3:1 « [10 ; x[ » n'est pas une classe"_s;
    QTest::newRow("empty brackets hold no row")
        << QByteArray("Classe;Effectif\n[\n") << false << 0 << qint64(0)
        << u"0:0 il ne contient aucune ligne"_s;
    QTest::newRow("too many columns") << QByteArray("1;2\n3;4;5\n") << false << 0 << qint64(0)
                                      << u"2:3 le tableau a plus de 2 colonnes"_s;
    QTest::newRow("empty") << QByteArray("\r\n") << false << 0 << qint64(0)
                           << u"0:0 il ne contient aucune ligne"_s;
    QTest::newRow("not text") << QByteArray("\x01\x02", 2) << false << 0 << qint64(0)
                              << u"0:0 il ne contient pas du texte"_s;
}

void TableRowsTest::readTables() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, table);
    QFETCH(QString, error);
    const core::TableReading reading = core::readTable(bytes);
    QCOMPARE(bool(reading.value), table);
    const bool atFault = !table || reading.faultyCell;
    QCOMPARE(atFault, !error.isEmpty());
    if (atFault)
        QCOMPARE(
            u"%1:%2 %3"_s.arg(reading.error.line).arg(reading.error.column).arg(reading.error.why),
            error);
    if (!table) return;
    QFETCH(int, nature);
    QCOMPARE(int(reading.value->nature), nature);
    QTEST(core::analyseTable(*reading.value).total, "total");
}

// What is saved reads back the same, faulty cells included.
void TableRowsTest::writeAndReadBack() {
    // Classes [a, b[ keep their side, and their faulty bounds as typed.
    FrequencyTable left{.nature = FrequencyTable::Nature::Classes, .closedRight = false};
    left.lines = {{.lower = u"abc"_s, .upper = u"5"_s, .count = u"1"_s},
                  {.lower = u"5"_s, .upper = u"7,5"_s, .count = u"2"_s},
                  {.lower = u"8"_s, .count = u"x"_s}};
    for (const FrequencyTable& t :
         {core::exerciseTable(), values({{"1,5", "2"}, {"a;b", "3"}, {"\"", "1"}}), left}) {
        const QByteArray bytes = core::tableFile(t);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const core::TableReading reading = core::readTable(bytes);
        QVERIFY(reading.value);
        QCOMPARE(reading.value->lines, t.lines);
        QCOMPARE(reading.value->nature, t.nature);
        QCOMPARE(reading.value->closedRight, t.closedRight);
    }
    QVERIFY(core::tableFile(left).contains("Classe;Effectif\r\n\"[abc ; 5[\";1\r\n"));
    QVERIFY(core::tableFile(core::exerciseTable())
                .startsWith("\xEF\xBB\xBF"
                            "Borne inférieure;Borne supérieure;Effectif\r\n90;100;5\r\n"));
}

void TableRowsTest::groupedDigitsInSeriesFiles_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("read");
    QTest::newRow("space") << u"1 234,5"_s << u"1234,5"_s;
    QTest::newRow("no-break space") << u"12\u00a0345"_s << u"12345"_s;
    QTest::newRow("narrow no-break space") << u"-1\u202f000\u202f000"_s << u"-1000000"_s;
    QTest::newRow("groups of two are no grouping") << u"1 23"_s << QString();
    QTest::newRow("four digits before a blank") << u"1234 567"_s << QString();
    QTest::newRow("a lone space between numbers") << u"1 2"_s << QString();
}

void TableRowsTest::groupedDigitsInSeriesFiles() {
    QFETCH(QString, cell);
    QFETCH(QString, read);
    QCOMPARE(core::cellNumber(cell).value_or(QString()), read);
    const core::SeriesReading reading = core::readSeries(("Série 1\n\"" + cell + "\"\n").toUtf8());
    QCOMPARE(bool(reading.value), !read.isEmpty());
    if (reading.value) QCOMPARE(reading.value->first, QStringList{read});
}

QTEST_GUILESS_MAIN(TableRowsTest)
#include "tst_table_rows.moc"
