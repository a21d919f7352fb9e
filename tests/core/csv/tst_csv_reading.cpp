// The CSV reading every file reader shares: encodings, separators, rows and quotes, and
// numbers as spreadsheets write them.

#include "core/csv/decoding.h"
#include "core/csv/number.h"
#include "core/csv/rows.h"
#include "core/numbers.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The rows as "cell|cell" joined by " / ", each after its line: "1:a|b / 2:c".
QString rowsOf(const QByteArray& text, char separator, QString* fault = nullptr) {
    core::csv::RowReader reader({text.constData(), size_t(text.size())}, separator);
    QStringList rows;
    for (;;) {
        const auto step = reader.next();
        if (step == core::csv::RowReader::Step::End) break;
        if (step == core::csv::RowReader::Step::Fault) {
            if (fault)
                *fault = u"%1,%2 %3"_s.arg(reader.fault().line)
                             .arg(reader.fault().column)
                             .arg(reader.fault().why);
            break;
        }
        QStringList cells;
        for (const std::string_view cell : reader.cells())
            cells << QString::fromUtf8(cell.data(), qsizetype(cell.size()));
        rows << u"%1:%2"_s.arg(reader.rowLine()).arg(cells.join(u'|'));
    }
    return rows.join(u" / "_s);
}

}  // namespace

class CsvReadingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void decodes_data();
    void decodes();
    void decodesLargeTextOnBothHalves();
    void rows_data();
    void rows();
    void openQuote_data();
    void openQuote();
    void separators_data();
    void separators();
    void numbers_data();
    void numbers();
    void trimsWhatTextCallsBlank();
};

void CsvReadingTest::decodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");  // or the reason it is refused
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA9t\xC3\xA9") << u"été"_s;
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBFno\xC3\xABl") << u"noël"_s;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\xE9\0t\0\xE9\0", 8) << u"été"_s;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0\xE9\0t\0\xE9", 8) << u"été"_s;
    QTest::newRow("Windows-1252: euro, oe, e acute") << QByteArray("\x80 \x9C \xE9") << u"€ œ é"_s;
    QTest::newRow("overlong form is no UTF-8") << QByteArray("\xC0\xAF") << u"À¯"_s;
    QTest::newRow("surrogate is no UTF-8") << QByteArray("\xED\xA0\x80") << u"í\u00a0€"_s;
    QTest::newRow("bad UTF-8 after its mark")
        << QByteArray("\xEF\xBB\xBF\xE9t\xE9") << u"son encodage n'est pas reconnu"_s;
    QTest::newRow("a control character")
        << QByteArray("a;b\x01\n") << u"il ne contient pas du texte"_s;
    QTest::newRow("DEL") << QByteArray("abcdefgh\x7f") << u"il ne contient pas du texte"_s;
    QTest::newRow("tabs and line breaks are text") << QByteArray("a\tb\r\nc") << u"a\tb\r\nc"_s;
    QTest::newRow("wide text without its mark")
        << QByteArray("1\0\n\0", 4) << u"son encodage n'est pas reconnu"_s;
}

void CsvReadingTest::decodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const auto reading = core::csv::utf8Of(bytes);
    const std::string_view view = reading ? reading.value->view() : std::string_view();
    QCOMPARE(reading ? QString::fromUtf8(view.data(), qsizetype(view.size())) : reading.error.why,
             text);
}

void CsvReadingTest::decodesLargeTextOnBothHalves() {
    // GIVEN two megabytes of ASCII whose one bad byte lies in the second half
    QByteArray bytes(2 << 20, 'a');
    QByteArray latin = bytes;
    latin[latin.size() - 2] = '\x9C';
    QByteArray control = bytes;
    control[control.size() - 3] = '\x02';
    // THEN the valid text is not copied, the Windows text is converted, the control refused
    QCOMPARE(core::csv::utf8Of(bytes).value->bytes.constData(), bytes.constData());
    const auto converted = core::csv::utf8Of(latin);
    QCOMPARE(converted.value->bytes.size(), latin.size() + 1);
    QVERIFY(
        converted.value->bytes.endsWith("\xC5\x93"
                                        "a"));
    QCOMPARE(core::csv::utf8Of(control).error.why, u"il ne contient pas du texte"_s);
}

