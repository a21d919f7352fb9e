// The filter typed in words: which individuals each text keeps on a class worked by
// hand (grammar, precedence, missing values), the faults and their columns, the texts
// built from choices, and a random file checked row by row.

#include "core/individuals/filter.h"
#include "core/numbers.h"
#include "sample.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace core::individuals;

namespace {

// "10110010": which of the rows the filter keeps.
QString kept(const Selection& s) {
    QString text;
    for (std::uint8_t k : s.kept) text += k ? u'1' : u'0';
    return text;
}

}  // namespace

class FilterTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void keeps_data();
    void keeps();
    void faults_data();
    void faults();
    void builtTexts_data();
    void builtTexts();
    void sentence_data();
    void sentence();
    void randomAgainstRowByRow();
};

void FilterTest::keeps_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    // Rows: Sexe F M F F M - F M; Taille 150 172 165 - 180 160 161,5 160;
    // Transport Bus Vélo Bus Pied Bus Vélo - Pied; Âge 15 16 15 17 16 15 16 17.
    QTest::newRow("empty keeps all") << u"  "_s << u"11111111"_s;
    QTest::newRow("text") << u"Sexe = \"F\""_s << u"10110010"_s;
    QTest::newRow("any case") << u"sexe = \"f\""_s << u"10110010"_s;
    QTest::newRow("≠ leaves missing out") << u"Sexe ≠ \"F\""_s << u"01001001"_s;
    QTest::newRow("<>") << u"Sexe <> \"F\""_s << u"01001001"_s;
    QTest::newRow("!=") << u"Sexe != \"F\""_s << u"01001001"_s;
    QTest::newRow("NON keeps missing") << u"NON Sexe = \"F\""_s << u"01001101"_s;
    QTest::newRow(">") << u"[Taille (cm)] > 160"_s << u"01101010"_s;
    QTest::newRow(">=") << u"[Taille (cm)] >= 160"_s << u"01101111"_s;
    QTest::newRow("≥") << u"[Taille (cm)] ≥ 160"_s << u"01101111"_s;
    QTest::newRow("≤") << u"[Taille (cm)] ≤ 160"_s << u"10000101"_s;
    QTest::newRow("< comma") << u"[Taille (cm)] < 161,5"_s << u"10000101"_s;
    QTest::newRow("= point") << u"[Taille (cm)] = 161.5"_s << u"00000010"_s;
    QTest::newRow("≠ number") << u"[Taille (cm)] ≠ 160"_s << u"11101010"_s;
    QTest::newRow("negative") << u"[Taille (cm)] > -3"_s << u"11101111"_s;
    QTest::newRow("ET") << u"Sexe = \"F\" ET [Taille (cm)] > 160"_s << u"00100010"_s;
    QTest::newRow("ET over OU") << u"Sexe = \"M\" OU Sexe = \"F\" ET Âge = 17"_s << u"01011001"_s;
    QTest::newRow("parentheses") << u"(Sexe = \"M\" OU Sexe = \"F\") ET Âge = 17"_s
                                 << u"00010001"_s;
    QTest::newRow("NON over ET") << u"NON Sexe = \"F\" ET Âge = 15"_s << u"00000100"_s;
    QTest::newRow("english words")
        << u"Transport = \"Vélo\" or Transport = \"Pied\" and Âge = 17"_s << u"01010101"_s;
    QTest::newRow("NOT ( OR )") << u"not (Transport = \"Bus\" OR Transport = \"Pied\")"_s
                                << u"01000110"_s;
    QTest::newRow("NON NON") << u"Sexe = \"F\" et non non Âge = 15"_s << u"10100000"_s;
    QTest::newRow("number on codes") << u"Code = 01000"_s << u"10100010"_s;
    QTest::newRow("text on codes") << u"Code = \"01000\""_s << u"10100010"_s;
    QTest::newRow("order on codes") << u"Code > 50000"_s << u"01011101"_s;
    QTest::newRow("absent modality") << u"Transport = \"Avion\""_s << u"00000000"_s;
    QTest::newRow("French quotes") << u"Âge = 16 ET Transport = « Bus »"_s << u"00001000"_s;
    QTest::newRow("quoted number on numeric") << u"Âge = \"16\""_s << u"01001010"_s;
}

