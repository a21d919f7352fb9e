// Typing into the text boxes through the key filter, and text pasted or undone into them:
// what reaches a box is what the keys may leave there.

#include "support/fresh_start.h"

#include <QClipboard>
#include <QTest>

using namespace Qt::StringLiterals;

class TypingTest : public QObject {
    Q_OBJECT

private slots:
    void keyFilter_data();
    void keyFilter();
    void keypadDecimalBecomesTheRegionalSeparator_data();
    void keypadDecimalBecomesTheRegionalSeparator();
    void textBroughtInKeepsWhatTheKeysMayLeave_data();
    void textBroughtInKeepsWhatTheKeysMayLeave();

private:
    statistique& shownWithFocusOnText1(const QString& text, const QLocale& locale = test::french());
};

namespace {

// One keystroke of a row's script: "kp:7" keypad key, "row:1" main-row digit, "hold:c:3"
// a letter held for three auto-repeats, or a named key.
void strike(QWidget* box, const QString& token) {
    // QTest derives the text of printable keys.
    const auto click = [box](Qt::Key key) { QTest::keyClick(box, key); };
    if (token.startsWith(u"kp:")) {
        const QChar c = token.at(3);
        const Qt::Key key = c == u'.'   ? Qt::Key_Period
                            : c == u',' ? Qt::Key_Comma
                            : c == u'-' ? Qt::Key_Minus
                                        : Qt::Key(c.unicode());
        QTest::sendKeyEvent(QTest::Press, box, key, QString(c), Qt::KeypadModifier);
        QTest::sendKeyEvent(QTest::Release, box, key, QString(c), Qt::KeypadModifier);
    } else if (token.startsWith(u"row:")) {
        click(Qt::Key(token.at(4).unicode()));
    } else if (token.startsWith(u"hold:")) {
        const QString letter = token.mid(5, 1);
        const int repeats = token.mid(7).toInt();
        const Qt::Key key = Qt::Key(letter.toUpper().at(0).unicode());
        for (int i = 0; i < repeats; ++i) {
            QTest::simulateEvent(box, true, key, Qt::NoModifier, letter, i > 0);
            if (i + 1 < repeats)
                QTest::simulateEvent(box, false, key, Qt::NoModifier, letter, true);
        }
        QTest::simulateEvent(box, false, key, Qt::NoModifier, letter, false);
    } else if (token == u"shift") {
        QTest::keyClick(box, Qt::Key_Shift);
    } else if (token == u"shift+1") {
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_Shift, QString(), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Exclam, u"!"_s, Qt::ShiftModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    } else if (token == u"ctrl+c") {
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    } else if (token == u"alt+f") {
        QTest::keyClick(box, Qt::Key_F, Qt::AltModifier);
    } else {
        static const QHash<QString, Qt::Key> named = {
            {u"comma"_s, Qt::Key_Comma},   {u"point"_s, Qt::Key_Period},
            {u"minus"_s, Qt::Key_Minus},   {u"space"_s, Qt::Key_Space},
            {u"left"_s, Qt::Key_Left},     {u"right"_s, Qt::Key_Right},
            {u"delete"_s, Qt::Key_Delete}, {u"backspace"_s, Qt::Key_Backspace},
            {u"enter"_s, Qt::Key_Return},  {u"numlock"_s, Qt::Key_NumLock},
            {u"up"_s, Qt::Key_Up},         {u"home"_s, Qt::Key_Home},
            {u"f1"_s, Qt::Key_F1},         {u"escape"_s, Qt::Key_Escape},
            {u"tab"_s, Qt::Key_Tab},       {u"a"_s, Qt::Key_A},
            {u"alt"_s, Qt::Key_Alt}};
        QVERIFY2(named.contains(token), qPrintable(token));
        click(named.value(token));
    }
    test::settle();  // the filter's keystrokes are queued
}

}  // namespace
statistique& TypingTest::shownWithFocusOnText1(const QString& text, const QLocale& locale) {
    statistique& window = test::freshStart(locale);
    window.showCentred();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
    window.Text1->setFocus();
    window.Text1->setText(text);
    window.Text1->end(false);
    return window;
}

