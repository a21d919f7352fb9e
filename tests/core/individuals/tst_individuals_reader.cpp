// Files of individuals read into columns: header or none, natures and decimal marks
// decided per column, missing cells, words in order of appearance, faults with their
// line and column, large files read in two halves, and cancelling.

#include "core/individuals/reader.h"
#include "core/numbers.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using core::individuals::Dataset;
using core::individuals::Nature;
using core::individuals::Variable;

namespace {

// Each variable as "Name#N:1.5|_|2" or "Name#Q[F,M]:F|M|_", "_" for a missing cell;
// fails the test where the counted missing cells disagree with the cells.
QString describe(const Dataset& dataset) {
    QStringList variables;
    for (const Variable& v : dataset.variables()) {
        QStringList cells;
        std::int64_t missing = 0;
        for (std::size_t r = 0; r < dataset.rowCount(); ++r) {
            if (v.isMissing(r)) {
                cells << u"_"_s;
                ++missing;
            } else if (v.nature == Nature::Numeric) {
                cells << QString::number(v.numbers[r], 'g', 17);
            } else {
                cells << v.labels[v.codes[r]];
            }
        }
        if (missing != v.missing) return u"%1: %2 missing counted"_s.arg(v.name).arg(v.missing);
        const QString kind =
            v.nature == Nature::Numeric ? u"N"_s : u"Q[%1]"_s.arg(v.labels.join(u','));
        variables << u"%1#%2:%3"_s.arg(v.name, kind, cells.join(u'|'));
    }
    return variables.join(u"  "_s);
}

}  // namespace

class IndividualsReaderTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void largeFileInTwoHalves();
    void quotedCellAcrossTheMiddle();
    void progressAndCancel();
    void files();
};

void IndividualsReaderTest::reads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("dataset");
    QTest::newRow("survey: words and decimal commas")
        << QByteArray("Sexe;Taille (m)\r\nF;1,62\r\nM;1,8\r\nF;\r\n")
        << u"Sexe#Q[F,M]:F|M|F  Taille (m)#N:1.6200000000000001|1.8|_"_s;
    QTest::newRow("first row all numbers: no header")
        << QByteArray("1;2\n3;4\n") << u"Variable 1#N:1|3  Variable 2#N:2|4"_s;
    QTest::newRow("empty and repeated names")
        << QByteArray("a;;a;Variable 2\n1;2;3;4\n")
        << u"a#N:1  Variable 2 (2)#N:2  a (2)#N:3  Variable 2#N:4"_s;
    QTest::newRow("decimal mark decided per column")
        << QByteArray("x,y\n\"1,5\",2.5\n3,4\n") << u"x#N:1.5|3  y#N:2.5|4"_s;
    QTest::newRow("a point groups where the column's commas mark decimals")
        << QByteArray("x;y\n1.234;1.234\n2,5;7\n") << u"x#N:1234|2.5  y#N:1.234|7"_s;
    QTest::newRow("blanks and no-break spaces group digits") << QByteArray(
                                                                    "x\n1 234,5\n2\xC2\xA0"
                                                                    "000\n-3\xE2\x80\xAF"
                                                                    "000\n")
                                                             << u"x#N:1234.5|2000|-3000"_s;
    QTest::newRow("one word makes the column qualitative, in order of appearance")
        << QByteArray("Code\n75\n2A\n75\n13\n") << u"Code#Q[75,2A,13]:75|2A|75|13"_s;
    QTest::newRow("quoted words with separators and line breaks, blanks trimmed")
        << QByteArray("Nom;n\n\" Dupont; fils \";1\n\"a\nb\";2\n\"Dupont; fils\"  ;3\n")
        << u"Nom#Q[Dupont; fils,a\nb]:Dupont; fils|a\nb|Dupont; fils  n#N:1|2|3"_s;
    QTest::newRow("short rows padded, blank lines skipped, empty extra cells ignored")
        << QByteArray("a;b;c\n1\n\n2;x;;;\n") << u"a#N:1|2  b#Q[x]:_|x  c#N:_|_"_s;
    QTest::newRow("nameless empty columns at the end dropped")
        << QByteArray("a;b;;\n1;2;;\n") << u"a#N:1  b#N:2"_s;
    QTest::newRow("tabs, CR line ends") << QByteArray("a\tb\r1\tz\r") << u"a#N:1  b#Q[z]:z"_s;
    QTest::newRow("Windows-1252") << QByteArray("C\x9Cur\n\x80\n") << u"Cœur#Q[€]:€"_s;
    QTest::newRow("UTF-16 with its mark")
        << QByteArray("\xFF\xFEv\0\n\0\xE9\0\n\0", 10) << u"v#Q[é]:é"_s;
    QTest::newRow("header only") << QByteArray("a;b\n") << u"a#N:  b#N:"_s;
}