void CsvReadingTest::rows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("rows");
    QTest::newRow("LF") << QByteArray("a;b\nc;d\n") << ';' << u"1:a|b / 2:c|d"_s;
    QTest::newRow("CR LF, no last break") << QByteArray("a;b\r\nc;d") << ';' << u"1:a|b / 2:c|d"_s;
    QTest::newRow("CR alone") << QByteArray("a\rb\r\rc") << ';' << u"1:a / 2:b / 3: / 4:c"_s;
    QTest::newRow("tabs") << QByteArray("a\tb\t\n") << '\t' << u"1:a|b|"_s;
    QTest::newRow("no separator") << QByteArray("a;b,c\n") << '\0' << u"1:a;b,c"_s;
    QTest::newRow("quotes: doubled quote, separator inside")
        << QByteArray("\"x \"\"y\"\";z\";w\n") << ';' << u"1:x \"y\";z|w"_s;
    QTest::newRow("line breaks inside quotes count as lines")
        << QByteArray("\"a\r\nb\nc\";d\ne\n") << ';' << u"1:a\r\nb\nc|d / 4:e"_s;
    QTest::newRow("blanks before a quote, text after it")
        << QByteArray("  \"a\"b ;c\n") << ';' << u"1:ab |c"_s;
    QTest::newRow("a quote inside a cell is a quote")
        << QByteArray("5\"6;\"\"\n") << ';' << u"1:5\"6|"_s;
    QTest::newRow("empty cells") << QByteArray(";;\n") << ';' << u"1:||"_s;
}

void CsvReadingTest::rows() {
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(QString, rows);
    QCOMPARE(rowsOf(text, separator), rows);
}

void CsvReadingTest::openQuote_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("fault");
    QTest::newRow("third cell of line 2")
        << QByteArray("a;b;c\n1;2;\"3\n4;5\n") << u"2,3 un guillemet n'est pas refermé"_s;
    QTest::newRow("after a quoted line break")
        << QByteArray("\"a\nb\";\"c\"\n\"d") << u"3,1 un guillemet n'est pas refermé"_s;
}

void CsvReadingTest::openQuote() {
    QFETCH(QByteArray, text);
    QFETCH(QString, fault);
    QString found;
    rowsOf(text, ';', &found);
    QCOMPARE(found, fault);
}

void CsvReadingTest::separators_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("semicolon") << french << QByteArray("a,b;c\n") << ';';
    QTest::newRow("tab") << french << QByteArray("a,b\tc\n") << '\t';
    QTest::newRow("semicolon inside quotes only")
        << french << QByteArray("\"a;b\",c\nd,e\n") << ',';
    QTest::newRow("comma between words") << french << QByteArray("Sexe,Taille\nF,1\n") << ',';
    QTest::newRow("one comma a line is a decimal mark")
        << french << QByteArray("1,5\n2,5\n") << '\0';
    QTest::newRow("two commas a line") << french << QByteArray("1,5,6\n") << ',';
    QTest::newRow("a decimal point beside") << french << QByteArray("1.5,2\n") << ',';
    QTest::newRow("point locale") << english << QByteArray("1,5\n") << ',';
    QTest::newRow("one column") << french << QByteArray("Taille\n12\n") << '\0';
}

void CsvReadingTest::separators() {
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    core::setRegionalLocale(locale);
    QCOMPARE(core::csv::separatorOf({text.constData(), size_t(text.size())}), separator);
}

