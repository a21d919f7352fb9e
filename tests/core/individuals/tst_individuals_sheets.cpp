// Spreadsheet files of individuals: an .ods and an .xlsx that Gnumeric wrote from the same
// survey (data/classe.csv) and from dates (data/dates.csv), and archives made here for what a
// spreadsheet may also write (repeated rows and cells) or what a damaged file holds, each fault
// named by its cell.

#include "core/individuals/reader.h"
#include "core/numbers.h"

#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

using namespace Qt::StringLiterals;
using core::individuals::Nature;
using core::individuals::Variable;

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

// A zip archive of the entries, made in memory by libzip.
QByteArray zipOf(const Entries& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(source);
    zip_t* archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* data =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    QByteArray out;
    if (zip_source_open(source) == 0) {
        zip_source_seek(source, 0, SEEK_END);
        out.resize(qsizetype(zip_source_tell(source)));
        zip_source_seek(source, 0, SEEK_SET);
        zip_source_read(source, out.data(), zip_uint64_t(out.size()));
        zip_source_close(source);
    }
    zip_source_free(source);
    zip_error_fini(&error);
    return out;
}

QByteArray odsContent(const QByteArray& rows) {
    return "<?xml version=\"1.0\"?><office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
           "<office:spreadsheet><table:table table:name=\"F\">" +
           rows +
           "</table:table><table:table table:name=\"G\"><table:table-row>"
           "<table:table-cell office:value-type=\"string\"><text:p>autre</text:p>"
           "</table:table-cell></table:table-row></table:table></office:spreadsheet>"
           "</office:body></office:document-content>";
}

QByteArray sheetXml(const QByteArray& rows) {
    return "<?xml version=\"1.0\"?><worksheet "
           "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" +
           rows + "</sheetData></worksheet>";
}

QByteArray xlsxOf(const QByteArray& rows, const QByteArray& strings = {},
                  const QByteArray& styles = {}, const QByteArray& workbook = {}) {
    Entries entries = {{u"xl/worksheets/sheet1.xml"_s, sheetXml(rows)}};
    const QByteArray main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    if (!styles.isEmpty())
        entries.append(
            {u"xl/styles.xml"_s, "<styleSheet " + main + ">" + styles + "</styleSheet>"});
    if (!workbook.isEmpty())
        entries.append(
            {u"xl/workbook.xml"_s, "<workbook " + main + ">" + workbook + "</workbook>"});
    if (!strings.isEmpty())
        entries.append(
            {u"xl/sharedStrings.xml"_s,
             "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" + strings +
                 "</sst>"});
    return zipOf(entries);
}

QString describe(const core::individuals::Dataset& dataset) {
    QStringList variables;
    for (const Variable& v : dataset.variables()) {
        QStringList cells;
        for (std::size_t r = 0; r < dataset.rowCount(); ++r)
            cells << (v.isMissing(r)                ? u"_"_s
                      : v.nature == Nature::Numeric ? QString::number(v.numbers[r], 'g', 17)
                                                    : v.labels[v.codes[r]]);
        variables << u"%1#%2%3:%4"_s.arg(v.name, v.nature == Nature::Numeric ? u"N"_s : u"Q"_s)
                         .arg(v.missing)
                         .arg(cells.join(u'|'));
    }
    return variables.join(u"  "_s);
}

}  // namespace

class IndividualsSheetsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void writtenByASpreadsheet_data();
    void writtenByASpreadsheet();
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
};

// Made once by `ssconvert classe.csv classe.ods` (and .xlsx), the same for dates.csv,
// whose dates and times Gnumeric stores as numbers with a date or time format.
void IndividualsSheetsTest::writtenByASpreadsheet_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("dataset");
    const QString survey =
        u"Prénom#Q0:Anaïs|Bruno|Chloé|David  Sexe#Q0:F|M|F|M  "
        u"Taille (cm)#N1:162.5|178|_|1234.25  "
        u"Transport#Q0:Bus|Vélo; parfois|À pied|Bus  Code#Q1:75|2A|13|_"_s;
    // Arrivée holds a time too, but its format shows the day only.
    const QString dates =
        u"Nom#Q0:Anaïs|Bruno|Chloé|David  "
        u"Naissance#Q1:15/03/2009|01/12/2008|_|31/01/2009  "
        u"Arrivée#Q1:02/09/2024|02/09/2024|03/09/2024|_  "
        u"Heure#Q1:8:30|14:05:10|_|7:05"_s;
    QTest::newRow("ods") << u"classe.ods"_s << survey;
    QTest::newRow("xlsx") << u"classe.xlsx"_s << survey;
    QTest::newRow("ods dates") << u"dates.ods"_s << dates;
    QTest::newRow("xlsx dates") << u"dates.xlsx"_s << dates;
}

