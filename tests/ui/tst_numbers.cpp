// Regional numbers, the general form, the "0.000" pattern, the rounding words and the
// generator: the arithmetic every routine builds on.

#include "core/failure.h"
#include "core/numbers.h"
#include "core/random.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {
QLocale localeNamed(const QString& name) {
    return name == u"fr" ? QLocale(QLocale::French, QLocale::France)
                         : QLocale(QLocale::English, QLocale::UnitedStates);
}
}  // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void plainTextsReadExactly_data();
    void plainTextsReadExactly();
    void generalForm_data();
    void generalForm();
    void threeDecimals_data();
    void threeDecimals();
    void generalFormReadsBack();
    void sixteenBitStore_data();
    void sixteenBitStore();
    void intRoundsDown();
    void overflowFails();
    void cAndPosixMeanFrench();
    void generatorIsFixedAndUniform();
};

void NumbersTest::readsNumbers_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "fr"
                           << "12" << true << 12.0;
    QTest::newRow("decimal comma") << "fr"
                                   << "3,5" << true << 3.5;
    QTest::newRow("blanks around") << "fr"
                                   << "  7 " << true << 7.0;
    QTest::newRow("negative") << "fr"
                              << "-2,25" << true << -2.25;
    QTest::newRow("plus sign") << "fr"
                               << "+4" << true << 4.0;
    QTest::newRow("leading separator") << "fr"
                                       << ",5" << true << 0.5;
    QTest::newRow("trailing separator") << "fr"
                                        << "5," << true << 5.0;
    QTest::newRow("leading zeros") << "fr"
                                   << "012" << true << 12.0;
    QTest::newRow("exponent") << "fr"
                              << "1,5E-05" << true << 1.5e-5;
    QTest::newRow("lower-case exponent") << "fr"
                                         << "2e3" << true << 2000.0;
    QTest::newRow("largest") << "fr"
                             << "1e308" << true << 1e308;
    QTest::newRow("underflow is zero") << "fr"
                                       << "1e-400" << true << 0.0;
    QTest::newRow("twenty digits") << "fr"
                                   << "12345678901234567890" << true << 12345678901234567890.0;
    QTest::newRow("point in French") << "fr"
                                     << "3.5" << false << 0.0;
    QTest::newRow("empty") << "fr"
                           << "" << false << 0.0;
    QTest::newRow("blank only") << "fr"
                                << "   " << false << 0.0;
    QTest::newRow("letters") << "fr"
                             << "abc" << false << 0.0;
    QTest::newRow("digits then letter") << "fr"
                                        << "12a" << false << 0.0;
    QTest::newRow("grouped") << "fr"
                             << "1 000" << false << 0.0;
    QTest::newRow("two separators") << "fr"
                                    << "1,2,3" << false << 0.0;
    QTest::newRow("double sign") << "fr"
                                 << "--1" << false << 0.0;
    QTest::newRow("blank after sign") << "fr"
                                      << "- 5" << false << 0.0;
    QTest::newRow("sign only") << "fr"
                               << "-" << false << 0.0;
    QTest::newRow("exponent without digits") << "fr"
                                             << "5E" << false << 0.0;
    QTest::newRow("exponent alone") << "fr"
                                    << "E5" << false << 0.0;
    QTest::newRow("beyond double") << "fr"
                                   << "1e400" << false << 0.0;
    QTest::newRow("infinity") << "fr"
                              << "inf" << false << 0.0;
    QTest::newRow("not a number") << "fr"
                                  << "nan" << false << 0.0;
    QTest::newRow("tab") << "fr"
                         << "5\t" << false << 0.0;
    QTest::newRow("point locale") << "en"
                                  << "3.5" << true << 3.5;
    QTest::newRow("comma in point locale") << "en"
                                           << "3,5" << false << 0.0;
    QTest::newRow("grouping in point locale") << "en"
                                              << "1,000" << false << 0.0;
}

void NumbersTest::readsNumbers() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    core::setRegionalLocale(localeNamed(locale));

    const auto read = core::readNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber) {
        QCOMPARE(*read, value);
        QCOMPARE(core::numberFromText(text), value);
    } else {
        QVERIFY_THROWS_EXCEPTION(core::Failure, core::numberFromText(text));
    }
}