// GIVEN the class of eight WHEN a filter is typed THEN it keeps the rows worked by hand.
void FilterTest::keeps() {
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    const Dataset d = sample::classOfEight();
    const core::Reading<Filter> f = parseFilter(filter, d);
    QVERIFY2(f, qPrintable(filterFault(f.error)));
    const Selection s = evaluate(*f.value, d);
    QCOMPARE(kept(s), expected);
    QCOMPARE(qsizetype(s.count), expected.count(u'1'));
}

void FilterTest::faults_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("fault");
    QTest::newRow("no value at the end")
        << u"Âge >"_s << u"colonne 6 : une valeur est attendue après « > »"_s;
    QTest::newRow("no value before ET") << u"[Taille (cm)] > ET Âge = 15"_s
                                        << u"colonne 17 : une valeur est attendue après « > »"_s;
    QTest::newRow("unknown variable")
        << u"Poids > 50"_s
        << u"colonne 1 : la variable « Poids » n'existe pas (variables : Sexe, Taille (cm), "
           u"Transport, Âge, Code)"_s;
    QTest::newRow("bare word value")
        << u"Sexe = F"_s << u"colonne 8 : un texte s'écrit entre guillemets : \"F\""_s;
    QTest::newRow("no operator")
        << u"Sexe \"F\""_s
        << u"colonne 6 : une comparaison (=, ≠, <, ≤, >, ≥) est attendue après « Sexe »"_s;
    QTest::newRow("unclosed (")
        << u"(Sexe = \"F\""_s
        << u"colonne 12 : « ) » est attendue pour fermer la « ( » de la colonne 1"_s;
    QTest::newRow("stray )") << u"Sexe = \"F\")"_s
                             << u"colonne 11 : cette « ) » ne ferme aucune « ( »"_s;
    QTest::newRow("two comparisons")
        << u"Sexe = \"F\" Âge = 15"_s
        << u"colonne 12 : « ET » ou « OU » est attendu avant « Âge »"_s;
    QTest::newRow("unclosed text")
        << u"Sexe = \"F"_s << u"colonne 8 : le texte ouvert par « \" » n'est jamais fermé"_s;
    QTest::newRow("unclosed [")
        << u"[Taille > 3"_s
        << u"colonne 1 : le nom de variable ouvert par « [ » n'est jamais fermé par « ] »"_s;
    QTest::newRow("nothing after ET")
        << u"Sexe = \"F\" ET"_s << u"colonne 14 : une comparaison est attendue après « ET »"_s;
    QTest::newRow("starts with ET")
        << u"ET Sexe = \"F\""_s << u"colonne 1 : une comparaison est attendue au début du filtre"_s;
    QTest::newRow("empty parentheses")
        << u"Âge = 3 OU ()"_s << u"colonne 13 : une comparaison est attendue après « ( »"_s;
    QTest::newRow("not a number") << u"Âge > 15cm"_s
                                  << u"colonne 7 : « 15cm » n'est pas un nombre"_s;
    QTest::newRow("stray character")
        << u"Âge # 3"_s << u"colonne 5 : le caractère « # » est inattendu"_s;
    QTest::newRow("text on numeric")
        << u"[Taille (cm)] > \"grand\""_s
        << u"colonne 17 : « Taille (cm) » est numérique : un nombre est attendu, pas « grand »"_s;
    QTest::newRow("order on words")
        << u"Sexe < \"F\""_s
        << u"colonne 6 : « < » compare des nombres, et « Sexe » est qualitative"_s;
    QTest::newRow("columns count what is seen")
        << u"Transport = \"e\u0301\" OU Transport = \"🚲\" ET Poids = 1"_s
        << u"colonne 39 : la variable « Poids » n'existe pas (variables : Sexe, Taille (cm), "
           u"Transport, Âge, Code)"_s;
    QTest::newRow("too deep") << QString(300, u'(')
                              << u"colonne 66 : le filtre est imbriqué trop profondément"_s;
}

// GIVEN a faulty filter WHEN it is read THEN the fault names its column and why.
void FilterTest::faults() {
    QFETCH(QString, filter);
    QFETCH(QString, fault);
    const core::Reading<Filter> f = parseFilter(filter, sample::classOfEight());
    QVERIFY(!f);
    QCOMPARE(f.error.line, 1);
    QCOMPARE(filterFault(f.error), fault);
}