void CsvReadingTest::numbers_data() {
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<double>("value");  // NaN where the cell is no number
    const double none = qQNaN();
    QTest::newRow("comma") << QByteArray("12,5") << ',' << 12.5;
    QTest::newRow("point") << QByteArray("-0.125") << '.' << -0.125;
    QTest::newRow("plus sign, exponent") << QByteArray("+1,5e-2") << ',' << 0.015;
    QTest::newRow("blank groups") << QByteArray("1 234 567,5") << ',' << 1234567.5;
    QTest::newRow("no-break space") << QByteArray(
                                           "12\xC2\xA0"
                                           "345")
                                    << '.' << 12345.0;
    QTest::newRow("narrow no-break space") << QByteArray(
                                                  "-1\xE2\x80\xAF"
                                                  "000,25")
                                           << ',' << -1000.25;
    QTest::newRow("points group where commas mark")
        << QByteArray("1.234.567,8") << ',' << 1234567.8;
    QTest::newRow("a point among commas is no group") << QByteArray("1.5") << ',' << none;
    QTest::newRow("no group after a leading zero") << QByteArray("0.125") << ',' << none;
    QTest::newRow("groups of three only") << QByteArray("12 34") << ',' << none;
    QTest::newRow("too many digits before a group") << QByteArray("1234 567") << ',' << none;
    QTest::newRow("comma in a point column") << QByteArray("1,5") << '.' << none;
    QTest::newRow("two marks") << QByteArray("1,2,3") << ',' << none;
    QTest::newRow("mark alone") << QByteArray(",") << ',' << none;
    QTest::newRow("leading mark") << QByteArray(",5") << ',' << 0.5;
    QTest::newRow("trailing mark") << QByteArray("5.") << '.' << 5.0;
    QTest::newRow("exponent without digits") << QByteArray("1e") << '.' << none;
    QTest::newRow("beyond a double") << QByteArray("1e400") << '.' << none;
    QTest::newRow("words") << QByteArray("inf") << '.' << none;
    QTest::newRow("hexadecimal") << QByteArray("0x1A") << '.' << none;
    QTest::newRow("twenty digits, as from_chars")
        << QByteArray("12345678901234567890,1") << ',' << 12345678901234567890.1;
    QTest::newRow("fifteen digits, exactly rounded")
        << QByteArray("0,123456789012345") << ',' << 0.123456789012345;
}

void CsvReadingTest::numbers() {
    QFETCH(QByteArray, cell);
    QFETCH(char, decimal);
    QFETCH(double, value);
    const auto x = core::csv::numberOf({cell.constData(), size_t(cell.size())}, decimal);
    if (qIsNaN(value)) {
        QVERIFY2(!x, qPrintable(QString::number(x.value_or(0))));
    } else {
        QVERIFY(x);
        // Bit for bit: the fast path rounds as from_chars does.
        QVERIFY2(*x == value, qPrintable(QString::number(*x, 'g', 17)));
    }
}

// A cell trimmed here must not still look blank to the windows, which trim as QString
// does: every code point QChar calls a space goes, on either side, and nothing else.
void CsvReadingTest::trimsWhatTextCallsBlank() {
    // Bytes, not text: QString::fromUtf8 would drop a leading byte order mark.
    const auto trimmedBytes = [](const QString& text) {
        const QByteArray bytes = text.toUtf8();
        return std::string(core::csv::trimmed({bytes.constData(), size_t(bytes.size())}));
    };
    for (char16_t u = 1; u != 0; ++u) {
        if (u >= 0xD800 && u < 0xE000) continue;
        const QString c{QChar(u)};
        const bool blank = c.at(0).isSpace();
        const QString cell = c + c + u"a"_s + c + u"b"_s + c;
        const QString expected = blank ? u"a"_s + c + u"b"_s : cell;
        QVERIFY2(trimmedBytes(cell) == expected.toStdString(),
                 qPrintable(u"U+%1"_s.arg(uint(u), 4, 16)));
        QVERIFY2(trimmedBytes(c).empty() == blank, qPrintable(u"U+%1 alone"_s.arg(uint(u), 4, 16)));
    }
}

QTEST_GUILESS_MAIN(CsvReadingTest)
#include "tst_csv_reading.moc"