// Signs, up to eighteen digits and a decimal mark anywhere, under both marks: each
// text reads as the double QByteArray's own reading gives, to the last bit and sign.
void NumbersTest::plainTextsReadExactly_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("comma") << u"fr"_s << 7u;
    QTest::newRow("point") << u"en"_s << 8u;
}

void NumbersTest::plainTextsReadExactly() {
    QFETCH(QString, locale);
    QFETCH(quint32, seed);
    core::setRegionalLocale(localeNamed(locale));
    const QChar mark = locale == u"fr" ? u',' : u'.';
    QRandomGenerator random(seed);
    for (int n = 0; n < 5000; ++n) {
        QString text = QString(u"+-"_s[random.bounded(2)]).left(random.bounded(2));
        const int digits = 1 + random.bounded(18), point = random.bounded(digits + 2);
        for (int i = 0; i < digits; ++i) {
            if (i == point) text += mark;
            text += QChar(u'0' + random.bounded(10));
        }
        if (point == digits) text += mark;
        QByteArray plain = text.toLatin1();
        plain.replace(mark.toLatin1(), '.');
        bool ok = false;
        const double expected = plain.toDouble(&ok);
        QVERIFY2(ok, plain.constData());
        const std::optional<double> read = core::readNumber(text);
        QVERIFY2(read, qPrintable(text));
        QCOMPARE(std::bit_cast<quint64>(*read), std::bit_cast<quint64>(expected));
    }
    core::setRegionalLocale(localeNamed(u"fr"_s));
}

void NumbersTest::generalForm_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("french");
    QTest::addColumn<QString>("english");

    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("whole") << 45.0 << "45"
                           << "45";
    QTest::newRow("hundred") << 100.0 << "100"
                             << "100";
    QTest::newRow("decimal") << 3.5 << "3,5"
                             << "3.5";
    QTest::newRow("no grouping") << 1234.5 << "1234,5"
                                 << "1234.5";
    QTest::newRow("negative") << -2.25 << "-2,25"
                              << "-2.25";
    QTest::newRow("third") << 1.0 / 3 << "0,333333333333333"
                           << "0.333333333333333";
    QTest::newRow("two thirds rounds") << 2.0 / 3 << "0,666666666666667"
                                       << "0.666666666666667";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0,3"
                                         << "0.3";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345"
                                    << "123456789012345";
    QTest::newRow("from 1E+15") << 1e15 << "1E+15"
                                << "1E+15";
    QTest::newRow("huge") << 1e308 << "1E+308"
                          << "1E+308";
    QTest::newRow("huge negative") << -1.5e300 << "-1,5E+300"
                                   << "-1.5E+300";
    QTest::newRow("small fixed") << 0.0001 << "0,0001"
                                 << "0.0001";
    QTest::newRow("below 1E-04") << 1.5e-5 << "1,5E-05"
                                 << "1.5E-05";
    QTest::newRow("tiny") << -1e-300 << "-1E-300"
                          << "-1E-300";
    QTest::newRow("rounds to a power") << 999999999999999.9 << "1E+15"
                                       << "1E+15";
}

void NumbersTest::generalForm() {
    QFETCH(double, value);
    QFETCH(QString, french);
    QFETCH(QString, english);
    core::setRegionalLocale(localeNamed(u"fr"_s));
    QCOMPARE(core::textOfNumber(value), french);
    core::setRegionalLocale(localeNamed(u"en"_s));
    QCOMPARE(core::textOfNumber(value), english);
}

void NumbersTest::threeDecimals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("whole") << "45"
                           << "45,000";
    QTest::newRow("zero") << "0"
                          << "0,000";
    QTest::newRow("half up on the text") << "1,0005"
                                         << "1,001";
    QTest::newRow("below half") << "2,0004999"
                                << "2,000";
    QTest::newRow("negative half away from zero") << "-1,0005"
                                                  << "-1,001";
    QTest::newRow("negative rounding to zero") << "-0,0004"
                                               << "0,000";
    QTest::newRow("first digit in fourth place") << "0,0005"
                                                 << "0,001";
    QTest::newRow("carry through nines") << "9,9995"
                                         << "10,000";
    QTest::newRow("carry into a new digit") << "0,9996"
                                            << "1,000";
    QTest::newRow("mean of 3, 3 and 5") << "3,66666666666667"
                                        << "3,667";
    QTest::newRow("large") << "1E+20"
                           << "100000000000000000000,000";
    QTest::newRow("tiny") << "1E-20"
                          << "0,000";
    QTest::newRow("exponent form with decimals") << "1,23456E+02"
                                                 << "123,456";
    QTest::newRow("zero with a huge exponent") << ",0E705888888888888888888888888888"
                                               << "0,000";
    QTest::newRow("underflow with a huge exponent") << "5E-705888888888888888888888888888"
                                                    << "0,000";
}

