// Key codes from Qt key events, and what the text boxes report of each release.

#include "ui/key_codes.h"
#include "ui/key_memory.h"
#include "ui/send_keys.h"
#include "ui/text_box.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class KeyCodesTest : public QObject {
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void shiftState();
    void codesOfUnshiftedSymbols_data();
    void codesOfUnshiftedSymbols();
    void releaseReportsWhetherTheKeyTyped_data();
    void releaseReportsWhetherTheKeyTyped();
    void autoRepeatReleasesOnce();
    void simulatedKeysNeverCountAsTyped();
    void multiLineBoxReportsKeysToo();
};

void KeyCodesTest::codes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 96;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 105;
    QTest::newRow("keypad decimal point") << int(Qt::Key_Period) << keypad << 110;
    QTest::newRow("keypad decimal comma") << int(Qt::Key_Comma) << keypad << 110;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << 109;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << 13;
    QTest::newRow("keypad end without Num Lock") << int(Qt::Key_End) << keypad << 35;
    QTest::newRow("keypad delete without Num Lock") << int(Qt::Key_Delete) << keypad << 46;
    QTest::newRow("row 0") << int(Qt::Key_0) << none << 48;
    QTest::newRow("row 7") << int(Qt::Key_7) << none << 55;
    QTest::newRow("shifted 1 on a US keyboard")
        << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 49;
    QTest::newRow("letter a") << int(Qt::Key_A) << none << 65;
    QTest::newRow("letter z") << int(Qt::Key_Z) << none << 90;
    QTest::newRow("comma key") << int(Qt::Key_Comma) << none << 188;
    QTest::newRow("point key") << int(Qt::Key_Period) << none << 190;
    QTest::newRow("minus key") << int(Qt::Key_Minus) << none << 189;
    QTest::newRow("space") << int(Qt::Key_Space) << none << 32;
    QTest::newRow("return") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 8;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << 46;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 39;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 38;
    QTest::newRow("num lock") << int(Qt::Key_NumLock) << none << 144;
    QTest::newRow("shift") << int(Qt::Key_Shift) << none << 16;
    QTest::newRow("control") << int(Qt::Key_Control) << none << 17;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << 27;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
    QTest::newRow("no code") << int(Qt::Key_VolumeUp) << none << 0;
}

void KeyCodesTest::codes() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyRelease, key, modifiers);
    QCOMPARE(ui::keyCode(event), code);
}

void KeyCodesTest::shiftState() {
    QCOMPARE(ui::shiftState(Qt::NoModifier), 0);
    QCOMPARE(ui::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    QCOMPARE(ui::shiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

void KeyCodesTest::releaseReportsWhetherTheKeyTyped_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("typed");

    QTest::newRow("letter") << int(Qt::Key_A) << "a" << int(Qt::NoModifier) << true;
    QTest::newRow("keypad digit") << int(Qt::Key_4) << "4" << int(Qt::KeypadModifier) << true;
    QTest::newRow("shift") << int(Qt::Key_Shift) << "" << int(Qt::NoModifier) << false;
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << "\x03" << int(Qt::ControlModifier) << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << int(Qt::NoModifier) << false;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << int(Qt::NoModifier) << false;
    QTest::newRow("F5") << int(Qt::Key_F5) << "" << int(Qt::NoModifier) << false;
}

void KeyCodesTest::releaseReportsWhetherTheKeyTyped() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(bool, typed);

    // GIVEN a one-line box holding "12"
    ui::TextBox box(nullptr);
    box.setText(u"12"_s);
    bool reported = !typed;
    connect(&box, &ui::TextBox::keyReleased, &box,
            [&] { reported = ui::KeyMemory::lastReleaseTyped(); });
    // WHEN the key is pressed and released
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QTest::sendKeyEvent(QTest::Press, &box, Qt::Key(key), text, mods);
    QTest::sendKeyEvent(QTest::Release, &box, Qt::Key(key), text, mods);
    // THEN its release tells whether it typed a character
    QCOMPARE(reported, typed);
}

void KeyCodesTest::autoRepeatReleasesOnce() {
    ui::TextBox box(nullptr);
    QSignalSpy releases(&box, &ui::TextBox::keyReleased);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, u"b"_s, i > 0);
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, u"b"_s, true);
        QApplication::sendEvent(&box, &press);
        if (i < 2) QApplication::sendEvent(&box, &repeatRelease);
    }
    QTest::sendKeyEvent(QTest::Release, &box, Qt::Key_B, u"b"_s, Qt::NoModifier);
    QCOMPARE(box.text(), u"bbb"_s);
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.at(0).at(0).toInt(), 66);
}

void KeyCodesTest::simulatedKeysNeverCountAsTyped() {
    ui::TextBox box(nullptr);
    box.show();
    box.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    bool typed = true;
    QSignalSpy releases(&box, &ui::TextBox::keyReleased);
    connect(&box, &ui::TextBox::keyReleased, &box,
            [&] { typed = ui::KeyMemory::lastReleaseTyped(); });

    ui::sendKey(Qt::Key_Period, u"."_s);
    QCOMPARE(box.text(), u""_s);  // queued, not yet handled
    QTRY_COMPARE(releases.count(), 1);
    QCOMPARE(box.text(), u"."_s);
    QCOMPARE(releases.at(0).at(0).toInt(), 190);
    QVERIFY(!typed);
}

void KeyCodesTest::multiLineBoxReportsKeysToo() {
    ui::MultiLineTextBox box(nullptr);
    bool typed = false;
    QSignalSpy releases(&box, &ui::MultiLineTextBox::keyReleased);
    connect(&box, &ui::MultiLineTextBox::keyReleased, &box,
            [&] { typed = ui::KeyMemory::lastReleaseTyped(); });
    QTest::keyClick(&box, Qt::Key_X);
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.at(0).at(0).toInt(), 88);
    QVERIFY(typed);
    QTest::keyClick(&box, Qt::Key_Shift);
    QVERIFY(!typed);
}

// Under X11 a key is told by what it types without Shift: Shift+"," on a French
// keyboard is still the comma key, and the separate "<" key is a key of its own.
void KeyCodesTest::codesOfUnshiftedSymbols_data() {
    QTest::addColumn<uint>("keysym");
    QTest::addColumn<int>("code");
    QTest::newRow("comma") << uint(',') << 188;
    QTest::newRow("less, left of W") << uint('<') << 226;
    QTest::newRow("point") << uint('.') << 190;
    QTest::newRow("letter") << uint('q') << 81;
    QTest::newRow("digit") << uint('7') << 55;
    QTest::newRow("e acute: left to the toolkit") << uint(0xe9) << 0;
    QTest::newRow("Return: left to the toolkit") << uint(0xff0d) << 0;
}

void KeyCodesTest::codesOfUnshiftedSymbols() {
    QFETCH(uint, keysym);
    QFETCH(int, code);
    QCOMPARE(ui::codeOfUnshiftedSymbol(keysym), code);
}

QTEST_MAIN(KeyCodesTest)
#include "tst_key_codes.moc"
