// The parameters of a series by the classroom's definitions, the table of counts, and
// the graduated axis of the box plot.

#include "core/graduations.h"
#include "core/numbers.h"
#include "core/parameters.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Values = std::vector<double>;
Q_DECLARE_METATYPE(Values)

class ParametersTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void definitions_data();
    void definitions();
    void tableOfCounts();
    void axes_data();
    void axes();
};

// The rows as the window shows them: Effectif total, Minimum, Maximum, Étendue, Moyenne,
// Médiane, Premier quartile, Troisième quartile, Écart interquartile, Mode, Variance,
// Écart-type.
void ParametersTest::definitions_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("worked example 5, 7, 5, 9")
        << Values{5, 7, 5, 9} << "4|5,000|9,000|4,000|6,500|6,000|5,000|7,000|2,000|5|2,750|1,658";
    QTest::newRow("1 to 10")
        << Values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
        << "10|1,000|10,000|9,000|5,500|5,500|3,000|8,000|5,000|aucun|8,250|2,872";
    QTest::newRow("n = 1") << Values{4}
                           << "1|4,000|4,000|0,000|4,000|4,000|4,000|4,000|0,000|4|0,000|0,000";
    QTest::newRow("n = 2") << Values{3, 1}
                           << "2|1,000|3,000|2,000|2,000|2,000|1,000|3,000|2,000|aucun|1,000|1,000";
    QTest::newRow("n = 3") << Values{2, 9, 4}
                           << "3|2,000|9,000|7,000|5,000|4,000|2,000|9,000|7,000|aucun|8,667|2,944";
    QTest::newRow("n = 5") << Values{10, 20, 30, 40, 50}
                           << "5|10,000|50,000|40,000|30,000|30,000|20,000|40,000|20,000|aucun|"
                              "200,000|14,142";
    QTest::newRow("n = 8, two modes")
        << Values{1, 2, 2, 3, 4, 4, 5, 6}
        << "8|1,000|6,000|5,000|3,375|3,500|2,000|4,000|2,000|2 ; 4|2,484|1,576";
    QTest::newRow("decimals and negatives")
        << Values{-1.5, 0.25, -1.5, 2}
        << "4|-1,500|2,000|3,500|-0,188|-0,625|-1,500|0,250|1,750|-1,5|2,105|1,451";
    QTest::newRow("all equal") << Values{7, 7, 7}
                               << "3|7,000|7,000|0,000|7,000|7,000|7,000|7,000|0,000|7|0,000|0,000";
    QTest::newRow("empty") << Values{} << "0|—|—|—|—|—|—|—|—|—|—|—";
    QTest::newRow("a variance beyond the double range")
        << Values{1e200, -1e200}
        << "2|" + core::formatThreeDecimals(u"-1E+200"_s) + "|" +
               core::formatThreeDecimals(u"1E+200"_s) + "|" +
               core::formatThreeDecimals(u"2E+200"_s) + "|0,000|0,000|" +
               core::formatThreeDecimals(u"-1E+200"_s) + "|" +
               core::formatThreeDecimals(u"1E+200"_s) + "|" +
               core::formatThreeDecimals(u"2E+200"_s) + "|aucun|—|—";
    QTest::newRow("a range beyond it") << Values{1e308, -1e308} << QString();
    QTest::newRow("off-centre, beyond it") << Values{1e308, 1e308, -1e308} << QString();
    QTest::newRow("computed stably") << Values{1e9 + 1, 1e9 + 2, 1e9 + 3}
                                     << "3|1000000001,000|1000000003,000|2,000|1000000002,000|"
                                        "1000000002,000|1000000001,000|1000000003,000|2,000|"
                                        "aucun|0,667|0,816";
}

void ParametersTest::definitions() {
    QFETCH(Values, values);
    QFETCH(QString, expected);
    const QStringList texts = core::parameterTexts(core::parameters(values));
    QCOMPARE(texts.size(), core::parameterNames().size());
    if (expected.isEmpty()) {
        // Nothing fails or hangs; what leaves the range shows a dash.
        QCOMPARE(texts[3], u"—"_s);
        QCOMPARE(texts[8], u"—"_s);
        QCOMPARE(texts[10], u"—"_s);
        QCOMPARE(texts[11], u"—"_s);
        return;
    }
    QCOMPARE(texts.join(u'|'), expected);
}

void ParametersTest::tableOfCounts() {
    // "5", "05" and "5,0" are one value, shown in the general form.
    const auto classes =
        core::countsTable(core::numbers({u"05"_s, u"3"_s, u"5,0"_s, u"5"_s, u"x"_s}));
    QCOMPARE(classes.size(), size_t(2));
    QCOMPARE(core::classText(classes[0]).join(u'|'), u"3|1|25,000|1|25,000"_s);
    QCOMPARE(core::classText(classes[1]).join(u'|'), u"5|3|75,000|4|100,000"_s);
    QCOMPARE(core::countsTableColumns().join(u'|'),
             u"Valeur|Effectif|Fréquence (%)|Effectif cumulé croissant|Fréquence cumulée "
             u"croissante (%)"_s);
}

void ParametersTest::axes_data() {
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("graduations");
    QTest::newRow("0 to 1") << 0.0 << 1.0 << "0|0,2|0,4|0,6|0,8|1";
    QTest::newRow("0 to 100") << 0.0 << 100.0 << "0|20|40|60|80|100";
    QTest::newRow("negative values") << -7.0 << -2.0 << "-7|-6|-5|-4|-3|-2";
    QTest::newRow("one single value") << 45.0 << 45.0 << "35|40|45|50|55";
    QTest::newRow("zero alone") << 0.0 << 0.0 << "-1|-0,5|0|0,5|1";
    QTest::newRow("the largest doubles")
        << -1e308 << 1e308 << "-1,5E+308|-1E+308|-5E+307|0|5E+307|1E+308|1,5E+308";
}

void ParametersTest::axes() {
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, graduations);
    const core::Axis axis = core::graduatedAxis(minimum, maximum);
    QStringList texts;
    for (long double g : axis.graduations) texts << core::textOfNumber(double(g) + 0.0);
    QCOMPARE(texts.join(u'|'), graduations);
    QVERIFY(axis.start <= minimum && axis.end >= maximum);
    QCOMPARE(axis.position(double(axis.start), 500), 0.0);
    QCOMPARE(axis.position(double(axis.end), 500), 500.0);
}

QTEST_GUILESS_MAIN(ParametersTest)
#include "tst_parameters.moc"
