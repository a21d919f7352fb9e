// The key filter's decision on its own, without a window: which released keys keep the
// character they typed, which have it erased, and which have it replaced by the regional
// decimal separator; and what survives of text brought in without typing.

#include "core/key_codes.h"
#include "core/key_filter.h"

#include <QTest>

using namespace Qt::StringLiterals;
namespace key = core::key;

class KeyFilterTest : public QObject {
    Q_OBJECT

private slots:
    void typedKeys_data();
    void typedKeys();
    void keysThatTypedNothingAreLeftAlone();
    void broughtInText_data();
    void broughtInText();
};

void KeyFilterTest::typedKeys_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("erase");
    QTest::addColumn<bool>("decimal");
    // GIVEN a key that put a character into the box
    for (int code = key::NumPad0; code <= key::NumPad9; ++code)
        QTest::addRow("keypad %d", code - key::NumPad0) << code << false << false;
    QTest::newRow("keypad decimal") << key::Decimal << false << true;
    QTest::newRow("comma key") << key::Comma << false << false;
    QTest::newRow("enter") << key::Enter << false << false;
    QTest::newRow("left") << key::Left << false << false;
    QTest::newRow("right") << key::Right << false << false;
    QTest::newRow("delete") << key::Delete << false << false;
    QTest::newRow("backspace") << key::Backspace << false << false;
    QTest::newRow("num lock") << key::NumLock << false << false;
    // the row of digits above the letters is not the keypad
    QTest::newRow("digit 0") << key::Digit0 << true << false;
    QTest::newRow("digit 9") << key::Digit9 << true << false;
    QTest::newRow("letter A") << key::A << true << false;
    QTest::newRow("space") << key::Space << true << false;
    QTest::newRow("period key") << key::Period << true << false;
    QTest::newRow("minus key") << key::Minus << true << false;
    QTest::newRow("keypad minus") << key::Subtract << true << false;
    QTest::newRow("less-greater") << key::LessGreater << true << false;
    QTest::newRow("up") << key::Up << true << false;
    QTest::newRow("one below the keypad") << key::NumPad0 - 1 << true << false;
    QTest::newRow("one above the keypad") << key::NumPad9 + 1 << true << false;
}

void KeyFilterTest::typedKeys() {
    QFETCH(int, code);
    QFETCH(bool, erase);
    QFETCH(bool, decimal);
    // WHEN the key is released THEN
    const key_filter::Action action = key_filter::actionFor(code, true);
    QCOMPARE(action.erase, erase);
    QCOMPARE(action.replaceDecimal, decimal);
    QCOMPARE(key_filter::keyAllowed(code), !erase);
}

void KeyFilterTest::keysThatTypedNothingAreLeftAlone() {
    for (int code : {int(key::A), int(key::Shift), int(key::Control), int(key::Tab),
                     int(key::Decimal), int(key::Escape), int(key::F1)}) {
        const key_filter::Action action = key_filter::actionFor(code, false);
        QVERIFY2(!action.erase && !action.replaceDecimal, qPrintable(QString::number(code)));
    }
}

void KeyFilterTest::broughtInText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("lines");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits stay") << u"0123456789"_s << u","_s << false << u"0123456789"_s;
    QTest::newRow("the regional separator stays") << u"12,5"_s << u","_s << false << u"12,5"_s;
    QTest::newRow("the other mark goes") << u"12.5"_s << u","_s << false << u"125"_s;
    QTest::newRow("signs, blanks, letters go") << u"-1 2e3x"_s << u","_s << false << u"123"_s;
    QTest::newRow("lines kept where the box has them")
        << u"1\r\n2\n3"_s << u","_s << true << u"1\r\n2\n3"_s;
    QTest::newRow("lines dropped in a one-value box") << u"1\r\n2"_s << u","_s << false << u"12"_s;
    QTest::newRow("a separator of two characters") << u"1,,5,2"_s << u",,"_s << false << u"1,,52"_s;
    QTest::newRow("no separator at all") << u"1,5"_s << QString() << false << u"15"_s;
    QTest::newRow("other scripts' digits go") << u"١٢3"_s << u","_s << false << u"3"_s;
    QTest::newRow("empty") << QString() << u","_s << true << QString();
}

void KeyFilterTest::broughtInText() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(bool, lines);
    QFETCH(QString, kept);
    QCOMPARE(key_filter::allowedCharacters(text, separator, lines), kept);
}

QTEST_GUILESS_MAIN(KeyFilterTest)
#include "tst_key_filter.moc"