void TypingTest::keyFilter_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");

    QTest::newRow("keypad digits stay") << ""
                                        << "kp:1 kp:2"
                                        << "12";
    QTest::newRow("main-row digits are erased") << ""
                                                << "row:1 row:2"
                                                << "";
    QTest::newRow("shifted main-row digit is erased, Shift erases nothing") << "7"
                                                                            << "shift+1"
                                                                            << "7";
    QTest::newRow("comma key stays") << "3"
                                     << "comma kp:5"
                                     << "3,5";
    QTest::newRow("minus is erased") << "4"
                                     << "minus"
                                     << "4";
    QTest::newRow("keypad minus is erased") << "4"
                                            << "kp:-"
                                            << "4";
    QTest::newRow("point is erased") << "4"
                                     << "point"
                                     << "4";
    QTest::newRow("blank is erased") << "4"
                                     << "space"
                                     << "4";
    QTest::newRow("letter is erased") << "4"
                                      << "a"
                                      << "4";
    QTest::newRow("auto-repeat: one release, one erasure") << "4"
                                                           << "hold:c:3"
                                                           << "4cc";
    QTest::newRow("Shift erases nothing") << "12"
                                          << "shift"
                                          << "12";
    QTest::newRow("Ctrl+C erases nothing") << "12"
                                           << "ctrl+c"
                                           << "12";
    QTest::newRow("Up erases nothing") << "12"
                                       << "up"
                                       << "12";
    QTest::newRow("Home erases nothing") << "12"
                                         << "home kp:3"
                                         << "312";
    QTest::newRow("F1 erases nothing") << "12"
                                       << "f1"
                                       << "12";
    QTest::newRow("Escape erases nothing") << "12"
                                           << "escape"
                                           << "12";
    QTest::newRow("Tab erases nothing") << "12"
                                        << "tab"
                                        << "12";
    QTest::newRow("arrows move the caret") << "12"
                                           << "left kp:3 right kp:4"
                                           << "1324";
    QTest::newRow("Delete deletes") << "12"
                                    << "left left delete"
                                    << "2";
    QTest::newRow("Backspace deletes") << "12"
                                       << "backspace"
                                       << "1";
    QTest::newRow("Enter changes nothing") << "12"
                                           << "enter"
                                           << "12";
    QTest::newRow("Num Lock changes nothing") << "12"
                                              << "numlock"
                                              << "12";
    QTest::newRow("Alt erases nothing") << "12"
                                        << "alt"
                                        << "12";
    QTest::newRow("a menu's mnemonic erases nothing") << "12"
                                                      << "alt+f escape escape"
                                                      << "12";
}

void TypingTest::keyFilter() {
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    statistique& window = shownWithFocusOnText1(before);
    for (const QString& token : keys.split(u' ')) strike(window.Text1, token);
    QCOMPARE(window.Text1->text(), after);
}

void TypingTest::keypadDecimalBecomesTheRegionalSeparator_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("decimalKey");
    QTest::addColumn<QString>("after");
    QTest::newRow("French, key gives a point") << test::french() << "kp:."
                                               << "3,5";
    QTest::newRow("French, key gives a comma") << test::french() << "kp:,"
                                               << "3,5";
    QTest::newRow("point locale, key gives a point") << test::english() << "kp:."
                                                     << "3.5";
    QTest::newRow("point locale, key gives a comma") << test::english() << "kp:,"
                                                     << "3.5";
}

void TypingTest::keypadDecimalBecomesTheRegionalSeparator() {
    QFETCH(QLocale, locale);
    QFETCH(QString, decimalKey);
    QFETCH(QString, after);
    statistique& window = shownWithFocusOnText1(QString(), locale);
    for (const QString& token : {u"kp:3"_s, decimalKey, u"kp:5"_s}) strike(window.Text1, token);
    QCOMPARE(window.Text1->text(), after);
    // ... and it is a number the series takes.
    QTest::mouseClick(window.Command_ajout, Qt::LeftButton);
    QCOMPARE(window.List1->itemText(1), after);
    QCOMPARE(window.List2->itemText(0), u"Valeur max= "_s + after);
}

void TypingTest::textBroughtInKeepsWhatTheKeysMayLeave_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("keys");  // ctrl+v, shift+insert, or a letter then ctrl+z
    QTest::addColumn<QString>("after");
    QTest::newRow("a negative value pasted") << "Text1"
                                             << ""
                                             << "-5"
                                             << "ctrl+v"
                                             << "5";
    QTest::newRow("a point is no decimal mark in French") << "Text1"
                                                          << ""
                                                          << "1.5"
                                                          << "shift+insert"
                                                          << "15";
    QTest::newRow("a price") << "Text1"
                             << "1"
                             << "2,5 €"
                             << "ctrl+v"
                             << "12,5";
    QTest::newRow("undo brings back no erased letter") << "Text1"
                                                       << "7"
                                                       << ""
                                                       << "a ctrl+z"
                                                       << "7";
    QTest::newRow("lines stay in the second list") << "Text_liste2"
                                                   << ""
                                                   << "3\n-4\nabc\n5,5"
                                                   << "ctrl+v"
                                                   << "3\r\n4\r\n\r\n5,5";
    QTest::newRow("undo in the second list") << "Text_liste2"
                                             << "7"
                                             << ""
                                             << "a ctrl+z"
                                             << "7";
}

// Pasted or undone text never carries what the key filter would have erased: a pasted
// "-5" would put a negative value into a series the keys cannot make negative.
void TypingTest::textBroughtInKeepsWhatTheKeysMayLeave() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    statistique& window = shownWithFocusOnText1(before);
    QWidget* target = box == u"Text1" ? static_cast<QWidget*>(window.Text1) : window.Text_liste2;
    window.Text_liste2->setText(before);
    window.Text_liste2->moveCursor(QTextCursor::End);
    target->setFocus();
    QGuiApplication::clipboard()->setText(QString(clipboard).replace(u"\\n"_s, u"\n"_s));
    for (const QString& key : keys.split(u' ')) {
        if (key == u"ctrl+v") QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        if (key == u"shift+insert") QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        if (key == u"ctrl+z") QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        if (key == u"a") QTest::keyClick(target, Qt::Key_A);
        test::settle();
    }
    const QString text = box == u"Text1" ? window.Text1->text() : window.Text_liste2->text();
    QCOMPARE(text, QString(after).replace(u"\\r\\n"_s, u"\r\n"_s));
}

QTEST_MAIN(TypingTest)
#include "tst_typing.moc"