void NumbersTest::threeDecimals() {
    QFETCH(QString, text);
    QFETCH(QString, formatted);
    core::setRegionalLocale(localeNamed(u"fr"_s));
    QCOMPARE(core::formatThreeDecimals(text), formatted);

    core::setRegionalLocale(localeNamed(u"en"_s));
    QString pointText = text;
    pointText.replace(u',', u'.');
    QString pointFormatted = formatted;
    pointFormatted.replace(u',', u'.');
    QCOMPARE(core::formatThreeDecimals(pointText), pointFormatted);
}

void NumbersTest::generalFormReadsBack() {
    core::setRegionalLocale(localeNamed(u"fr"_s));
    // A double of 1.0005 lies just below the half; its general form does not.
    QCOMPARE(core::formatThreeDecimals(1.0005), u"1,001"_s);
    QVERIFY_THROWS_EXCEPTION(core::Failure, core::formatThreeDecimals(u"abc"_s));
    // The largest doubles too: their 15-digit form rounds past the double range.
    for (double v :
         {1.0 / 3, -2.0 / 7, 1e-300, 6.02214076e23, 1e308, -123.456, 5e-324, DBL_MAX, -DBL_MAX}) {
        const double back = core::numberFromText(core::textOfNumber(v));
        QVERIFY2(std::abs(back - v) <= std::abs(v) * 1e-14, qPrintable(core::textOfNumber(v)));
    }
}

void NumbersTest::sixteenBitStore_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("stored");

    QTest::newRow("half to even down") << 2.5 << true << 2;
    QTest::newRow("half to even up") << 3.5 << true << 4;
    QTest::newRow("negative half") << -2.5 << true << -2;
    QTest::newRow("nearest") << 2207.6 << true << 2208;
    QTest::newRow("largest") << 32767.4 << true << 32767;
    QTest::newRow("rounds past the largest") << 32767.5 << false << 0;
    QTest::newRow("smallest by half to even") << -32768.5 << true << -32768;
    QTest::newRow("below the smallest") << -32769.0 << false << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void NumbersTest::sixteenBitStore() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, stored);
    if (fits) {
        QCOMPARE(int(core::toInt16(value)), stored);
    } else {
        QVERIFY_THROWS_EXCEPTION(core::Failure, core::toInt16(value));
    }
}

void NumbersTest::intRoundsDown() {
    QCOMPARE(core::intFloor(2.999), 2.0);
    QCOMPARE(core::intFloor(-0.5), -1.0);
    QCOMPARE(core::intFloor(-3.0), -3.0);
}

void NumbersTest::overflowFails() {
    QCOMPARE(core::checked(1e308), 1e308);
    QVERIFY_THROWS_EXCEPTION(core::Failure, core::checked(1e308 * 10));
}

void NumbersTest::cAndPosixMeanFrench() {
    // The test runs with LANG=C.UTF-8 (see the test registration).
    if (QLocale::system().language() != QLocale::C) QSKIP("the environment names a locale");
    QCOMPARE(core::localeFromEnvironment().decimalPoint(), u","_s);
    QCOMPARE(core::localeFromEnvironment().language(), QLocale::French);
}

void NumbersTest::generatorIsFixedAndUniform() {
    core::Random::restart();
    QList<float> first;
    for (int i = 0; i < 6; ++i) first << core::Random::next();
    QCOMPARE(first.front(), 0.7055475f);

    core::Random::restart();
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const float r = core::Random::next();
        if (i < 6) QCOMPARE(r, first[i]);
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++buckets[int(r * 10)];
    }
    for (int b : buckets)
        QVERIFY2(b > 9000 && b < 11000, "every tenth of [0, 1) is drawn about as often");
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