void IndividualsSheetsTest::writtenByASpreadsheet() {
    QFETCH(QString, file);
    QFETCH(QString, dataset);
    const QString path = u"" STAT_TEST_DATA "/"_s + file;
    const auto reading = core::individuals::readIndividualsFile(path);
    QVERIFY2(reading, qPrintable(reading.error.why + u' ' + reading.error.cell));
    QCOMPARE(describe(*reading.value), dataset);
}

void IndividualsSheetsTest::reads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("dataset");
    QTest::newRow("ods: repeated rows and cells, spaces, line breaks, first table only")
        << zipOf({{u"content.xml"_s,
                   odsContent(
                       "<table:table-row><table:table-cell office:value-type=\"string\">"
                       "<text:p>a<text:s text:c=\"2\"/>b</text:p></table:table-cell>"
                       "<table:table-cell/><table:table-cell office:value-type=\"string\">"
                       "<text:p>c</text:p><text:p>d</text:p></table:table-cell></table:table-row>"
                       "<table:table-row table:number-rows-repeated=\"3\"/>"
                       "<table:table-row table:number-rows-repeated=\"2\">"
                       "<table:table-cell table:number-columns-repeated=\"2\" "
                       "office:value-type=\"percentage\" office:value=\"0.25\">"
                       "<text:p>25 %</text:p></table:table-cell>"
                       "<table:table-cell office:value-type=\"boolean\"><text:p>VRAI</text:p>"
                       "</table:table-cell><table:table-cell table:number-columns-repeated="
                       "\"1000\"/></table:table-row>")}})
        << u"a  b#N0:25|25  Variable 2#N0:25|25  c\nd#Q0:VRAI|VRAI"_s;
    QTest::newRow("xlsx: shared and inline texts, gaps, booleans, no header")
        << xlsxOf(
               "<row r=\"2\"><c r=\"A2\"><v>1.5</v></c><c r=\"C2\"><v>7</v></c></row>"
               "<row r=\"4\"><c r=\"A4\" t=\"b\"><v>1</v></c><c r=\"B4\"><v>-2E-3</v></c>"
               "<c r=\"C4\" t=\"s\"><v>0</v></c></row><row r=\"5\"><c r=\"A5\" "
               "t=\"inlineStr\"><is><r><t>é</t></r><r><t>t</t></r></is></c></row>",
               "<si><t>x</t></si>")
        << u"Variable 1#Q0:1,5|VRAI|ét  Variable 2#N2:_|-0.002|_  Variable 3#Q1:7|x|_"_s;
    // Styles by index into cellXfs (the cell style before them is not one); a custom
    // format's quoted "s", its colour and its locale say nothing of dates.
    const QByteArray styles =
        "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/>"
        "<numFmt numFmtId=\"165\" formatCode=\"[Red]0.0&quot; jours&quot;\"/>"
        "<numFmt numFmtId=\"166\" formatCode=\"[$-40C]d\\ mmmm\\ yyyy\"/>"
        "<numFmt numFmtId=\"167\" formatCode=\"[mm]:ss\"/></numFmts>"
        "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs><xf numFmtId=\"0\"/>"
        "<xf numFmtId=\"14\"/><xf numFmtId=\"22\"/><xf numFmtId=\"164\"/>"
        "<xf numFmtId=\"165\"/><xf numFmtId=\"9\"/><xf numFmtId=\"46\"/>"
        "<xf numFmtId=\"45\"/><xf numFmtId=\"166\"/><xf numFmtId=\"167\"/>"
        "<xf numFmtId=\"20\"/></cellXfs>";
    // 15 March 2024 is day 45366; 1.5 days are 36 hours; 0.0625 day is 90 minutes.
    const QByteArray names =
        "<row r=\"1\"><c t=\"inlineStr\"><is><t>a</t></is></c><c t=\"inlineStr\"><is><t>b</t>"
        "</is></c><c t=\"inlineStr\"><is><t>c</t></is></c><c t=\"inlineStr\"><is><t>d</t></is>"
        "</c><c t=\"inlineStr\"><is><t>e</t></is></c><c t=\"inlineStr\"><is><t>f</t></is></c>"
        "<c t=\"inlineStr\"><is><t>g</t></is></c><c t=\"inlineStr\"><is><t>h</t></is></c>"
        "<c t=\"inlineStr\"><is><t>i</t></is></c><c t=\"inlineStr\"><is><t>j</t></is></c>"
        "<c t=\"inlineStr\"><is><t>k</t></is></c><c t=\"inlineStr\"><is><t>l</t></is></c></row>";
    QTest::newRow("xlsx: dates, times and percentages by their style")
        << xlsxOf(names +
                      "<row r=\"2\"><c s=\"1\"><v>45366</v></c><c s=\"2\"><v>45366.75</v></c>"
                      "<c s=\"3\"><v>45366.520833333336</v></c><c s=\"4\"><v>2.5</v></c>"
                      "<c s=\"5\"><v>0.25</v></c><c s=\"6\"><v>1.5</v></c>"
                      "<c s=\"7\"><v>0.010416666666666666</v></c><c s=\"8\"><v>1</v></c>"
                      "<c s=\"9\"><v>0.0625</v></c><c s=\"10\"><v>0.3541666666666667</v></c>"
                      "<c s=\"1\"><v>-1</v></c><c s=\"1\" t=\"d\"><v>2024-03-15T10:00:00</v>"
                      "</c></row>",
                  {}, styles)
        << u"a#Q0:15/03/2024  b#Q0:15/03/2024 18:00  c#Q0:15/03/2024 12:30  d#N0:2.5  e#N0:25  "
           u"f#Q0:36:00:00  g#Q0:15:00  h#Q0:01/01/1900  i#Q0:90:00  j#Q0:8:30  k#N0:-1  "
           u"l#Q0:15/03/2024"_s;
    QTest::newRow("xlsx: days from 1904")
        << xlsxOf(
               "<row r=\"1\"><c t=\"inlineStr\"><is><t>a</t></is></c></row>"
               "<row r=\"2\"><c s=\"1\"><v>0</v></c></row><row r=\"3\"><c s=\"2\"><v>366.5</v>"
               "</c></row>",
               {}, styles, "<workbookPr date1904=\"1\"/><sheets/>")
        << u"a#Q0:01/01/1904|01/01/1905 12:00"_s;
}

