// Any sequence of keys typed into the main window's new-value box, as a keyboard sends
// them: whatever the order, the box only ever keeps digits and the decimal separator.

#include "core/numbers.h"
#include "main_window/program.h"
#include "main_window/statistique.h"

#include <QApplication>
#include <QTest>

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

// Keypad, digit row, letters and signs, editing and modifier keys.
const Key kKeys[] = {
    {Qt::Key_0, Qt::KeypadModifier, "0"},      {Qt::Key_1, Qt::KeypadModifier, "1"},
    {Qt::Key_5, Qt::KeypadModifier, "5"},      {Qt::Key_9, Qt::KeypadModifier, "9"},
    {Qt::Key_Period, Qt::KeypadModifier, "."}, {Qt::Key_Comma, Qt::KeypadModifier, ","},
    {Qt::Key_Minus, Qt::KeypadModifier, "-"},  {Qt::Key_Plus, Qt::KeypadModifier, "+"},
    {Qt::Key_1, Qt::NoModifier, "1"},          {Qt::Key_7, Qt::NoModifier, "7"},
    {Qt::Key_A, Qt::NoModifier, "a"},          {Qt::Key_E, Qt::NoModifier, "e"},
    {Qt::Key_Z, Qt::NoModifier, "z"},          {Qt::Key_Comma, Qt::NoModifier, ","},
    {Qt::Key_Period, Qt::NoModifier, "."},     {Qt::Key_Minus, Qt::NoModifier, "-"},
    {Qt::Key_Space, Qt::NoModifier, " "},      {Qt::Key_Left, Qt::NoModifier, ""},
    {Qt::Key_Right, Qt::NoModifier, ""},       {Qt::Key_Home, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::NoModifier, ""},         {Qt::Key_Delete, Qt::NoModifier, ""},
    {Qt::Key_Backspace, Qt::NoModifier, ""},   {Qt::Key_Return, Qt::NoModifier, "\r"},
    {Qt::Key_Shift, Qt::NoModifier, ""},       {Qt::Key_Control, Qt::NoModifier, ""},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},  {Qt::Key_NumLock, Qt::NoModifier, ""},
    {Qt::Key_Escape, Qt::NoModifier, ""},      {Qt::Key_F2, Qt::NoModifier, ""},
};

statistique* window = nullptr;

void typeKeys(const uint8_t* data, size_t size) {
    window->activateWindow();
    window->Text1->setFocus();
    window->Text1->setText(QStringLiteral("0"));
    for (size_t i = 0; i < size && i < 64; ++i) {
        const Key& k = kKeys[data[i] % std::size(kKeys)];
        QTest::sendKeyEvent(QTest::Press, window->Text1, k.key, QString::fromLatin1(k.text),
                            k.modifiers);
        QTest::sendKeyEvent(QTest::Release, window->Text1, k.key, QString::fromLatin1(k.text),
                            k.modifiers);
        QCoreApplication::processEvents();
        window->Text1->setFocus();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    program::prepare();
    core::setRegionalLocale(QLocale(QLocale::French, QLocale::France));
    window = &program::mainWindow();
    bool firstFrame = false;
    program::show(*window, [&firstFrame] { firstFrame = true; });
    window->activateWindow();
    // The filter's Backspace goes to the focused box, and there is none until the window
    // is active: a user's key always finds it, so the first input must too. The limits
    // only bound a broken display; the waits end as soon as the window is ready.
    if (!QTest::qWaitForWindowActive(window, 60'000) ||
        !QTest::qWaitFor([&firstFrame] { return firstFrame; }, 60'000)) {
        qCritical("fuzz_key_filter: the window never became active");
        std::abort();
    }
    // Every key once: the first text laid out and the first key typed load the fonts and
    // the input context for the life of the process, which no input should be charged for.
    uint8_t everyKey[std::size(kKeys)];
    for (size_t i = 0; i < std::size(kKeys); ++i) everyKey[i] = uint8_t(i);
    typeKeys(everyKey, std::size(everyKey));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    typeKeys(data, size);
    const QString separator = core::decimalSeparator();
    for (const QChar c : window->Text1->text())
        if (!c.isDigit() && QString(c) != separator) std::abort();
    return 0;
}
