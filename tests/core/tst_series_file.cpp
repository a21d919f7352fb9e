// Series files as spreadsheets write them, bad files, and the round trip.

#include "core/numbers.h"
#include "core/series_file.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(core::TwoSeries)

class SeriesFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void filesThatCannotBeRead();
    void roundTrip_data();
    void roundTrip();
    void copiedCells();
};

void SeriesFileTest::reads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const QStringList none;
    QTest::newRow("spreadsheet in French, BOM, header, shorter second column")
        << QByteArray("\xEF\xBB\xBFS\xC3\xA9rie 1;S\xC3\xA9rie 2\r\n12,5;3\r\n7;\r\n")
        << QStringList{"12,5", "7"} << QStringList{"3"};
    QTest::newRow("plain list, LF, blank trailing lines")
        << QByteArray("5\n14\n31\n\n\n") << QStringList{"5", "14", "31"} << none;
    QTest::newRow("blank lines, then the header, then the values")
        << QByteArray("\n \n;\nA;B\n1;2\n3;\n\n") << QStringList{"1", "3"} << QStringList{"2"};
    QTest::newRow("points become the regional comma")
        << QByteArray("x,y\n1.5,2\n3,4.25\n") << QStringList{"1,5", "3"}
        << QStringList{"2", "4,25"};
    QTest::newRow("a lone comma is a decimal mark")
        << QByteArray("1,5\n2,5\n") << QStringList{"1,5", "2,5"} << none;
    QTest::newRow("two commas in a line separate columns")
        << QByteArray("4,5,\n") << QStringList{"4"} << QStringList{"5"};
    QTest::newRow("tabs, as copied cells")
        << QByteArray("8\t9\r\n10\t11\r\n") << QStringList{"8", "10"} << QStringList{"9", "11"};
    QTest::newRow("quoted cells") << QByteArray("\"S\xC3\xA9rie\";\"b\"\n\"1,5\";\" 2 \"\n")
                                  << QStringList{"1,5"} << QStringList{"2"};
    QTest::newRow("Latin-1, the old Windows encoding")
        << QByteArray("S\xE9rie 1\r\n-4\r\n08\r\n") << QStringList{"-4", "08"} << none;
    QTest::newRow("UTF-16 with its mark") << QByteArray(
                                                 "\xFF\xFE"
                                                 "4\0;\0"
                                                 "5\0\n\0",
                                                 10)
                                          << QStringList{"4"} << QStringList{"5"};
    QTest::newRow("header only") << QByteArray("Série 1;Série 2\r\n") << none << none;
    QTest::newRow("empty file") << QByteArray() << none << none;
    QTest::newRow("empty third cells")
        << QByteArray("1;2;;\r\n") << QStringList{"1"} << QStringList{"2"};
}

void SeriesFileTest::reads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const core::SeriesReading reading = core::readSeries(bytes);
    QVERIFY2(reading.value, qPrintable(reading.error.why));
    QCOMPARE(reading.value->first, first);
    QCOMPARE(reading.value->second, second);
}

void SeriesFileTest::refuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("why");
    QTest::newRow("a cell that is not a number")
        << QByteArray("Série 1\n4\nabc\n") << 3 << 1 << u"« abc » n'est pas un nombre"_s;
    QTest::newRow("a gap inside a column")
        << QByteArray("1;2\n;3\n4;5\n") << 2 << 1 << u"une case vide interrompt la série"_s;
    QTest::newRow("a third column")
        << QByteArray("1;2;3\n") << 1 << 3 << u"le fichier a plus de deux colonnes"_s;
    QTest::newRow("binary data") << QByteArray("\x01\x02\x03\xff\x00\x10", 6) << 0 << 0
                                 << u"il ne contient pas du texte"_s;
    QTest::newRow("wide text without its mark") << QByteArray(
                                                       "1\0\n\0"
                                                       "2\0\n\0",
                                                       8)
                                                << 0 << 0 << u"son encodage n'est pas reconnu"_s;
    QTest::newRow("a quote left open")
        << QByteArray("1\n\"2\n") << 2 << 0 << u"un guillemet n'est pas refermé"_s;
    QByteArray tooMany = "Série 1\n";
    for (int i = 0; i <= core::kMostValues; ++i) tooMany += "1\n";
    QTest::newRow("more than 32,767 values")
        << tooMany << core::kMostValues + 2 << 1 << u"la série a plus de 32 767 valeurs"_s;
}

void SeriesFileTest::refuses() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, why);
    const core::SeriesReading reading = core::readSeries(bytes);
    QVERIFY(!reading.value);
    QCOMPARE(reading.error.line, line);
    QCOMPARE(reading.error.column, column);
    QCOMPARE(reading.error.why, why);
}

void SeriesFileTest::filesThatCannotBeRead() {
    QTemporaryDir folder;
    const auto why = [](const QString& path) { return core::readSeriesFile(path).error.why; };
    QCOMPARE(why(folder.filePath(u"absent.csv"_s)), u"ce fichier n'existe pas"_s);
    QCOMPARE(why(folder.path()), u"c'est un dossier"_s);
    QCOMPARE(
        core::explain({3, 2, u"« x » n'est pas un nombre"_s}, u"notes.csv"_s),
        u"Impossible d'ouvrir « notes.csv » : ligne 3, colonne 2, « x » n'est pas un nombre."_s);
}

void SeriesFileTest::roundTrip_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<core::TwoSeries>("series");
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("both, second shorter")
        << french << core::TwoSeries{{"12,5", "08", "-3", "1E+20"}, {"0,001", "7"}};
    QTest::newRow("first shorter") << french << core::TwoSeries{{"1"}, {"2", "3", "4"}};
    QTest::newRow("one series") << french << core::TwoSeries{{"5", "6"}, {}};
    QTest::newRow("nothing") << french << core::TwoSeries{};
    QTest::newRow("point locale") << english << core::TwoSeries{{"2.5", "3"}, {"4.75"}};
}

void SeriesFileTest::roundTrip() {
    QFETCH(QLocale, locale);
    QFETCH(core::TwoSeries, series);
    core::setRegionalLocale(locale);
    const QByteArray file = core::seriesFile(series);
    QVERIFY(file.startsWith("\xEF\xBB\xBF"));
    QVERIFY(file.endsWith("\r\n"));
    const core::SeriesReading reading = core::readSeries(file);
    QVERIFY2(reading.value, qPrintable(reading.error.why));
    QCOMPARE(*reading.value, series);
    const core::SeriesReading copied = core::readCopiedCells(core::copiedCells(series));
    if (series.first.size() + series.second.size() > 0 && series.first.size() > 1) {
        QVERIFY2(copied.value, qPrintable(copied.error.why));
        QCOMPARE(*copied.value, series);
    }
}

void SeriesFileTest::copiedCells() {
    // A row of cells is one series; columns are two; words are refused.
    QCOMPARE(core::readCopiedCells(u"4\t5\t6\n"_s).value->first, (QStringList{"4", "5", "6"}));
    QCOMPARE(core::readCopiedCells(u"4\t5\n6\t\n"_s).value->second, QStringList{"5"});
    QCOMPARE(core::readCopiedCells(u"4\tdeux\n"_s).error.why, u"« deux » n'est pas un nombre"_s);
    QCOMPARE(core::readCopiedCells(QString()).error.why,
             u"le presse-papiers ne contient aucune valeur"_s);
    QCOMPARE(core::copiedCells({{"1,5", "2"}, {"3"}}), u"1,5\t3\n2\t\n"_s);
}

QTEST_GUILESS_MAIN(SeriesFileTest)
#include "tst_series_file.moc"