void IndividualsReaderTest::reads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, dataset);
    const auto reading = core::individuals::readIndividuals(bytes);
    QVERIFY2(reading, qPrintable(reading.error.why));
    QCOMPARE(describe(*reading.value), dataset);
}

void IndividualsReaderTest::refuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("why");
    QTest::newRow("more cells than variables")
        << QByteArray("a;b\n1;2\n\"x\ny\";2;;7\n") << 3 << 4
        << u"la ligne a plus de cases qu'il n'y a de variables (2)"_s;
    QTest::newRow("a quote never closed")
        << QByteArray("a;b\n1;2\n3;\"4\n5;6\n") << 3 << 2 << u"un guillemet n'est pas refermé"_s;
    QTest::newRow("more columns than a spreadsheet has")
        << QByteArray(16384, ';') + "\n1\n"
        << 1 << 16385 << u"la ligne a plus de 16\u202f384 cases"_s;
    QTest::newRow("nothing in it")
        << QByteArray(" \r\n\n") << 0 << 0 << u"il ne contient aucune donnée"_s;
    QTest::newRow("binary") << QByteArray("\x01\x02\x03", 3) << 0 << 0
                            << u"il ne contient pas du texte"_s;
}

void IndividualsReaderTest::refuses() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, why);
    const auto reading = core::individuals::readIndividuals(bytes);
    QVERIFY(!reading);
    QCOMPARE(reading.error.line, line);
    QCOMPARE(reading.error.column, column);
    QCOMPARE(reading.error.why, why);
}