void FilterTest::builtTexts_data() {
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bracketed, number")
        << comparisonText(u"Taille (cm)"_s, Comparison::GreaterOrEqual, 160)
        << u"[Taille (cm)] ≥ 160"_s << u"01101111"_s;
    QTest::newRow("decimal comma")
        << comparisonText(u"Taille (cm)"_s, Comparison::Less, u"161,5"_s, true)
        << u"[Taille (cm)] < 161,5"_s << u"10000101"_s;
    QTest::newRow("bare, text") << comparisonText(u"Sexe"_s, Comparison::NotEqual, u"F"_s, false)
                                << u"Sexe ≠ \"F\""_s << u"01001001"_s;
    QTest::newRow("ET wraps OU") << joinFilters(u"Sexe = \"M\" OU Sexe = \"F\""_s, true,
                                                u"Âge = 17"_s)
                                 << u"(Sexe = \"M\" OU Sexe = \"F\") ET Âge = 17"_s
                                 << u"00010001"_s;
    QTest::newRow("OU needs none")
        << joinFilters(u"Sexe = \"M\""_s, false, u"Sexe = \"F\" ET Âge = 17"_s)
        << u"Sexe = \"M\" OU Sexe = \"F\" ET Âge = 17"_s << u"01011001"_s;
    QTest::newRow("first choice") << joinFilters(u""_s, true, u"Âge = 17"_s) << u"Âge = 17"_s
                                  << u"00010001"_s;
}

// GIVEN choices WHEN the filter's text is built THEN it reads as typed and keeps the same.
void FilterTest::builtTexts() {
    QFETCH(QString, built);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(built, text);
    const Dataset d = sample::classOfEight();
    QCOMPARE(kept(evaluate(*parseFilter(built, d).value, d)), expected);
    QCOMPARE(variableText(u"Et"_s), u"[Et]"_s);
    QCOMPARE(variableText(u"a]b"_s), u"[a]]b]"_s);
    QCOMPARE(comparisonText(u"Nom"_s, Comparison::Equal, u"a\"b"_s, false), u"Nom = \"a\"\"b\""_s);
    Dataset quoted;
    quoted.assign({sample::qualitative(u"a]b"_s, {u"a\"b"_s, u"c"_s})}, 2);
    const auto f =
        parseFilter(comparisonText(u"a]b"_s, Comparison::Equal, u"a\"b"_s, false), quoted);
    QVERIFY(f);
    QCOMPARE(kept(evaluate(*f.value, quoted)), u"10"_s);
}

void FilterTest::sentence_data() {
    QTest::addColumn<qulonglong>("count");
    QTest::addColumn<qulonglong>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped") << 124ull << 1000000ull << u"124 individus sur 1\u202f000\u202f000"_s;
    QTest::newRow("one") << 1ull << 8ull << u"1 individu sur 8"_s;
    QTest::newRow("none") << 0ull << 8ull << u"0 individu sur 8"_s;
}

void FilterTest::sentence() {
    QFETCH(qulonglong, count);
    QFETCH(qulonglong, rows);
    QFETCH(QString, text);
    QCOMPARE(selectionSentence(Selection{{}, count}, rows), text);
}

// GIVEN a random file WHEN a filter mixing every word is evaluated THEN it keeps what a
// loop over the rows keeps.
void FilterTest::randomAgainstRowByRow() {
    const Dataset d = sample::randomDataset(20003, 99);
    const auto f = parseFilter(
        u"Sexe = \"F\" ET (Taille > 160 OU NON Transport = \"Bus\") OU Temps ≤ 5 ET Groupe ≠ 7"_s,
        d);
    QVERIFY(f);
    const Selection s = evaluate(*f.value, d);
    const auto& v = d.variables();
    std::size_t count = 0;
    for (std::size_t i = 0; i < d.rowCount(); ++i) {
        const bool female = v[0].codes[i] >= 0 && v[0].labels[v[0].codes[i]] == u"F"_s;
        const bool bus = v[1].codes[i] >= 0 && v[1].labels[v[1].codes[i]] == u"Bus"_s;
        const bool seven = v[2].codes[i] >= 0 && v[2].labels[v[2].codes[i]] == u"7"_s;
        const bool groupKnown = v[2].codes[i] >= 0;
        const bool keep = (female && (v[3].numbers[i] > 160 || !bus)) ||
                          (v[4].numbers[i] <= 5 && groupKnown && !seven);
        QCOMPARE(bool(s.kept[i]), keep);
        count += keep;
    }
    QCOMPARE(s.count, count);
}

QTEST_GUILESS_MAIN(FilterTest)
#include "tst_filter.moc"
