#include "ui/key_codes.h"

#include <qguiapplication_platform.h>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>

#include <xcb/xcb.h>

#include <memory>
#include <optional>

namespace ui {
namespace key = core::key;
namespace {

int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return key::NumPad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the same key where the layout's separator is a comma
            return key::Decimal;
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return key::Subtract;
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Enter:
            return key::Enter;
        case Qt::Key_Clear:
            return 12;
        default:
            return 0;
    }
}

int plainCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return key::Digit0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return key::A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return key::F1 + (qtKey - Qt::Key_F1);
    static const QHash<int, int> codes = {
        {Qt::Key_Backspace, key::Backspace},
        {Qt::Key_Tab, key::Tab},
        {Qt::Key_Backtab, key::Tab},
        {Qt::Key_Return, key::Enter},
        {Qt::Key_Enter, key::Enter},
        {Qt::Key_Shift, key::Shift},
        {Qt::Key_Control, key::Control},
        {Qt::Key_Alt, key::Alt},
        {Qt::Key_AltGr, key::Alt},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, key::CapsLock},
        {Qt::Key_Escape, key::Escape},
        {Qt::Key_Space, key::Space},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, key::End},
        {Qt::Key_Home, key::Home},
        {Qt::Key_Left, key::Left},
        {Qt::Key_Up, key::Up},
        {Qt::Key_Right, key::Right},
        {Qt::Key_Down, key::Down},
        {Qt::Key_Print, 44},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, key::Delete},
        {Qt::Key_Meta, 91},
        {Qt::Key_Super_L, 91},
        {Qt::Key_Super_R, 92},
        {Qt::Key_Menu, 93},
        {Qt::Key_NumLock, key::NumLock},
        {Qt::Key_ScrollLock, 145},
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, key::Comma},
        // Shifted comma on a US keyboard; the separate "<" key is told by its symbol.
        {Qt::Key_Less, key::Comma},
        {Qt::Key_Minus, key::Minus},
        {Qt::Key_Underscore, key::Minus},
        {Qt::Key_Period, key::Period},
        {Qt::Key_Greater, key::Period},
        {Qt::Key_Slash, key::Slash},
        {Qt::Key_Question, key::Slash},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
        // Shifted digits of a US keyboard keep the code of their digit key.
        {Qt::Key_Exclam, 49},
        {Qt::Key_At, 50},
        {Qt::Key_NumberSign, 51},
        {Qt::Key_Dollar, 52},
        {Qt::Key_Percent, 53},
        {Qt::Key_AsciiCircum, 54},
        {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56},
        {Qt::Key_ParenLeft, 57},
        {Qt::Key_ParenRight, 48},
    };
    return codes.value(qtKey, 0);
}

// Under X11 the digit row is told by its physical keys (keycodes 10 to 19), which is
// what makes "&é\"'(-è_çà" on a French keyboard the digit keys 1 to 0.
int digitRowCode(quint32 scanCode) {
    if (scanCode < 10 || scanCode > 19) return 0;
    return scanCode == 19 ? key::Digit0 : key::Digit0 + static_cast<int>(scanCode) - 9;
}

// What the key types without Shift in the keyboard's active group, from the X server's
// keyboard map: a code belongs to the key, not to the character Shift made of it.
std::optional<quint32> unshiftedSymbol(const QKeyEvent& event) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return std::nullopt;
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode < 8 || scanCode > 255) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_get_keyboard_mapping(connection, xcb_keycode_t(scanCode), 1);
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&free)> reply(
        xcb_get_keyboard_mapping_reply(connection, cookie, nullptr), &free);
    if (!reply) return std::nullopt;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    // The core map lists group 1's two levels first, then group 2's.
    const int group = (event.nativeModifiers() >> 13) & 3;
    const int column = group == 1 && length > 2 && symbols[2] ? 2 : 0;
    if (length <= column || !symbols[column]) return std::nullopt;
    return symbols[column];
}

}  // namespace

int codeOfUnshiftedSymbol(quint32 keysym) {
    // Latin-1 keysyms are their characters; anything else is left to the toolkit's key.
    if (keysym < 0x20 || keysym > 0xff || (keysym > 0x7e && keysym < 0xa0)) return 0;
    if (keysym == u'<') return key::LessGreater;
    if (keysym >= u'a' && keysym <= u'z') return key::A + int(keysym - u'a');
    return plainCode(int(keysym));
}

int keyCode(const QKeyEvent& event) {
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = keypadCode(event.key())) return code;
        return plainCode(event.key());
    }
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (x11) {
        if (const int code = digitRowCode(event.nativeScanCode())) return code;
        if (const auto symbol = unshiftedSymbol(event))
            if (const int code = codeOfUnshiftedSymbol(*symbol)) return code;
    }
    return plainCode(event.key());
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace ui