void IndividualsReaderTest::largeFileInTwoHalves() {
    // GIVEN 200,000 rows (over the size read on two cores) whose second half alone holds
    // a word in the numeric-looking column and a decimal comma in the point-looking one
    const int rows = 200000;
    QByteArray bytes = "i;g;x;c\n";
    double sumX = 0;
    for (int i = 0; i < rows; ++i) {
        const bool late = i == rows - 10;
        bytes += QByteArray::number(i) + ';' + (late ? "mot" : QByteArray::number(i % 7)) + ';';
        bytes += late ? "2,5" : QByteArray::number(i % 9) + ".125";
        sumX += late ? 2.5 : (i % 9 < 1 ? 0.125 : (i % 9) * 1000 + 125);
        bytes += ';' + QByteArray(i % 3 ? "\"oui\"" : "non") + '\n';
    }
    const auto reading = core::individuals::readIndividuals(bytes);
    QVERIFY2(reading, qPrintable(reading.error.why));
    const Dataset& d = *reading.value;
    QCOMPARE(d.rowCount(), std::size_t(rows));
    // THEN every column is whole, in order, and decided on all its cells
    const auto& v = d.variables();
    for (int i = 0; i < rows; i += 997) QCOMPARE(v[0].numbers[i], double(i));
    QCOMPARE(v[1].nature, Nature::Qualitative);
    QCOMPARE(v[1].labels, (QStringList{"0", "1", "2", "3", "4", "5", "6", "mot"}));
    QCOMPARE(v[1].codes[rows - 11], (rows - 11) % 7);
    // "1.125" groups digits once a comma marks decimals: 1125
    double sum = 0;
    for (const double x : v[2].numbers) sum += x;
    QCOMPARE(sum, sumX);
    QCOMPARE(v[3].labels, (QStringList{"non", "oui"}));
    QCOMPARE(v[3].codes[rows - 1], (rows - 1) % 3 ? 1 : 0);
    // AND the same bytes in a file (mapped, not copied), with a mark or in Windows-1252,
    // give the same columns
    QTemporaryDir folder;
    const QList<QPair<QByteArray, QByteArray>> files = {
        {{}, "mot"}, {"\xEF\xBB\xBF", "mot"}, {{}, "m\xF4t"}};
    for (const auto& [prefix, word] : files) {
        QFile file(folder.filePath(u"grand.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(prefix + QByteArray(bytes).replace("mot", word));
        file.close();
        const auto again = core::individuals::readIndividualsFile(file.fileName());
        QVERIFY2(again, qPrintable(again.error.why));
        const auto& w = again.value->variables();
        QCOMPARE(w[1].labels.last(), word == "mot" ? u"mot"_s : u"môt"_s);
        for (std::size_t c : {0, 2}) QVERIFY(w[c].numbers == v[c].numbers);
        for (std::size_t c : {1, 3}) QVERIFY(w[c].codes == v[c].codes);
    }
}

void IndividualsReaderTest::quotedCellAcrossTheMiddle() {
    // GIVEN a quoted cell of many lines around the middle of a large file
    QByteArray bytes = "n;t\n";
    for (int i = 0; i < 40000; ++i) bytes += QByteArray::number(i) + ";a\n";
    bytes += "40000;\"";
    for (int i = 0; i < 40000; ++i) bytes += "ligne\n";
    bytes += "\"\n";
    for (int i = 40001; i < 80000; ++i) bytes += QByteArray::number(i) + ";b\n";
    bytes += "80000;\"x";
    const auto reading = core::individuals::readIndividuals(bytes);
    // THEN the rows are found, and the open quote at the end is named at its line
    QCOMPARE(reading.error.line, 80000 + 1 + 40000 + 1);
    QCOMPARE(reading.error.column, 2);
    bytes += "\"\n";
    const auto whole = core::individuals::readIndividuals(bytes);
    QVERIFY2(whole, qPrintable(whole.error.why));
    QCOMPARE(whole.value->rowCount(), std::size_t(80001));
    QCOMPARE(whole.value->variables()[1].labels.size(), 4);
    for (int i = 0; i <= 80000; i += 4999) QCOMPARE(whole.value->variables()[0].numbers[i], i);
}

void IndividualsReaderTest::progressAndCancel() {
    QByteArray bytes = "a;b\n";
    for (int i = 0; i < 300000; ++i) bytes += "1,5;x\n";
    // GIVEN a progress that follows the shares, THEN they rise from 0 to at most 1
    QList<double> shares;
    const auto followed = core::individuals::readIndividuals(bytes, [&](double share) {
        shares << share;
        return true;
    });
    QVERIFY(followed);
    QVERIFY(shares.size() >= 3);
    QCOMPARE(shares.first(), 0.0);
    for (qsizetype i = 1; i < shares.size(); ++i) QVERIFY(shares[i] >= shares[i - 1]);
    QVERIFY(shares.last() <= 1.0);
    // WHEN it says no at some point, THEN the reading fails as cancelled
    for (const int at : {0, 1, 2}) {
        int calls = 0;
        const auto cancelled =
            core::individuals::readIndividuals(bytes, [&](double) { return calls++ < at; });
        QVERIFY(!cancelled);
        QCOMPARE(cancelled.error.why, u"Lecture annulée."_s);
    }
}

void IndividualsReaderTest::files() {
    QTemporaryDir folder;
    const auto why = [](const QString& path) {
        return core::individuals::readIndividualsFile(path).error.why;
    };
    QCOMPARE(why(folder.filePath(u"absent.csv"_s)), u"ce fichier n'existe pas"_s);
    QCOMPARE(why(folder.path()), u"c'est un dossier"_s);
    QFile text(folder.filePath(u"classe.txt"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("Sexe\tÂge\nF\t15\n");
    text.close();
    const auto reading = core::individuals::readIndividualsFile(text.fileName());
    QVERIFY2(reading, qPrintable(reading.error.why));
    QCOMPARE(describe(*reading.value), u"Sexe#Q[F]:F  Âge#N:15"_s);
    QCOMPARE(core::individuals::explain({3, 2, u"un guillemet n'est pas refermé"_s, {}},
                                        u"classe.csv"_s),
             u"Impossible d'ouvrir « classe.csv » : ligne 3, colonne 2, un guillemet n'est pas "
             u"refermé."_s);
    QCOMPARE(core::individuals::explain({0, 0, u"la case n'est pas lisible"_s, u"B7"_s},
                                        u"classe.ods"_s),
             u"Impossible d'ouvrir « classe.ods » : case B7, la case n'est pas lisible."_s);
}

QTEST_GUILESS_MAIN(IndividualsReaderTest)
#include "tst_individuals_reader.moc"