void IndividualsSheetsTest::reads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, dataset);
    const auto reading = core::individuals::readIndividuals(bytes);
    QVERIFY2(reading, qPrintable(reading.error.why + u' ' + reading.error.cell));
    QCOMPARE(describe(*reading.value), dataset);
}

void IndividualsSheetsTest::refuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("why");
    QTest::newRow("not an archive")
        << QByteArray("PK\x03\x04 abîmé") << QString() << u"ce n'est pas un classeur lisible"_s;
    QTest::newRow("no sheet") << zipOf({{u"autre.txt"_s, "x"}}) << QString()
                              << u"la première feuille est absente ou endommagée"_s;
    QTest::newRow("ods: a bad number after repeated rows")
        << zipOf({{u"content.xml"_s,
                   odsContent("<table:table-row table:number-rows-repeated=\"2\">"
                              "<table:table-cell office:value-type=\"float\" office:value=\"1\"/>"
                              "</table:table-row><table:table-row><table:table-cell/>"
                              "<table:table-cell office:value-type=\"float\" office:value=\"x\"/>"
                              "</table:table-row>")}})
        << u"B3"_s << u"la case ne contient pas un nombre lisible"_s;
    QTest::newRow("xlsx: a text the workbook lacks")
        << xlsxOf(
               "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
               "<row r=\"7\"><c r=\"B7\" t=\"s\"><v>3</v></c></row>",
               "<si><t>x</t></si>")
        << u"B7"_s << u"la case renvoie à un texte absent du classeur"_s;
    QTest::newRow("xlsx: a bad number")
        << xlsxOf("<row r=\"1\"><c r=\"A1\"><v>1,5</v></c></row>") << u"A1"_s
        << u"la case ne contient pas un nombre lisible"_s;
    QTest::newRow("xlsx: more cells than variables")
        << xlsxOf(
               "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row>"
               "<row r=\"2\"><c r=\"A2\"><v>1</v></c><c r=\"C2\"><v>2</v></c></row>")
        << u"C2"_s << u"la ligne a plus de cases qu'il n'y a de variables (1)"_s;
    QTest::newRow("xlsx: broken XML")
        << xlsxOf("<row r=\"1\"><c r=\"D1\"><v>1</v></c><c r=\"E1\"><v>2</row>") << u"E1"_s
        << u"la feuille est endommagée"_s;
}

void IndividualsSheetsTest::refuses() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cell);
    QFETCH(QString, why);
    const auto reading = core::individuals::readIndividuals(bytes);
    QVERIFY(!reading);
    QCOMPARE(reading.error.cell, cell);
    QCOMPARE(reading.error.why, why);
    // A file named as a sheet is read as one, whatever it holds.
    QTemporaryDir folder;
    QFile file(folder.filePath(u"classe.ods"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Sexe;Taille\nF;1\n");
    file.close();
    QCOMPARE(core::individuals::readIndividualsFile(file.fileName()).error.why,
             u"ce n'est pas un classeur lisible"_s);
}

QTEST_GUILESS_MAIN(IndividualsSheetsTest)
#include "tst_individuals_sheets.moc"
